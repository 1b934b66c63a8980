#pragma once
// Little-endian binary archive used by the document file and the clipboard block. The reader
// never reads past its buffer: every short read raises ArchiveError (end of file).
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

class ArchiveReader {
public:
    explicit ArchiveReader(std::vector<std::uint8_t> data) : owned_(std::move(data)), data_(owned_) {}
    // Reads bytes the caller keeps alive for the reader's lifetime, without copying them.
    static ArchiveReader viewing(std::span<const std::uint8_t> bytes);
    static ArchiveReader fromFile(const std::string& path);
    // Reads a file piece by piece, holding only the part being read (at least the last read's
    // bytes), so a large document is never in memory twice. Views and data() then stay valid
    // only until the next read. Throws FileError when the file cannot be opened or is too large.
    static ArchiveReader streaming(const std::string& path);
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;
    ArchiveReader(ArchiveReader&& other) noexcept;
    ArchiveReader& operator=(ArchiveReader&&) = delete;

    std::uint8_t readUint8();
    std::uint16_t readUint16();
    std::int32_t readInt32();
    std::uint32_t readUint32();
    double readFloat64();
    void readBytes(std::span<std::uint8_t> out);
    std::vector<std::uint8_t> readBytes(std::size_t count);
    // The next count bytes in place: valid while the reader's bytes are.
    std::span<const std::uint8_t> viewBytes(std::size_t count);
    // Length-prefixed string, returned as the stored bytes (code page 1251 in documents).
    std::string readString();
    // The same, converted from code page 1251 to UTF-8.
    std::string readText();

    std::size_t position() const { return pos_; }
    std::size_t size() const { return file_ ? fileSize_ : data_.size(); }
    std::size_t remaining() const { return size() - pos_; }
    bool atEnd() const { return pos_ >= size(); }
    void skip(std::size_t count);
    std::span<const std::uint8_t> data() const { return data_; }

private:
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    ArchiveReader() = default;
    const std::uint8_t* take(std::size_t count);
    // Streaming: makes the window hold bytes pos_ … pos_ + count of the file.
    void refill(std::size_t count);
    std::vector<std::uint8_t> owned_; // empty when viewing the caller's bytes
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    std::unique_ptr<std::FILE, FileCloser> file_; // streaming only; data_ is then a window
    std::size_t fileSize_ = 0;
    std::size_t windowStart_ = 0; // file offset of data_[0]
};

class ArchiveWriter {
public:
    void writeUint8(std::uint8_t v);
    void writeUint16(std::uint16_t v);
    void writeInt32(std::int32_t v);
    void writeUint32(std::uint32_t v);
    void writeFloat64(double v);
    void writeBytes(std::span<const std::uint8_t> bytes);
    void writeBytes(std::string_view bytes);
    // Length-prefixed string of raw bytes: one byte below 255, 0xFF + uint16 below 0xFFFE,
    // otherwise 0xFF, 0xFFFF and a uint32.
    void writeString(std::string_view bytes);
    // The same for UTF-8 text, stored as code page 1251.
    void writeText(std::string_view utf8);

    const std::vector<std::uint8_t>& data() const { return data_; }
    std::vector<std::uint8_t> take() { return std::move(data_); }
    std::size_t size() const { return data_.size(); }
    // Writes the buffer to a file; the previous file stays intact if the write fails.
    void saveToFile(const std::string& path) const;

private:
    std::vector<std::uint8_t> data_;
};

} // namespace lw
