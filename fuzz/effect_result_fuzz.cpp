// What an extension hands back after LWXPrepare is outside data: any result code, any
// `current` rectangle, any change to the rest of the context. The host must draw or skip
// without reading or writing outside its images and without huge allocations. The render
// call writes exactly current's width x height pixels, as an extension may.
#include "engine/effect_drawing.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    template <typename T> T take()
    {
        T value{};
        const std::size_t n = size < sizeof(T) ? size : sizeof(T);
        std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return value;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader in{data, size};
    const int canvasW = 1 + in.take<std::uint8_t>() % 64, canvasH = 1 + in.take<std::uint8_t>() % 64;
    const int objectW = 1 + in.take<std::uint8_t>() % 32, objectH = 1 + in.take<std::uint8_t>() % 32;
    const LWXRect canvas{600, 600, 600 + canvasW, 600 + canvasH};
    const int x = 600 + in.take<std::int8_t>(), y = 600 + in.take<std::int8_t>();
    const bool frameContext = in.take<std::uint8_t>() & 1;
    const std::int32_t result = in.take<std::uint8_t>() % 12;
    LWXRect current{};
    const std::uint8_t shape = in.take<std::uint8_t>();
    if (shape & 1) { // raw 32-bit values
        current = in.take<LWXRect>();
    } else { // near the object, within a few hundred pixels
        current = LWXRect{x + in.take<std::int16_t>() % 700, y + in.take<std::int16_t>() % 700, 0, 0};
        current.right = current.left + in.take<std::int16_t>() % 300;
        current.bottom = current.top + in.take<std::int16_t>() % 300;
    }
    const bool scribble = shape & 2; // the extension also overwrites the rest of the context

    lw::CRaster output(canvasW, canvasH);
    output.FillRect(0x00FFFFFF);
    lw::CRaster image(frameContext ? canvasW : objectW, frameContext ? canvasH : objectH);
    image.FillRect(0x80102030);
    const LWXRect home = frameContext ? canvas : LWXRect{x, y, x + objectW, y + objectH};

    // What the host sent: the library keeps it, as a real one may, because a library that
    // scribbles over its own context gets its own scribbles back in LWXDoRender.
    LWXRect sentHome{};
    const std::uint32_t* sentSource = nullptr;
    const lw::EffectEntryPoints calls{
        [&](std::int32_t, LWXEffectContext& c, std::int32_t) {
            sentHome = c.home;
            sentSource = c.source;
            c.current = current;
            if (scribble) {
                c.home = LWXRect{0, 0, 100000, 100000};
                c.source = nullptr;
                c.frameCount = -1;
            }
            return result;
        },
        [&](std::int32_t, LWXEffectContext& c, std::int32_t) {
            const std::int64_t w = std::int64_t{c.current.right} - c.current.left;
            const std::int64_t h = std::int64_t{c.current.bottom} - c.current.top;
            const std::int64_t homeCount =
                (std::int64_t{sentHome.right} - sentHome.left) * (sentHome.bottom - sentHome.top);
            for (std::int64_t i = 0; i < w * h; ++i)
                c.target[i] = sentSource[i % homeCount];
            return 1;
        }};
    lw::drawWithEffect(calls, output, canvas, lw::EffectSubject{&image, home, 2, nullptr},
                       lw::EffectCall{1, 3, 0}, -1, -2);
    return 0;
}
