#pragma once
// "Настройки сохранения GIF файла" over GifSaveModel. The document's own work (building the
// result for "Просмотр", the colour picking of "Выбор цвета...") comes in as GifSaveTools, so
// the dialog also serves a single picture, where neither is offered.
#include "app/editor/gif_save_model.h"
#include "app/widgets/checked_dialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lw {

struct GifSaveTools {
    // Builds the stream with these settings, plays it, and returns the size report.
    std::function<QString(const GifSaveAnswer&)> preview;
    // Shows the picture built with these settings (never optimised) for picking; the picked
    // colour (0x00BBGGRR), nothing when cancelled. The answer carries the current colour.
    std::function<std::optional<std::uint32_t>(const GifSaveAnswer&)> pickColour;
};

class GifSaveDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(GifSaveDialog)
public:
    GifSaveDialog(const GifSaveQuestion& question, GifSaveTools tools, QWidget* parent = nullptr);

    std::optional<GifSaveAnswer> answer() const { return answer_; }
    const GifSaveModel& model() const { return model_; }
    static std::optional<GifSaveAnswer> ask(QWidget* parent, const GifSaveQuestion& question,
                                            GifSaveTools tools);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    void readControls();
    void follow();
    void showSwatch();

    GifSaveModel model_;
    GifSaveTools tools_;
    QRadioButton* full_ = nullptr;
    QRadioButton* reduce_ = nullptr;
    QComboBox* counts_ = nullptr;
    QLabel* coloursLabel_ = nullptr;
    QCheckBox* optimise_ = nullptr;
    QCheckBox* transparent_ = nullptr;
    QPushButton* pick_ = nullptr;
    QLabel* swatch_ = nullptr;
    QPushButton* preview_ = nullptr;
    QLabel* report_ = nullptr;
    std::optional<GifSaveAnswer> answer_;
};

} // namespace lw
