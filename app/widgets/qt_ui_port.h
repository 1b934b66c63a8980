#pragma once
// The core's prompts as Qt dialogs: message boxes with the message's icon and buttons (the
// application title as caption when the message names none), and each typed question its dialog.
#include "app/widgets/gif_save_dialog.h"
#include "filters/filter_questions.h"
#include "platform/application_names.h"

#include <functional>

class QWidget;

namespace lw {

class QtUiPort : public FilterUiPort {
public:
    // `parent` owns the boxes (may be null); `beforeModal` runs before each box shows (the splash
    // closes so that it never covers one).
    explicit QtUiPort(std::function<QWidget*()> parent = {}, std::function<void()> beforeModal = {});

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

    // What the GIF save dialog offers beyond the settings (preview, colour picking): asked for
    // each time the dialog opens, so the editor can hand in its active document's tools.
    void setGifSaveTools(std::function<GifSaveTools()> tools) { gifSaveTools_ = std::move(tools); }

private:
    // The owner of the next box, once the splash is out of the way.
    QWidget* owner();

    std::function<QWidget*()> parent_;
    std::function<void()> beforeModal_;
    std::function<GifSaveTools()> gifSaveTools_;
};

} // namespace lw
