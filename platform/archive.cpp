#include "platform/archive.h"

#include "platform/cp1251.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

namespace lw {

ArchiveReader ArchiveReader::viewing(std::span<const std::uint8_t> bytes)
{
    ArchiveReader reader;
    reader.data_ = bytes;
    return reader;
}

// A moved vector keeps its buffer, so a view of the owned bytes stays valid.
ArchiveReader::ArchiveReader(ArchiveReader&& other) noexcept
    : owned_(std::move(other.owned_)), data_(other.data_), pos_(other.pos_), file_(std::move(other.file_)),
      fileSize_(other.fileSize_), windowStart_(other.windowStart_)
{
}

ArchiveReader ArchiveReader::fromFile(const std::string& path)
{
    return ArchiveReader(readFile(path));
}

ArchiveReader ArchiveReader::streaming(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError(path, "is a folder");
    ArchiveReader reader;
    reader.file_.reset(std::fopen(path.c_str(), "rb"));
    if (!reader.file_)
        throw FileError(path, std::strerror(errno));
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw FileError(path, ec.message());
    if (size > kMaxInputFileSize)
        throw FileError(path, "file is too large");
    reader.fileSize_ = static_cast<std::size_t>(size);
    return reader;
}

void ArchiveReader::refill(std::size_t count)
{
    // The unread rest of the window moves to the front; the file continues after it.
    constexpr std::size_t kWindow = 256 * 1024;
    const std::size_t from = pos_ - windowStart_; // data_ always starts at owned_'s start
    const std::size_t kept = data_.size() - from;
    const std::size_t wanted = std::min(std::max(count, kWindow), fileSize_ - pos_);
    try {
        if (owned_.size() < wanted)
            owned_.resize(wanted);
    } catch (const std::bad_alloc&) {
        throw MemoryError();
    }
    std::memmove(owned_.data(), owned_.data() + from, kept);
    const std::size_t got = std::fread(owned_.data() + kept, 1, wanted - kept, file_.get());
    windowStart_ = pos_;
    data_ = std::span<const std::uint8_t>(owned_.data(), kept + got);
    if (kept + got < count)
        throw ArchiveError(ArchiveError::Kind::EndOfFile); // the file shrank while being read
}

const std::uint8_t* ArchiveReader::take(std::size_t count)
{
    if (count > remaining())
        throw ArchiveError(ArchiveError::Kind::EndOfFile);
    if (file_ && pos_ + count > windowStart_ + data_.size())
        refill(count);
    const std::uint8_t* p = data_.data() + (pos_ - windowStart_);
    pos_ += count;
    return p;
}

void ArchiveReader::skip(std::size_t count)
{
    take(count);
}

std::uint8_t ArchiveReader::readUint8()
{
    return *take(1);
}

std::uint16_t ArchiveReader::readUint16()
{
    const std::uint8_t* p = take(2);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t ArchiveReader::readUint32()
{
    const std::uint8_t* p = take(4);
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t ArchiveReader::readInt32()
{
    return static_cast<std::int32_t>(readUint32());
}

double ArchiveReader::readFloat64()
{
    const std::uint8_t* p = take(8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | p[i];
    return std::bit_cast<double>(bits);
}

void ArchiveReader::readBytes(std::span<std::uint8_t> out)
{
    if (out.empty())
        return;
    std::memcpy(out.data(), take(out.size()), out.size());
}

std::vector<std::uint8_t> ArchiveReader::readBytes(std::size_t count)
{
    const std::uint8_t* p = take(count);
    return {p, p + count};
}

std::span<const std::uint8_t> ArchiveReader::viewBytes(std::size_t count)
{
    return {take(count), count};
}

std::string ArchiveReader::readString()
{
    std::uint32_t length = readUint8();
    if (length == 0xFF) {
        length = readUint16();
        if (length == 0xFFFE) // the wide-string marker of other writers: not ours
            throw ArchiveError(ArchiveError::Kind::BadFormat);
        if (length == 0xFFFF)
            length = readUint32();
    }
    const std::uint8_t* p = take(length);
    return {reinterpret_cast<const char*>(p), length};
}

std::string ArchiveReader::readText()
{
    return cp1251ToUtf8(readString());
}

void ArchiveWriter::writeUint8(std::uint8_t v)
{
    data_.push_back(v);
}

void ArchiveWriter::writeUint16(std::uint16_t v)
{
    data_.push_back(static_cast<std::uint8_t>(v));
    data_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ArchiveWriter::writeUint32(std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        data_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ArchiveWriter::writeInt32(std::int32_t v)
{
    writeUint32(static_cast<std::uint32_t>(v));
}

void ArchiveWriter::writeFloat64(double v)
{
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        data_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void ArchiveWriter::writeBytes(std::span<const std::uint8_t> bytes)
{
    data_.insert(data_.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::writeBytes(std::string_view bytes)
{
    data_.insert(data_.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::writeString(std::string_view bytes)
{
    const std::size_t n = bytes.size();
    if (n < 0xFF) {
        writeUint8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        writeUint8(0xFF);
        writeUint16(static_cast<std::uint16_t>(n));
    } else {
        writeUint8(0xFF);
        writeUint16(0xFFFF);
        writeUint32(static_cast<std::uint32_t>(n));
    }
    writeBytes(bytes);
}

void ArchiveWriter::writeText(std::string_view utf8)
{
    writeString(utf8ToCp1251(utf8));
}

void ArchiveWriter::saveToFile(const std::string& path) const
{
    writeFileAtomically(path, data_);
}

} // namespace lw
