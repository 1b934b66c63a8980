#pragma once
// The scripted twin of the editor's dialogs: one port that answers every question of the core.
#include "filters/filter_questions.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace lw {

// Scripted answers for tests and lwtool: records every message and question; answers come from
// queues, and when a queue is empty the default (first button, or the preset value) is taken.
class ScriptedUiPort : public FilterUiPort {
public:
    MsgResult messageBox(const Message& message) override;
    std::optional<int> askNumber(const NumberQuestion& question) override;
    std::optional<std::uint32_t> askColour(const ColourQuestion& question) override;
    std::optional<MetafileRasterAnswer> askMetafileRaster(const MetafileRasterQuestion& question) override;
    std::optional<GifImportAnswer> askGifImport(const GifImportQuestion& question) override;
    std::optional<GifSaveAnswer> askGifSave(const GifSaveQuestion& question) override;
    std::optional<std::vector<int>> askFilterValues(const FilterValuesQuestion& question) override;
    std::optional<FilterSettingsAnswer> askFilterSettings(const FilterSettingsQuestion& question) override;
    std::optional<ShadowAnswer> askShadow(const ShadowQuestion& question) override;
    std::optional<FrameBorderAnswer> askFrameBorder(const FrameBorderQuestion& question) override;
    std::optional<RotationAnswer> askRotation(const RotationQuestion& question) override;

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
