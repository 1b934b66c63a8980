#pragma once
// The welcome dialog "Добро пожаловать в программу": seven choices, the third one only when there
// is a last document to open.
#include <string>

namespace lw {

enum class WelcomeChoice { Blank, Wizard, OpenDialog, LastDocument, Example, Tutorial, Help };
inline constexpr int kWelcomeChoiceCount = 7;

struct WelcomeModel {
    std::string lastDocument; // "Recent File List"/"File1" at start-up
    WelcomeChoice choice = WelcomeChoice::Blank;

    bool enabled(WelcomeChoice c) const { return c != WelcomeChoice::LastDocument || !lastDocument.empty(); }
};

// Button texts, in choice order.
const char* welcomeChoiceText(WelcomeChoice choice);
inline constexpr const char* kWelcomeCaption = "Добро пожаловать в программу";
inline constexpr const char* kWelcomeGroup = "Открывать при запуске...";

} // namespace lw
