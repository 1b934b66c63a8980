#include "filters/scripted_ui_port.h"

namespace lw {

namespace {

// Records the question and takes the next queued answer, else the dialog's default.
template <typename Answer, typename Question>
std::optional<Answer> scripted(std::deque<std::optional<Answer>>& answers, std::vector<Question>& asked,
                               const Question& question, Answer byDefault)
{
    asked.push_back(question);
    if (answers.empty())
        return byDefault;
    if (!answers.front()) {
        answers.pop_front();
        return std::nullopt;
    }
    Answer answer = *answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

MsgResult ScriptedUiPort::messageBox(const Message& message)
{
    messages_.push_back(message);
    if (buttons_.empty())
        return defaultButton(message);
    const MsgResult result = buttons_.front();
    buttons_.pop_front();
    return result;
}

std::optional<int> ScriptedUiPort::askNumber(const NumberQuestion& question)
{
    return scripted(numbers_, numberQuestions_, question, question.value);
}

std::optional<MetafileRasterAnswer> ScriptedUiPort::askMetafileRaster(const MetafileRasterQuestion& question)
{
    return scripted(metafileAnswers_, metafileQuestions_, question,
                    MetafileRasterAnswer{question.width, question.height, question.rememberForAll});
}

std::optional<GifImportAnswer> ScriptedUiPort::askGifImport(const GifImportQuestion& question)
{
    return scripted(gifImportAnswers_, gifImportQuestions_, question, GifImportAnswer{});
}

std::optional<std::vector<int>> ScriptedUiPort::askFilterValues(const FilterValuesQuestion& question)
{
    std::vector<int> values;
    for (const ValueField& field : question.fields)
        values.push_back(field.value);
    return scripted(filterValues_, filterValuesQuestions_, question, values);
}

std::optional<FilterSettingsAnswer> ScriptedUiPort::askFilterSettings(const FilterSettingsQuestion& question)
{
    return scripted(filterSettings_, filterSettingsQuestions_, question,
                    FilterSettingsAnswer{question.choice, question.reverse});
}

std::optional<ShadowAnswer> ScriptedUiPort::askShadow(const ShadowQuestion& question)
{
    return scripted(
        shadows_, shadowQuestions_, question,
        ShadowAnswer{question.distance, question.intensity, question.radius, question.useBackgroundColour});
}

std::optional<std::uint32_t> ScriptedUiPort::askColour(const ColourQuestion& question)
{
    return scripted(colours_, colourQuestions_, question, question.colour);
}

std::optional<FrameBorderAnswer> ScriptedUiPort::askFrameBorder(const FrameBorderQuestion& question)
{
    return scripted(frameBorders_, frameBorderQuestions_, question,
                    FrameBorderAnswer{question.width, question.colour});
}

std::optional<RotationAnswer> ScriptedUiPort::askRotation(const RotationQuestion& question)
{
    return scripted(rotations_, rotationQuestions_, question,
                    RotationAnswer{question.degrees, question.counterClockwise, question.smooth});
}

std::optional<GifSaveAnswer> ScriptedUiPort::askGifSave(const GifSaveQuestion& question)
{
    return scripted(
        gifSaveAnswers_, gifSaveQuestions_, question,
        GifSaveAnswer{question.initialColourCount(), question.animated, false, question.transparentColour});
}

} // namespace lw
