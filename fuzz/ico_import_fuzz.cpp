// Feeds arbitrary bytes to the icon reader: it draws an icon or gives nothing, never reading
// outside the bytes.
#include "imaging/ico_reader.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto drawings = lw::DrawIcon(std::span<const std::uint8_t>(data, size));
    if (drawings)
        lw::IconPicture(*drawings);
    return 0;
}
