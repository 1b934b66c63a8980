// The colour dialog's state: what each control does to the colour and to the other controls.
#include "app/editor/colour_dialog_model.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(ColourDialogModel, HalfTransparentRedOpensSplitAndReturnsUnchanged)
{
    ColourDialogModel model(0x80FF0000, "Цвет", true);
    EXPECT_EQ(model.component(ColourChannel::Red), 255);
    EXPECT_EQ(model.component(ColourChannel::Green), 0);
    EXPECT_EQ(model.component(ColourChannel::Blue), 0);
    EXPECT_EQ(model.opacity(), 50);
    EXPECT_EQ(model.hsv(), (Hsv{0, 100, 100}));
    EXPECT_EQ(model.hexCaption(), "#FF0000");
    EXPECT_EQ(model.colour(), 0x80FF0000u);
    // Touching opacity and setting it back to 50 gives 255 − ⌊50 × 2.55⌋ = 128 again.
    model.setOpacity(40);
    EXPECT_EQ(model.colour(), 0x99FF0000u);
    model.typeOpacity("50");
    EXPECT_EQ(model.colour(), 0x80FF0000u);
    EXPECT_EQ(model.startColour(), 0x80FF0000u);
}

TEST(ColourDialogModel, ComponentControls)
{
    struct Case {
        const char* what;
        void (*act)(ColourDialogModel&);
        std::uint32_t colour;
    };
    const Case cases[] = {
        {"typed 300 keeps 8 bits", [](ColourDialogModel& m) { m.typeComponent(ColourChannel::Red, "300"); },
         0x402C2040},
        {"slider green", [](ColourDialogModel& m) { m.setComponent(ColourChannel::Green, 200); }, 0x4010C840},
        {"spin up blue", [](ColourDialogModel& m) { m.stepComponent(ColourChannel::Blue, 1); }, 0x40102041},
        {"spin stops at 0",
         [](ColourDialogModel& m) {
             m.setComponent(ColourChannel::Red, 0);
             m.stepComponent(ColourChannel::Red, -1);
         },
         0x40002040},
        {"spin stops at 255",
         [](ColourDialogModel& m) {
             m.setComponent(ColourChannel::Red, 255);
             m.stepComponent(ColourChannel::Red, 1);
         },
         0x40FF2040},
        {"opacity typed past 100", [](ColourDialogModel& m) { m.typeOpacity("250"); }, 0x00102040},
        {"opacity spin down", [](ColourDialogModel& m) { m.stepOpacity(-1); }, 0x43102040},
        {"strip keeps hue and transparency", [](ColourDialogModel& m) { m.pickOnStrip(100); }, 0x401F3F7F},
        {"named Orange", [](ColourDialogModel& m) { m.chooseNamed(12); }, 0x00FF8000},
        {"named Transparent", [](ColourDialogModel& m) { m.chooseNamed(5); }, 0xFFFFFFFF},
        {"named out of range", [](ColourDialogModel& m) { m.chooseNamed(99); }, 0x40102040},
        {"hex six digits", [](ColourDialogModel& m) { EXPECT_TRUE(m.enterHex("00ff80")); }, 0x0000FF80},
        {"hex eight digits", [](ColourDialogModel& m) { EXPECT_TRUE(m.enterHex("7F123456")); }, 0x7F123456},
        {"hex refused",
         [](ColourDialogModel& m) {
             EXPECT_FALSE(m.enterHex("12G456"));
             EXPECT_FALSE(m.enterHex(""));
             EXPECT_FALSE(m.enterHex("123456789"));
             EXPECT_FALSE(m.enterHex("-12345"));
         },
         0x40102040},
    };
    for (const Case& c : cases) {
        ColourDialogModel model(0x40102040, "", true); // opacity 75, value 25
        c.act(model);
        EXPECT_EQ(model.colour(), c.colour) << c.what << std::hex << " got " << model.colour();
    }
}

TEST(ColourDialogModel, EditsKeepTheOtherControlsInStep)
{
    ColourDialogModel model(0x00808080, "", true);
    EXPECT_EQ(model.hsv(), (Hsv{0, 0, 50}));
    model.pickOnDisk(100, 0); // the rim at the top
    EXPECT_EQ(model.hsv(), (Hsv{90, 100, 50}));
    EXPECT_EQ(model.colour(), 0x00407F00u);
    EXPECT_EQ(model.hexDigits(), "407F00");
    model.setOpacity(50); // opacity leaves the HSV alone
    EXPECT_EQ(model.hsv(), (Hsv{90, 100, 50}));
    model.typeComponent(ColourChannel::Blue, "255");
    EXPECT_EQ(model.hsv(), rgbToHsv({0x40, 0x7F, 0xFF}));
    model.pickOnDisk(0, 0); // outside the disk: full saturation toward the pointer
    EXPECT_EQ(model.hsv().hue, 135);
    EXPECT_EQ(model.hsv().saturation, 100);
    EXPECT_EQ(transparencyOf(model.colour()), 128);
}

TEST(ColourDialogModel, WithoutTransparency)
{
    ColourDialogModel model(0x00336699, "Цвет рамки кадра  ", false);
    ASSERT_EQ(model.namedColours().size(), 13u);
    for (const NamedColour& named : model.namedColours())
        EXPECT_NE(named.name, "Transparent");
    model.setOpacity(10);
    model.typeOpacity("0");
    model.stepOpacity(-5);
    EXPECT_EQ(model.colour(), 0x00336699u);
    EXPECT_EQ(model.opacity(), 100);
    EXPECT_TRUE(model.enterHex("FF112233"));
    EXPECT_EQ(model.colour(), 0x00112233u);
    model.chooseNamed(5); // "75% Gray" takes the place of "Transparent"
    EXPECT_EQ(model.colour(), 0x00404040u);
}

} // namespace
} // namespace lw
