#pragma once
// "Мастер оптимизации " without widgets: the colour choice of its second page (the GIF settings
// dialog's rules, with the reduction preselected only beyond 256 colours), the size report of
// the third, and the file name of the last, which alone enables Finish.
#include "app/editor/editor_questions.h"
#include "app/editor/gif_save_model.h"

#include <QString>
#include <cstdint>
#include <string>

namespace lw {

class OptimisationWizardModel {
public:
    OptimisationWizardModel(int colourCount, std::int32_t sourceFileSize, std::string defaultName);

    GifSaveModel& colours() { return colours_; }
    const GifSaveModel& colours() const { return colours_; }
    // The count the palette is built with: the combo value when reducing, else the colour count.
    int paletteCount() const { return colours_.paletteCount(); }

    // The third page's text for a result of newSize bytes against the GIF the document came from.
    QString sizeReport(std::int64_t newSize) const;

    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }
    bool finishEnabled() const { return !fileName_.empty(); }
    // "Обзор...": the save dialog started from the current name.
    FileQuestion browseQuestion() const;

private:
    GifSaveModel colours_;
    std::int32_t sourceFileSize_;
    std::string fileName_;
};

} // namespace lw
