#include "platform/archive.h"
#include "platform/errors.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

using namespace lw;

TEST(Archive, IntegersAreLittleEndian)
{
    ArchiveWriter w;
    w.writeInt32(-2);
    w.writeUint32(0x01020304);
    w.writeUint16(0xBEEF);
    w.writeUint8(7);
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1, 0xEF, 0xBE, 7};
    EXPECT_EQ(w.data(), expected);

    ArchiveReader r(w.take());
    EXPECT_EQ(r.readInt32(), -2);
    EXPECT_EQ(r.readUint32(), 0x01020304u);
    EXPECT_EQ(r.readUint16(), 0xBEEF);
    EXPECT_EQ(r.readUint8(), 7);
    EXPECT_TRUE(r.atEnd());
}

TEST(Archive, Float64IsIeeeLittleEndian)
{
    ArchiveWriter w;
    w.writeFloat64(1.0);
    const std::vector<std::uint8_t> one = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_EQ(w.data(), one);
    ArchiveReader r(w.take());
    EXPECT_EQ(r.readFloat64(), 1.0);
}

TEST(Archive, StringLengthForms)
{
    struct Case {
        std::size_t length;
        std::vector<std::uint8_t> prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        const std::string text(c.length, 'x');
        ArchiveWriter w;
        w.writeString(text);
        ASSERT_EQ(w.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), w.data().begin())) << c.length;
        ArchiveReader r(w.take());
        EXPECT_EQ(r.readString(), text);
        EXPECT_TRUE(r.atEnd());
    }
}

TEST(Archive, TextIsStoredInCodePage1251)
{
    ArchiveWriter w;
    w.writeText("Кадр");
    const std::vector<std::uint8_t> expected = {4, 0xCA, 0xE0, 0xE4, 0xF0};
    EXPECT_EQ(w.data(), expected);
    ArchiveReader r(w.take());
    EXPECT_EQ(r.readText(), "Кадр");
}

TEST(Archive, ReadingPastTheEndRaisesEndOfFile)
{
    // Both a reader that owns its bytes and one that views the caller's.
    auto expectEof = [](std::vector<std::uint8_t> bytes, auto read) {
        ArchiveReader viewing = ArchiveReader::viewing(bytes);
        ArchiveReader owning(bytes);
        for (ArchiveReader* r : {&viewing, &owning})
            try {
                read(*r);
                ADD_FAILURE() << "no error raised";
            } catch (const ArchiveError& e) {
                EXPECT_EQ(e.kind(), ArchiveError::Kind::EndOfFile);
            }
    };
    expectEof({1, 2, 3}, [](ArchiveReader& r) { r.readInt32(); });
    expectEof({}, [](ArchiveReader& r) { r.readUint8(); });
    expectEof({1, 2, 3, 4, 5, 6, 7}, [](ArchiveReader& r) { r.readFloat64(); });
    expectEof({5, 'a', 'b'}, [](ArchiveReader& r) { r.readString(); });
    expectEof({0xFF, 0x10}, [](ArchiveReader& r) { r.readString(); });
    expectEof({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, [](ArchiveReader& r) { r.readString(); });
    expectEof({1, 2}, [](ArchiveReader& r) { r.readBytes(3); });
    expectEof({1, 2}, [](ArchiveReader& r) { r.skip(3); });
    expectEof({1, 2, 3}, [](ArchiveReader& r) {
        r.readUint8();
        r.viewBytes(3);
    });
}

TEST(Archive, AViewingReaderReadsTheCallersBytesInPlace)
{
    ArchiveWriter w;
    w.writeInt32(-7);
    w.writeString("frame");
    w.writeBytes(std::string_view("\x01\x02\x03", 3));
    const std::vector<std::uint8_t> bytes = w.take();
    ArchiveReader r = ArchiveReader::viewing(bytes);
    EXPECT_EQ(r.readInt32(), -7);
    EXPECT_EQ(r.readString(), "frame");
    const std::span<const std::uint8_t> rest = r.viewBytes(3);
    EXPECT_EQ(rest.data(), bytes.data() + bytes.size() - 3);
    EXPECT_EQ(rest[2], 3);
    EXPECT_TRUE(r.atEnd());
    // Moving an owning reader keeps its view of the bytes it owns.
    ArchiveReader owning{std::vector<std::uint8_t>(bytes)};
    ArchiveReader moved(std::move(owning));
    EXPECT_EQ(moved.readInt32(), -7);
    EXPECT_EQ(moved.readString(), "frame");
}

TEST(Archive, WideStringMarkerIsABadFormat)
{
    ArchiveReader r({0xFF, 0xFE, 0xFF, 0x01, 'a'});
    try {
        r.readString();
        FAIL();
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.kind(), ArchiveError::Kind::BadFormat);
    }
}

TEST(Archive, FileRoundTripAndMissingFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("a.bin").toStdString();
    ArchiveWriter w;
    w.writeString("hello");
    w.saveToFile(path);
    auto r = ArchiveReader::fromFile(path);
    EXPECT_EQ(r.readString(), "hello");
    EXPECT_THROW(ArchiveReader::fromFile(dir.filePath("missing").toStdString()), FileError);
}

TEST(Archive, AStreamingReaderReadsWhatAViewingOneReads)
{
    // Records larger than the streaming window and reads that straddle its end.
    ArchiveWriter w;
    std::vector<std::uint8_t> big(600 * 1024 + 7);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    for (int round = 0; round < 3; ++round) {
        w.writeString("frame");
        w.writeInt32(-round);
        w.writeBytes(
            std::span<const std::uint8_t>(big).first(big.size() - static_cast<std::size_t>(round) * 100001));
    }
    QTemporaryDir dir;
    const std::string path = dir.filePath("stream.lwd").toStdString();
    w.saveToFile(path);
    ArchiveReader viewing = ArchiveReader::viewing(w.data());
    ArchiveReader streaming = ArchiveReader::streaming(path);
    EXPECT_EQ(streaming.size(), w.size());
    for (int round = 0; round < 3; ++round) {
        const std::size_t n = big.size() - static_cast<std::size_t>(round) * 100001;
        EXPECT_EQ(streaming.readString(), viewing.readString());
        EXPECT_EQ(streaming.readInt32(), viewing.readInt32());
        const auto expected = viewing.viewBytes(n);
        const auto got = streaming.viewBytes(n);
        ASSERT_TRUE(std::equal(got.begin(), got.end(), expected.begin(), expected.end())) << round;
        EXPECT_EQ(streaming.position(), viewing.position());
    }
    EXPECT_TRUE(streaming.atEnd());
    EXPECT_THROW(streaming.readUint8(), ArchiveError);
    EXPECT_THROW(ArchiveReader::streaming(dir.filePath("missing.lwd").toStdString()), FileError);
    EXPECT_THROW(ArchiveReader::streaming(dir.path().toStdString()), FileError);
}
