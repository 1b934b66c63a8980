#include "platform/settings.h"

#include <gtest/gtest.h>

using namespace lw;

TEST(Settings, TypedReadsFallBackToDefaults)
{
    Settings s;
    EXPECT_EQ(s.readInt("Frame", "NeverWritten", 486), 486);
    EXPECT_EQ(s.readString("Current", "NeverWritten", "x"), "x");
    s.writeInt("Frame", "Width", 234);
    s.writeString("Current", "Folder", "/tmp/банеры");
    Settings other;
    EXPECT_EQ(other.readInt("Frame", "Width", 486), 234);
    EXPECT_EQ(other.readString("Current", "Folder"), "/tmp/банеры");
    EXPECT_TRUE(other.contains("Frame", "Width"));
    other.remove("Frame", "Width");
    EXPECT_EQ(s.readInt("Frame", "Width", 486), 486);
}

TEST(Settings, ColoursKeepAllThirtyTwoBits)
{
    Settings s;
    s.writeInt("Frame", "Color", static_cast<std::int32_t>(0xFFFFFFFFu));
    EXPECT_EQ(static_cast<std::uint32_t>(s.readInt("Frame", "Color", 0)), 0xFFFFFFFFu);
    s.writeInt("Frame", "Color", 0xFFFFFF);
    EXPECT_EQ(s.readInt("Frame", "Color", 0), 0xFFFFFF);
}
