#pragma once
// Every message box, number prompt or colour choice that a core operation raises goes through
// UiPort. The editor answers with dialogs; lwtool and the tests answer with scripted answers.
// Questions that belong to one module extend the port there: PictureUiPort in imaging/,
// FilterUiPort in filters/.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lw {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgResult { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Message {
    std::string text;
    std::string caption;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    // The button Enter presses and an unanswered box returns; none means the first one offered.
    std::optional<MsgResult> defaultResult = std::nullopt;
};

// The buttons a box offers, in order.
std::vector<MsgResult> offeredButtons(MsgButtons buttons);

// A question that asks for a whole number in a range (the filter value inputs and the like).
struct NumberQuestion {
    std::string title;
    std::string prompt;
    int value = 0;
    int minimum = 0;
    int maximum = 100;
};

// The colour dialog: a 0xTTRRGGBB colour; without transparency the opacity controls are off.
struct ColourQuestion {
    std::string caption;
    std::uint32_t colour = 0;
    bool allowTransparency = true;
};

class UiPort {
public:
    virtual ~UiPort() = default;
    virtual MsgResult messageBox(const Message& message) = 0;
    // Returns the chosen number, or nothing when the user cancels.
    virtual std::optional<int> askNumber(const NumberQuestion& question) = 0;
    // Nothing when the user cancels.
    virtual std::optional<std::uint32_t> askColour(const ColourQuestion& question) = 0;
};

// The button a message box returns when nobody answers: the first one it offers.
MsgResult defaultButton(MsgButtons buttons);
// The message's own default when the box offers it, else the first button.
MsgResult defaultButton(const Message& message);

} // namespace lw
