#pragma once
// Every message box, question or choice that a core operation raises goes through UiPort.
// The editor answers with dialogs; lwtool and the tests answer with a ScriptedUiPort.
// Later modules add typed questions here as small request/answer records.
#include <deque>
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
};

// A question that asks for a whole number in a range (the filter value inputs and the like).
struct NumberQuestion {
    std::string title;
    std::string prompt;
    int value = 0;
    int minimum = 0;
    int maximum = 100;
};

class UiPort {
public:
    virtual ~UiPort() = default;
    virtual MsgResult messageBox(const Message& message) = 0;
    // Returns the chosen number, or nothing when the user cancels.
    virtual std::optional<int> askNumber(const NumberQuestion& question) = 0;
};

// The button a message box returns when nobody answers: the first one it offers.
MsgResult defaultButton(MsgButtons buttons);

// Scripted answers for tests and lwtool: records every message and question; answers come from
// queues, and when a queue is empty the default (first button, or the preset value) is taken.
class ScriptedUiPort : public UiPort {
public:
    MsgResult messageBox(const Message& message) override;
    std::optional<int> askNumber(const NumberQuestion& question) override;

    void queueButton(MsgResult result) { buttons_.push_back(result); }
    void queueNumber(std::optional<int> value) { numbers_.push_back(value); }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<NumberQuestion>& numberQuestions() const { return numberQuestions_; }
    void clear() { messages_.clear(), numberQuestions_.clear(); }

private:
    std::deque<MsgResult> buttons_;
    std::deque<std::optional<int>> numbers_;
    std::vector<Message> messages_;
    std::vector<NumberQuestion> numberQuestions_;
};

} // namespace lw
