#include "support/picture_builders.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace lwtest {

void put16(Bytes& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

Bytes bmpFile(const Bytes& afterFileHeader, std::uint32_t totalSize, std::uint32_t bitsOffset)
{
    Bytes out = {'B', 'M'};
    put32(out, totalSize ? totalSize : static_cast<std::uint32_t>(14 + afterFileHeader.size()));
    put32(out, 0);
    put32(out, bitsOffset);
    out.insert(out.end(), afterFileHeader.begin(), afterFileHeader.end());
    return out;
}

Bytes iconFile(int width, int height, int bitCount, const Bytes& image)
{
    Bytes out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.push_back(static_cast<std::uint8_t>(width));
    out.push_back(static_cast<std::uint8_t>(height));
    out.push_back(0);
    out.push_back(0);
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bitCount));
    put32(out, static_cast<std::uint32_t>(image.size()));
    put32(out, 22);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

Bytes iconImage24(int width, int height, const std::vector<std::uint32_t>& colours,
                  const std::vector<int>& mask)
{
    Bytes out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height * 2));
    put16(out, 1);
    put16(out, 24);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    const int stride = (3 * width + 3) / 4 * 4;
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colours[static_cast<std::size_t>(row * width + x)];
            out.push_back(static_cast<std::uint8_t>(c));
            out.push_back(static_cast<std::uint8_t>(c >> 8));
            out.push_back(static_cast<std::uint8_t>(c >> 16));
        }
        out.insert(out.end(), static_cast<std::size_t>(stride - 3 * width), 0);
    }
    const int maskStride = (width + 31) / 32 * 4;
    for (int row = height - 1; row >= 0; --row) {
        Bytes line(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < width; ++x)
            if (mask[static_cast<std::size_t>(row * width + x)])
                line[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

namespace {

void record(Bytes& out, std::uint16_t function, std::initializer_list<std::uint16_t> params)
{
    put32(out, static_cast<std::uint32_t>(3 + params.size()));
    put16(out, function);
    for (auto p : params)
        put16(out, p);
}

} // namespace

Bytes windowsMetafile(int left, int top, int right, int bottom, std::uint32_t colorref)
{
    Bytes records;
    record(records, 0x020B, {0, 0});   // SetWindowOrg
    record(records, 0x020C, {40, 40}); // SetWindowExt
    record(records, 0x02FC,
           {0, static_cast<std::uint16_t>(colorref), static_cast<std::uint16_t>(colorref >> 16), 0});
    record(records, 0x012D, {0});             // SelectObject brush
    record(records, 0x02FA, {5, 0, 0, 0, 0}); // CreatePenIndirect PS_NULL
    record(records, 0x012D, {1});             // SelectObject pen
    record(records, 0x041B,
           {static_cast<std::uint16_t>(bottom), static_cast<std::uint16_t>(right),
            static_cast<std::uint16_t>(top), static_cast<std::uint16_t>(left)});
    record(records, 0x0000, {});
    Bytes out;
    put16(out, 1);
    put16(out, 9);
    put16(out, 0x0300);
    put32(out, static_cast<std::uint32_t>((18 + records.size()) / 2));
    put16(out, 2);
    put32(out, 8);
    put16(out, 0);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

Bytes placeableMetafile(int unitsPerInch, int boxRight, int boxBottom, const Bytes& bits)
{
    Bytes out;
    put32(out, 0x9AC6CDD7);
    put16(out, 0);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint16_t>(boxRight));
    put16(out, static_cast<std::uint16_t>(boxBottom));
    put16(out, static_cast<std::uint16_t>(unitsPerInch));
    put32(out, 0);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        sum ^= static_cast<std::uint16_t>(out[i] | out[i + 1] << 8);
    put16(out, sum);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

Bytes enhancedMetafile(int boundsRight, int boundsBottom, int left, int top, int right, int bottom,
                       std::uint32_t colorref)
{
    Bytes body;
    // EMR_CREATEBRUSHINDIRECT, EMR_SELECTOBJECT (brush, NULL_PEN), EMR_RECTANGLE, EMR_EOF
    put32(body, 39), put32(body, 24), put32(body, 1), put32(body, 0), put32(body, colorref), put32(body, 0);
    put32(body, 37), put32(body, 12), put32(body, 1);
    put32(body, 37), put32(body, 12), put32(body, 0x80000008);
    put32(body, 43), put32(body, 24);
    put32(body, static_cast<std::uint32_t>(left)), put32(body, static_cast<std::uint32_t>(top));
    put32(body, static_cast<std::uint32_t>(right)), put32(body, static_cast<std::uint32_t>(bottom));
    put32(body, 14), put32(body, 20), put32(body, 0), put32(body, 16), put32(body, 20);
    Bytes out;
    put32(out, 1);
    put32(out, 88);
    put32(out, 0), put32(out, 0), put32(out, static_cast<std::uint32_t>(boundsRight)),
        put32(out, static_cast<std::uint32_t>(boundsBottom));
    // Frame in hundredths of a millimetre at 96 pixels per inch.
    put32(out, 0), put32(out, 0), put32(out, static_cast<std::uint32_t>(boundsRight * 2540 / 96)),
        put32(out, static_cast<std::uint32_t>(boundsBottom * 2540 / 96));
    put32(out, 0x464D4520);
    put32(out, 0x10000);
    put32(out, static_cast<std::uint32_t>(88 + body.size()));
    put32(out, 6);
    put16(out, 2);
    put16(out, 0);
    put32(out, 0), put32(out, 0), put32(out, 0);
    put32(out, 1920), put32(out, 1080), put32(out, 508), put32(out, 286);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

namespace {

// Every temporary file and folder of one test program lives below one folder, removed when the
// program ends, failed tests included.
class TempRoot {
public:
    TempRoot()
    {
        std::random_device seed;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("lwtest-" + std::to_string(::getpid()) + "-" + std::to_string(seed()));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;
    ~TempRoot()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& tempRoot()
{
    static const TempRoot root;
    return root.path();
}

} // namespace

std::string testTempFolder(const std::string& tag)
{
    static std::atomic<int> counter{0};
    const auto folder = tempRoot() / (tag + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string tempPath(const std::string& name)
{
    return (std::filesystem::path(testTempFolder("f")) / name).string();
}

void writeBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace lwtest
