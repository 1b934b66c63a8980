#pragma once
// Every message box, question or choice that a core operation raises goes through UiPort.
// The editor answers with dialogs; lwtool and the tests answer with a ScriptedUiPort.
// Later modules add typed questions here as small request/answer records.
#include "platform/filter_questions.h"

#include <cstdint>
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

// "Metafile Raster": the size a metafile is rendered at. Width and height (1 … 1200) are linked
// by the ratio width / height taken when the dialog opens; "Запомнить для всех" starts checked and
// renders at twice the size.
struct MetafileRasterQuestion {
    int width = 0;
    int height = 0;
    bool rememberForAll = true;
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 1200;
    double ratio() const { return height != 0 ? static_cast<double>(width) / height : 1.0; }
    // What the dialog puts in the other field when one is typed (truncated).
    static int heightForWidth(int width, double ratio)
    {
        return ratio != 0 ? static_cast<int>(width / ratio) : width;
    }
    static int widthForHeight(int height, double ratio) { return static_cast<int>(height * ratio); }
};
struct MetafileRasterAnswer {
    int width = 0;
    int height = 0;
    bool rememberForAll = true;
};

// "Импортирование GIF-файла": how the frames of an animated GIF become document frames.
enum class GifImportMode { Full, Optimised };
struct GifImportQuestion {
    int frameCount = 0;
    long long sizeEstimate = 0;
};
struct GifImportAnswer {
    bool allFrames = true;                    // "Все кадры файла"
    GifImportMode mode = GifImportMode::Full; // "В полном объёме" / "Оптимизировать"
};

// "Настройки сохранения GIF файла": the colour count of the picture and whether it is an
// animation; the answer is the colour count to build the palette with, and for animations the
// transparent colour or frame optimisation.
struct GifSaveQuestion {
    int colourCount = 0;
    bool animated = false;
    std::uint32_t transparentColour = 0; // 0x00BBGGRR, the first frame's background
    // The count the dialog starts with: the whole palette below 256 colours, otherwise the
    // largest of 256, 128 … 4 that is below the count.
    int initialColourCount() const;
};
struct GifSaveAnswer {
    int colourCount = 0;
    bool optimise = true;
    bool transparent = false;
    std::uint32_t transparentColour = 0;
};

class UiPort {
public:
    virtual ~UiPort() = default;
    virtual MsgResult messageBox(const Message& message) = 0;
    // Returns the chosen number, or nothing when the user cancels.
    virtual std::optional<int> askNumber(const NumberQuestion& question) = 0;
    // Nothing when the user cancels.
    virtual std::optional<MetafileRasterAnswer> askMetafileRaster(const MetafileRasterQuestion& question) = 0;
    virtual std::optional<GifImportAnswer> askGifImport(const GifImportQuestion& question) = 0;
    // The layer filters' dialogs; nothing when the user cancels.
    virtual std::optional<std::vector<int>> askFilterValues(const FilterValuesQuestion& question) = 0;
    virtual std::optional<FilterSettingsAnswer> askFilterSettings(const FilterSettingsQuestion& question) = 0;
    virtual std::optional<ShadowAnswer> askShadow(const ShadowQuestion& question) = 0;
    virtual std::optional<std::uint32_t> askColour(const ColourQuestion& question) = 0;
    virtual std::optional<FrameBorderAnswer> askFrameBorder(const FrameBorderQuestion& question) = 0;
    virtual std::optional<RotationAnswer> askRotation(const RotationQuestion& question) = 0;
    virtual std::optional<GifSaveAnswer> askGifSave(const GifSaveQuestion& question) = 0;
};

// The button a message box returns when nobody answers: the first one it offers.
MsgResult defaultButton(MsgButtons buttons);
// The message's own default when the box offers it, else the first button.
MsgResult defaultButton(const Message& message);

// Scripted answers for tests and lwtool: records every message and question; answers come from
// queues, and when a queue is empty the default (first button, or the preset value) is taken.
class ScriptedUiPort : public UiPort {
public:
    MsgResult messageBox(const Message& message) override;
    std::optional<int> askNumber(const NumberQuestion& question) override;
    std::optional<MetafileRasterAnswer> askMetafileRaster(const MetafileRasterQuestion& question) override;
    std::optional<GifImportAnswer> askGifImport(const GifImportQuestion& question) override;
    std::optional<std::vector<int>> askFilterValues(const FilterValuesQuestion& question) override;
    std::optional<FilterSettingsAnswer> askFilterSettings(const FilterSettingsQuestion& question) override;
    std::optional<ShadowAnswer> askShadow(const ShadowQuestion& question) override;
    std::optional<std::uint32_t> askColour(const ColourQuestion& question) override;
    std::optional<FrameBorderAnswer> askFrameBorder(const FrameBorderQuestion& question) override;
    std::optional<RotationAnswer> askRotation(const RotationQuestion& question) override;
    std::optional<GifSaveAnswer> askGifSave(const GifSaveQuestion& question) override;

    void queueButton(MsgResult result) { buttons_.push_back(result); }
    void queueNumber(std::optional<int> value) { numbers_.push_back(value); }
    void queueMetafileRaster(std::optional<MetafileRasterAnswer> answer)
    {
        metafileAnswers_.push_back(answer);
    }
    void queueGifImport(std::optional<GifImportAnswer> answer) { gifImportAnswers_.push_back(answer); }
    void queueFilterValues(std::optional<std::vector<int>> values)
    {
        filterValues_.push_back(std::move(values));
    }
    void queueFilterSettings(std::optional<FilterSettingsAnswer> answer)
    {
        filterSettings_.push_back(answer);
    }
    void queueShadow(std::optional<ShadowAnswer> answer) { shadows_.push_back(answer); }
    void queueColour(std::optional<std::uint32_t> colour) { colours_.push_back(colour); }
    void queueFrameBorder(std::optional<FrameBorderAnswer> answer) { frameBorders_.push_back(answer); }
    void queueRotation(std::optional<RotationAnswer> answer) { rotations_.push_back(answer); }
    void queueGifSave(std::optional<GifSaveAnswer> answer) { gifSaveAnswers_.push_back(answer); }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<NumberQuestion>& numberQuestions() const { return numberQuestions_; }
    const std::vector<MetafileRasterQuestion>& metafileRasterQuestions() const { return metafileQuestions_; }
    const std::vector<GifImportQuestion>& gifImportQuestions() const { return gifImportQuestions_; }
    const std::vector<FilterValuesQuestion>& filterValuesQuestions() const { return filterValuesQuestions_; }
    const std::vector<FilterSettingsQuestion>& filterSettingsQuestions() const
    {
        return filterSettingsQuestions_;
    }
    const std::vector<ShadowQuestion>& shadowQuestions() const { return shadowQuestions_; }
    const std::vector<ColourQuestion>& colourQuestions() const { return colourQuestions_; }
    const std::vector<FrameBorderQuestion>& frameBorderQuestions() const { return frameBorderQuestions_; }
    const std::vector<RotationQuestion>& rotationQuestions() const { return rotationQuestions_; }
    const std::vector<GifSaveQuestion>& gifSaveQuestions() const { return gifSaveQuestions_; }
    void clear()
    {
        messages_.clear(), numberQuestions_.clear(), metafileQuestions_.clear(), gifImportQuestions_.clear();
        filterValuesQuestions_.clear(), filterSettingsQuestions_.clear(), shadowQuestions_.clear();
        colourQuestions_.clear(), frameBorderQuestions_.clear(), rotationQuestions_.clear();
        gifSaveQuestions_.clear();
    }

private:
    std::deque<MsgResult> buttons_;
    std::deque<std::optional<int>> numbers_;
    std::vector<Message> messages_;
    std::vector<NumberQuestion> numberQuestions_;
    std::deque<std::optional<MetafileRasterAnswer>> metafileAnswers_;
    std::vector<MetafileRasterQuestion> metafileQuestions_;
    std::deque<std::optional<GifImportAnswer>> gifImportAnswers_;
    std::vector<GifImportQuestion> gifImportQuestions_;
    std::deque<std::optional<std::vector<int>>> filterValues_;
    std::vector<FilterValuesQuestion> filterValuesQuestions_;
    std::deque<std::optional<FilterSettingsAnswer>> filterSettings_;
    std::vector<FilterSettingsQuestion> filterSettingsQuestions_;
    std::deque<std::optional<ShadowAnswer>> shadows_;
    std::vector<ShadowQuestion> shadowQuestions_;
    std::deque<std::optional<std::uint32_t>> colours_;
    std::vector<ColourQuestion> colourQuestions_;
    std::deque<std::optional<FrameBorderAnswer>> frameBorders_;
    std::vector<FrameBorderQuestion> frameBorderQuestions_;
    std::deque<std::optional<RotationAnswer>> rotations_;
    std::vector<RotationQuestion> rotationQuestions_;
    std::deque<std::optional<GifSaveAnswer>> gifSaveAnswers_;
    std::vector<GifSaveQuestion> gifSaveQuestions_;
};

} // namespace lw
