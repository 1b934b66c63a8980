// The libraries driven the way the engine draws one step: the host prepares, the library renders
// and the result is composed onto the step image at current's place.
#include "engine/effect_drawing.h"
#include "engine/extension_catalogue_model.h"
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

namespace {

using lwtest::builtHost;
using lwtest::rect;

const LWXRect kCanvas = rect(366, 570, 834, 630); // 468 x 60, centred in the workspace

lw::CRaster filled(int w, int h, std::uint32_t colour)
{
    lw::CRaster r(w, h);
    r.FillRect(colour);
    return r;
}

TEST(PixelTransitionsInTheEngine, FadeInWithOneStepShowsHalfTheObject)
{
    lw::CRaster output = filled(468, 60, 0x00FFFFFF);
    const lw::CRaster object = filled(10, 10, 0x00000000);
    const std::int32_t code =
        lw::drawObjectWithEffect(builtHost(), output, kCanvas, object, rect(400, 580, 410, 590), 2, nullptr,
                                 lw::EffectCall{21, 0, 0}, -1, -1);
    EXPECT_EQ(code, LWX_RENDER);
    // Black at opacity 128 over white: 255 * 127 / 255 = 127.
    EXPECT_EQ(output.GetPixel(34, 10), 0x007F7F7Fu);
    EXPECT_EQ(output.GetPixel(43, 19), 0x007F7F7Fu);
    EXPECT_EQ(output.GetPixel(33, 10), 0x00FFFFFFu);
    EXPECT_EQ(output.GetPixel(44, 10), 0x00FFFFFFu);
}

TEST(PixelTransitionsInTheEngine, MotionBlurIsDrawnAtItsWidenedRectangle)
{
    lw::CRaster output = filled(468, 60, 0x00FFFFFF);
    const lw::CRaster object = filled(20, 4, 0x00000000);
    lw::drawObjectWithEffect(builtHost(), output, kCanvas, object, rect(400, 580, 420, 584), 2, nullptr,
                             lw::EffectCall{5, 0, 0}, -1, -1);
    // The blur reaches 5 pixels left of home (column 29 of the canvas) and 5 right of it.
    EXPECT_NE(output.GetPixel(29, 10), 0x00FFFFFFu);
    EXPECT_EQ(output.GetPixel(28, 10), 0x00FFFFFFu);
    EXPECT_NE(output.GetPixel(58, 10), 0x00FFFFFFu);
    EXPECT_EQ(output.GetPixel(59, 10), 0x00FFFFFFu);
    EXPECT_EQ(output.GetPixel(44, 10), 0x00000000u);
}

TEST(PixelTransitionsInTheEngine, LaserAsAFrameEffectDrawsTheBeamToTheCanvasBottom)
{
    lw::CRaster output = filled(468, 60, 0x00FFFFFF);
    const lw::CRaster frame = filled(468, 60, 0x00123456);
    // Laser Beam over 10 steps, step 5: the beam stands at column 468 - 234 = 234.
    EXPECT_EQ(
        lw::drawImageWithFrameEffect(builtHost(), output, kCanvas, frame, lw::EffectCall{272, 0, 0}, 5, 10),
        LWX_RENDER);
    EXPECT_EQ(output.GetPixel(234, 30), 0x00FF0000u);
    EXPECT_EQ(output.GetPixel(0, 0), 0x00123456u);
    EXPECT_EQ(output.GetPixel(467, 59), 0x00123456u);
}

TEST(PixelTransitionsInTheEngine, BlowOutAsAFrameEffectFadesTheWholeCanvas)
{
    lw::CRaster output = filled(468, 60, 0x00FFFFFF);
    const lw::CRaster frame = filled(468, 60, 0x00000000);
    lw::drawImageWithFrameEffect(builtHost(), output, kCanvas, frame, lw::EffectCall{311, 1, 0}, 1, 2);
    // p = 49: black at opacity 130 over white gives 255 * 125 / 255 = 125 in the middle.
    EXPECT_EQ(output.GetPixel(234, 30), 0x007D7D7Du);
}

TEST(PixelTransitionsInTheEngine, CatalogueDescribesEachLibrary)
{
    const lw::ExtensionModule* module = lwtest::builtModule("blow.lwx");
    ASSERT_NE(module, nullptr);
    const std::string text = lw::ExtensionCatalogueModel::describe(*module);
    EXPECT_EQ(
        text.rfind(
            "Blow/Sand In/Out Extension for Loopwright GIF Animator v1.1\r\nLoopwright Extension SDK\r\n", 0),
        0u);
    const std::string effects =
        "\r\n==============\r\nEffects Available:\r\n- Sand Out (#314)\r\n- Sand In (#313)\r\n"
        "- Blow (#312)\r\n- Blow Out (#311)\r\n- Blow In (#310)\r\n";
    ASSERT_GE(text.size(), effects.size());
    EXPECT_EQ(text.substr(text.size() - effects.size()), effects);
}

} // namespace
