#include "imaging/metafile_loader.h"

#include "platform/errors.h"
#include "platform/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace lw {
namespace {

constexpr std::uint32_t kEnhancedSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
// Error code of a mapping of an empty file.
constexpr long kErrorFileInvalid = 1006;

std::string format(const char* pattern, long code)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, pattern, code);
    return buffer;
}

void show(UiPort& ui, const std::string& text, const char* title)
{
    ui.messageBox(Message{text, title, MsgIcon::None, MsgButtons::Ok});
}

std::int16_t readS16(const std::uint8_t* p)
{
    return static_cast<std::int16_t>(readLe16(p));
}

int pixelsOf(int extent, int unitsPerInch)
{
    return static_cast<int>(static_cast<std::int64_t>(extent) * 96 / unitsPerInch);
}

// Pixel bounds an enhanced metafile made from a placeable one would report.
RasterRect placeableBounds(const Metafile& m)
{
    const int width = m.box.right - m.box.left;
    const int height = m.box.bottom - m.box.top;
    // Anisotropic pictures give their extents in hundredths of a millimetre.
    const int upi = m.mappingMode == MappingMode::Anisotropic ? 2540 : m.unitsPerInch;
    return RasterRect{0, 0, pixelsOf(width, upi), pixelsOf(height, upi)};
}

// The bounds of a plain Windows metafile come from its window extent when it has one.
RasterRect windowBounds(std::span<const std::uint8_t> bits)
{
    const auto window = WindowRect(bits);
    if (!window)
        return RasterRect{0, 0, -1, -1};
    return RasterRect{0, 0, window->right - window->left, window->bottom - window->top};
}

} // namespace

MappingMode PlaceableMappingMode(int unitsPerInch)
{
    switch (unitsPerInch) {
    case 100:
        return MappingMode::LoEnglish;
    case 254:
        return MappingMode::LoMetric;
    case 1000:
        return MappingMode::HiEnglish;
    case 1440:
        return MappingMode::Twips;
    case 2540:
        return MappingMode::HiMetric;
    default:
        return MappingMode::Anisotropic;
    }
}

std::optional<RasterRect> WindowRect(std::span<const std::uint8_t> bits)
{
    int orgX = 0, orgY = 0, extX = 0, extY = 0;
    bool hasExtent = false;
    std::size_t pos = 18;
    while (pos + 6 <= bits.size()) {
        const std::uint32_t words = readLe32(bits.data() + pos);
        const std::uint16_t function = readLe16(bits.data() + pos + 4);
        if (words < 3 || function == 0 || words > (bits.size() - pos) / 2)
            break;
        if ((function == 0x020B || function == 0x020C) && words >= 5) { // SetWindowOrg / SetWindowExt: y, x
            const int y = readS16(bits.data() + pos + 6);
            const int x = readS16(bits.data() + pos + 8);
            if (function == 0x020B)
                orgX = x, orgY = y;
            else
                extX = x, extY = y, hasExtent = true;
        }
        pos += static_cast<std::size_t>(words) * 2;
    }
    if (!hasExtent)
        return std::nullopt;
    return RasterRect{orgX, orgY, orgX + extX, orgY + extY};
}

bool IsWellFormedWindowsMetafile(std::span<const std::uint8_t> bits)
{
    if (bits.size() < 18)
        return false;
    const std::uint16_t type = readLe16(bits.data());
    const std::uint16_t headerWords = readLe16(bits.data() + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return false;
    // The converter allocates a buffer of the header's largest record size before it reads a
    // record: that size must be one the file can hold, and every record must fit in it.
    const std::uint32_t maxRecordWords = readLe32(bits.data() + 12);
    if (maxRecordWords < 3 || maxRecordWords > bits.size() / 2)
        return false;
    std::size_t pos = 18;
    while (pos + 6 <= bits.size()) {
        const std::uint32_t words = readLe32(bits.data() + pos);
        const std::uint16_t function = readLe16(bits.data() + pos + 4);
        if (words < 3 || words > (bits.size() - pos) / 2 || words > maxRecordWords)
            return false;
        if (function == 0)
            return true;
        pos += static_cast<std::size_t>(words) * 2;
    }
    return false;
}

bool IsWellFormedEnhancedMetafile(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 88 || readLe32(bytes.data()) != kEmrHeader ||
        readLe32(bytes.data() + 40) != kEnhancedSignature)
        return false;
    // The converter reads the header's description text and pixel format where the header says:
    // both must lie inside the header record.
    const std::uint64_t headerSize = readLe32(bytes.data() + 4);
    if (headerSize < 88 || headerSize > bytes.size())
        return false;
    const auto insideHeader = [&](std::uint64_t offset, std::uint64_t length) {
        return offset >= 88 && offset + length <= headerSize;
    };
    const std::uint64_t descriptionChars = readLe32(bytes.data() + 60);
    const std::uint64_t descriptionOffset = readLe32(bytes.data() + 64);
    if ((descriptionChars != 0 || descriptionOffset != 0) &&
        (descriptionChars == 0 || !insideHeader(descriptionOffset, 2 * descriptionChars)))
        return false;
    if (headerSize >= 100) {
        const std::uint64_t pixelFormatSize = readLe32(bytes.data() + 88);
        const std::uint64_t pixelFormatOffset = readLe32(bytes.data() + 92);
        if (pixelFormatSize != 0 && !insideHeader(pixelFormatOffset, pixelFormatSize))
            return false;
    }
    std::size_t pos = 0;
    while (pos + 8 <= bytes.size()) {
        const std::uint32_t type = readLe32(bytes.data() + pos);
        const std::uint32_t size = readLe32(bytes.data() + pos + 4);
        if (size < 8 || size % 4 != 0 || size > bytes.size() - pos)
            return false;
        if (type == kEmrEof)
            return true;
        pos += size;
    }
    return false;
}

std::optional<Metafile> LoadMetafileBytes(std::span<const std::uint8_t> file, UiPort& ui)
{
    // A view of an empty file cannot be mapped.
    if (file.empty()) {
        show(ui, format(kMetafileMapFailed, kErrorFileInvalid), "Error");
        return std::nullopt;
    }
    Metafile m;
    if (file.size() >= 44 && readLe32(file.data() + 40) == kEnhancedSignature) {
        if (!IsWellFormedEnhancedMetafile(file)) {
            show(ui, kMetafileEnhancedDamaged, "Error");
            return std::nullopt;
        }
        m.kind = MetafileKind::Enhanced;
        m.bytes.assign(file.begin(), file.end());
        m.bounds = RasterRect{
            static_cast<int>(readLe32(file.data() + 8)), static_cast<int>(readLe32(file.data() + 12)),
            static_cast<int>(readLe32(file.data() + 16)), static_cast<int>(readLe32(file.data() + 20))};
        return m;
    }
    m.kind = MetafileKind::Windows;
    if (file.size() >= 4 && readLe32(file.data()) == kPlaceableKey) {
        m.placeable = true;
        if (file.size() < kPlaceableHeaderSize + 18) {
            show(ui, format(kMetafileConvertFailed, 0), "Error!");
            return std::nullopt;
        }
        m.box = RasterRect{readS16(file.data() + 6), readS16(file.data() + 8), readS16(file.data() + 10),
                           readS16(file.data() + 12)};
        m.unitsPerInch = readLe16(file.data() + 14);
        m.mappingMode = PlaceableMappingMode(m.unitsPerInch);
        const std::size_t length = static_cast<std::size_t>(readLe32(file.data() + 28)) * 2;
        const auto rest = file.subspan(kPlaceableHeaderSize);
        if (length > rest.size() || !IsWellFormedWindowsMetafile(rest.first(length)) || m.unitsPerInch == 0) {
            show(ui, format(kMetafileConvertFailed, 0), "Error!");
            return std::nullopt;
        }
        m.bytes.assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(length));
        m.bounds = placeableBounds(m);
        return m;
    }
    if (!IsWellFormedWindowsMetafile(file)) {
        show(ui, format(kMetafileGetFailed, 0), "Error!");
        return std::nullopt;
    }
    m.bytes.assign(file.begin(), file.end());
    m.bounds = windowBounds(file);
    return m;
}

std::optional<Metafile> LoadMetafile(const std::string& path, UiPort& ui)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        show(ui, format(kMetafileOpenFailed, errno), "Error");
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::streamoff>(in.tellg());
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxInputFileSize) {
        show(ui, format(kMetafileViewFailed, EFBIG), "Error");
        return std::nullopt;
    }
    in.seekg(0);
    std::vector<std::uint8_t> file(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(file.data()), size)) {
        show(ui, format(kMetafileViewFailed, EIO), "Error");
        return std::nullopt;
    }
    return LoadMetafileBytes(file, ui);
}

} // namespace lw
