#pragma once
// Dialog 159, the editor's colour chooser: red, green, blue and opacity sliders with their fields,
// the hue/saturation disk with its value strip, the named colours, the "#RRGGBB" button and the
// old and new colour side by side. A thin binding over ColourDialogModel.
#include "app/editor/colour_dialog_model.h"
#include "app/widgets/checked_dialog.h"
#include "platform/ui_port.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QLayout;
class QLabel;
class QPushButton;
class QSlider;

namespace lw {

class ColourComponentField;
class PickerView;
class SwatchView;

class ColourDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(ColourDialog)
public:
    ColourDialog(std::uint32_t colour, const QString& caption, bool allowTransparency,
                 QWidget* parent = nullptr);
    ~ColourDialog() override;

    const ColourDialogModel& model() const { return model_; }
    std::uint32_t colour() const { return model_.colour(); }

    // Asks for the hexadecimal digits (dialog 232 unless replaced); nothing on Cancel.
    std::function<std::optional<QString>(QWidget* parent, const QString& digits)> askHex;

    static std::optional<std::uint32_t> ask(QWidget* parent, std::uint32_t colour, const QString& caption,
                                            bool allowTransparency);
    // The core's colour question: its caption, start colour and whether transparency is offered.
    static std::optional<std::uint32_t> ask(QWidget* parent, const ColourQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override { return std::nullopt; }

private:
    enum class Source { None, RedField, GreenField, BlueField, OpacityField };

    QLayout* buildPickers();
    QLayout* buildControls();
    void buildChannelRow(int row, ColourChannel channel);
    void enterHex();
    // Brings every control up to the model, leaving alone the field being typed into.
    void refresh(Source source = Source::None);

    ColourDialogModel model_;
    std::array<QSlider*, 3> sliders_{};
    std::array<ColourComponentField*, 3> fields_{};
    QSlider* opacitySlider_ = nullptr;
    ColourComponentField* opacityField_ = nullptr;
    QLabel* opacityLabel_ = nullptr;
    PickerView* disk_ = nullptr;
    PickerView* strip_ = nullptr;
    SwatchView* swatch_ = nullptr;
    QComboBox* named_ = nullptr;
    QPushButton* hex_ = nullptr;
    bool refreshing_ = false;
    std::optional<int> diskValue_;
    QImage diskImage_;
};

} // namespace lw
