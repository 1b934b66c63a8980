#include "output/avi_export.h"
#include "support/avi_readback.h"
#include "support/raster_builders.h"

#include <QTemporaryDir>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using namespace lw;
using lwtest::readAvi;
using lwtest::ReadBack;

namespace {

CRaster solid(int w, int h, std::uint32_t colour)
{
    CRaster r(w, h);
    r.FillRect(colour);
    return r;
}

} // namespace

TEST(AviExport, SamplesAtStartTimesInHundredthsWithTheLastRepeated)
{
    QTemporaryDir dir;
    const CRaster a = solid(4, 2, 0x00FF0000), b = solid(4, 2, 0x0000FF00),
                  c = lwtest::rasterFromRows(4, 2, {1, 2, 3, 4, 5, 6, 7, 8});
    FrameSequence seq(4, 2, 0, "");
    seq.append(&c, 10);
    seq.append(&b, 20);
    seq.append(&a, 30);
    const std::string path = dir.filePath("three.avi").toStdString();
    exportAvi(seq, path);
    const ReadBack back = readAvi(path);
    EXPECT_EQ(back.timeBase.num, 1);
    EXPECT_EQ(back.timeBase.den, 100);
    EXPECT_EQ(back.width, 4);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.codec, "rawvideo");
    ASSERT_EQ(back.samples.size(), 4u);
    EXPECT_EQ(back.samples[0].position, 0);
    EXPECT_EQ(back.samples[1].position, 10);
    EXPECT_EQ(back.samples[2].position, 30);
    EXPECT_EQ(back.samples[3].position, 60);
    // Uncompressed samples are the 32-bit bottom-up pixel blocks themselves.
    const auto& first = back.samples[0].data;
    ASSERT_EQ(first.size(), 32u);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), reinterpret_cast<const std::uint8_t*>(c.bits())));
    EXPECT_EQ(back.samples[3].data, back.samples[2].data);
    ASSERT_EQ(back.samples[2].data.size(), 32u);
    EXPECT_EQ(back.samples[2].data[2], 0xFF); // red in byte 2 (B, G, R, T)
    // FFmpeg's own decoder shows the image upright: the top row is 1, 2, 3, 4.
    ASSERT_EQ(back.firstImageTopDown.size(), 8u);
    EXPECT_EQ(back.firstImageTopDown[0] & 0xFFFFFF, 1u);
    EXPECT_EQ(back.firstImageTopDown[7] & 0xFFFFFF, 8u);
}

TEST(AviExport, SingleImageGivesTwoSamples)
{
    QTemporaryDir dir;
    const CRaster a = solid(8, 8, 0x00123456);
    FrameSequence seq(8, 8, 0, "");
    seq.append(&a, 250);
    const std::string path = dir.filePath("one.avi").toStdString();
    exportAvi(seq, path);
    const ReadBack back = readAvi(path);
    ASSERT_EQ(back.samples.size(), 2u);
    EXPECT_EQ(back.samples[0].position, 0);
    EXPECT_EQ(back.samples[1].position, 250);
}

TEST(AviExport, CompressedCodecsFromTheList)
{
    const auto codecs = aviCodecs();
    ASSERT_FALSE(codecs.empty());
    EXPECT_EQ(codecs.front().name, "rawvideo");
    bool hasMjpeg = false;
    for (const auto& c : codecs)
        hasMjpeg |= c.name == "mjpeg";
    if (!hasMjpeg)
        GTEST_SKIP() << "this FFmpeg has no mjpeg encoder";
    QTemporaryDir dir;
    const CRaster a = solid(16, 16, 0x00FFFFFF), b = solid(16, 16, 0);
    FrameSequence seq(16, 16, 0, "");
    seq.append(&a, 10);
    seq.append(&b, 40);
    const std::string path = dir.filePath("mjpeg.avi").toStdString();
    exportAvi(seq, path, "mjpeg");
    const ReadBack back = readAvi(path);
    EXPECT_EQ(back.codec, "mjpeg");
    ASSERT_EQ(back.samples.size(), 3u);
    EXPECT_EQ(back.samples[2].position, 50);
}

TEST(AviExport, FailuresLeaveNoFileAndKeepThePreviousOne)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("keep.avi").toStdString();
    FrameSequence empty(4, 4, 0, "");
    EXPECT_THROW(exportAvi(empty, path), AviError);
    EXPECT_FALSE(std::filesystem::exists(path));

    const CRaster a = solid(4, 4, 0);
    FrameSequence good(4, 4, 0, "");
    good.append(&a, 10);
    exportAvi(good, path);
    const auto size = std::filesystem::file_size(path);
    EXPECT_THROW(exportAvi(good, path, "no-such-codec"), AviError);
    const CRaster wrong = solid(3, 3, 0);
    FrameSequence mismatched(4, 4, 0, "");
    mismatched.append(&wrong, 10);
    EXPECT_THROW(exportAvi(mismatched, path), AviError);
    EXPECT_EQ(std::filesystem::file_size(path), size);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path().toStdString()))
        ++files;
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
    EXPECT_THROW(exportAvi(good, dir.filePath("no/folder/x.avi").toStdString()), AviError);
}

TEST(AviExport, ProposedNames)
{
    EXPECT_EQ(defaultAviName("banner.gif", "/d/banner.lwd", "banner"), "banner.gif.avi");
    EXPECT_EQ(defaultAviName("", "/d/banner.lwd", "banner"), "/d/banner.lwd.avi");
    EXPECT_EQ(defaultAviName("", "", "Безымянный-1"), "Безымянный-1.avi");
    EXPECT_EQ(withAviExtension("/tmp/clip"), "/tmp/clip.avi");
    EXPECT_EQ(withAviExtension("/tmp/clip.mov"), "/tmp/clip.mov");
}
