#include "app/widgets/colour_dialog.h"

#include "app/editor/colour_wheel.h"
#include "app/widgets/colour_component_field.h"
#include "app/widgets/colour_views.h"
#include "app/widgets/hex_colour_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace lw {

namespace {

constexpr std::array kChannels{ColourChannel::Red, ColourChannel::Green, ColourChannel::Blue};

QSlider* horizontalSlider(QWidget* parent, int maximum)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, maximum);
    slider->setMinimumWidth(160);
    return slider;
}

} // namespace

ColourDialog::ColourDialog(std::uint32_t colour, const QString& caption, bool allowTransparency,
                           QWidget* parent)
    : CheckedDialog(parent, caption), model_(colour, caption.toStdString(), allowTransparency)
{
    askHex = [](QWidget* owner, const QString& digits) -> std::optional<QString> {
        HexColourDialog dialog(digits, owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.digits();
    };

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addLayout(buildPickers());
    body->addLayout(buildControls());
    addContent(body);
    refresh();
}

ColourDialog::~ColourDialog() = default;

// Left: the disk and the strip, the swatch below them.
QLayout* ColourDialog::buildPickers()
{
    disk_ = new PickerView(QSize(kDiskSize, kDiskSize), this);
    disk_->setObjectName(QStringLiteral("disk"));
    disk_->onPick = [this](QPoint p) {
        model_.pickOnDisk(p.x(), p.y());
        refresh();
    };
    strip_ = new PickerView(QSize(kStripWidth, kStripHeight), this);
    strip_->setObjectName(QStringLiteral("strip"));
    strip_->onPick = [this](QPoint p) {
        model_.pickOnStrip(p.y());
        refresh();
    };
    auto* pickers = new QHBoxLayout;
    pickers->setSpacing(24);
    pickers->addWidget(disk_, 0, Qt::AlignTop);
    pickers->addWidget(strip_, 0, Qt::AlignTop);

    // The swatch is as wide as the disk and strip, its two halves named from above.
    swatch_ = new SwatchView(this);
    swatch_->setFixedWidth(kDiskSize + pickers->spacing() + kStripWidth);
    auto* swatchColumn = new QGridLayout;
    swatchColumn->setVerticalSpacing(2);
    swatchColumn->addWidget(new QLabel(tr("Текущий цвет"), this), 0, 0, Qt::AlignHCenter);
    swatchColumn->addWidget(new QLabel(tr("Новый цвет"), this), 0, 1, Qt::AlignHCenter);
    swatchColumn->addWidget(swatch_, 1, 0, 1, 2);
    auto* left = new QVBoxLayout;
    left->addLayout(pickers);
    left->addSpacing(12);
    left->addLayout(swatchColumn);
    left->addStretch();
    return left;
}

// Right: the sliders and fields, the named colours and the hexadecimal button.
QLayout* ColourDialog::buildControls()
{
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    const QString channelLabels[] = {tr("Красный:"), tr("Зелёный:"), tr("Синий:")};
    for (int row = 0; row < 3; ++row) {
        buildChannelRow(row, kChannels[static_cast<std::size_t>(row)]);
        grid->addWidget(new QLabel(channelLabels[row], this), row, 0);
        grid->addWidget(sliders_[static_cast<std::size_t>(row)], row, 1);
        grid->addWidget(fields_[static_cast<std::size_t>(row)], row, 2);
    }
    opacityLabel_ = new QLabel(tr("Прозрачность"), this);
    opacitySlider_ = horizontalSlider(this, 100);
    opacitySlider_->setObjectName(QStringLiteral("opacitySlider"));
    opacityField_ = new ColourComponentField(this);
    opacityField_->setObjectName(QStringLiteral("opacityField"));
    grid->addWidget(opacityLabel_, 3, 0);
    grid->addWidget(opacitySlider_, 3, 1);
    grid->addWidget(opacityField_, 3, 2);
    connect(opacitySlider_, &QSlider::valueChanged, this, [this](int value) {
        if (refreshing_)
            return;
        model_.setOpacity(value);
        refresh();
    });
    opacityField_->onTyped = [this](const QString& text) {
        model_.typeOpacity(text.toStdString());
        refresh(Source::OpacityField);
    };
    opacityField_->onStep = [this](int steps) {
        model_.stepOpacity(steps);
        refresh();
    };
    connect(opacityField_, &QAbstractSpinBox::editingFinished, this, [this] { refresh(); });
    const bool transparency = model_.allowsTransparency();
    opacityLabel_->setEnabled(transparency);
    opacitySlider_->setEnabled(transparency);
    opacityField_->setEnabled(transparency);

    named_ = new QComboBox(this);
    named_->setObjectName(QStringLiteral("named"));
    for (const NamedColour& entry : model_.namedColours())
        named_->addItem(QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
    named_->setCurrentIndex(-1);
    connect(named_, &QComboBox::activated, this, [this](int index) {
        model_.chooseNamed(static_cast<std::size_t>(index));
        refresh();
    });
    auto* namedRow = new QHBoxLayout;
    namedRow->addWidget(new QLabel(tr("Конкретный цвет:"), this));
    namedRow->addWidget(named_, 1);

    hex_ = new QPushButton(this);
    hex_->setObjectName(QStringLiteral("hex"));
    hex_->setMinimumWidth(96);
    connect(hex_, &QPushButton::clicked, this, &ColourDialog::enterHex);
    auto* hexRow = new QHBoxLayout;
    hexRow->addStretch();
    hexRow->addWidget(hex_);

    auto* right = new QVBoxLayout;
    right->addLayout(grid);
    right->addSpacing(12);
    right->addLayout(namedRow);
    right->addSpacing(8);
    right->addLayout(hexRow);
    right->addStretch();
    return right;
}

void ColourDialog::buildChannelRow(int row, ColourChannel channel)
{
    static const char* const names[] = {"red", "green", "blue"};
    QSlider* slider = horizontalSlider(this, 255);
    slider->setObjectName(QStringLiteral("%1Slider").arg(QLatin1String(names[row])));
    auto* field = new ColourComponentField(this);
    field->setObjectName(QStringLiteral("%1Field").arg(QLatin1String(names[row])));
    const Source source = row == 0 ? Source::RedField : row == 1 ? Source::GreenField : Source::BlueField;
    connect(slider, &QSlider::valueChanged, this, [this, channel](int value) {
        if (refreshing_)
            return;
        model_.setComponent(channel, value);
        refresh();
    });
    field->onTyped = [this, channel, source](const QString& text) {
        model_.typeComponent(channel, text.toStdString());
        refresh(source);
    };
    field->onStep = [this, channel](int steps) {
        model_.stepComponent(channel, steps);
        refresh();
    };
    connect(field, &QAbstractSpinBox::editingFinished, this, [this] { refresh(); });
    sliders_[static_cast<std::size_t>(row)] = slider;
    fields_[static_cast<std::size_t>(row)] = field;
}

void ColourDialog::enterHex()
{
    const auto digits = askHex(this, QString::fromStdString(model_.hexDigits()));
    if (digits && model_.enterHex(digits->toStdString()))
        refresh();
}

void ColourDialog::refresh(Source source)
{
    refreshing_ = true;
    const Source fieldSources[] = {Source::RedField, Source::GreenField, Source::BlueField};
    for (std::size_t i = 0; i < kChannels.size(); ++i) {
        const int value = model_.component(kChannels[i]);
        sliders_[i]->setValue(value);
        if (source != fieldSources[i])
            fields_[i]->showValue(value);
    }
    opacitySlider_->setValue(model_.opacity());
    if (source != Source::OpacityField)
        opacityField_->showValue(model_.opacity());
    hex_->setText(QString::fromStdString(model_.hexCaption()));
    // The list names the colour only while it is still the one chosen there.
    const auto names = model_.namedColours();
    const int chosen = named_->currentIndex();
    if (chosen >= 0 && (static_cast<std::size_t>(chosen) >= names.size() ||
                        names[static_cast<std::size_t>(chosen)].value != model_.colour()))
        named_->setCurrentIndex(-1);
    swatch_->setColours(model_.startColour(), model_.colour());

    const Hsv& hsv = model_.hsv();
    if (diskValue_ != hsv.value) { // the disk is redrawn only when the value changes
        diskValue_ = hsv.value;
        diskImage_ = diskImage(hsv.value, palette().color(QPalette::Button).rgb());
    }
    disk_->setImage(diskImage_, diskMarker(hsv.hue, hsv.saturation));
    strip_->setImage(stripImage(hsv.hue, hsv.saturation), stripMarker(hsv.value));
    refreshing_ = false;
}

std::optional<std::uint32_t> ColourDialog::ask(QWidget* parent, std::uint32_t colour, const QString& caption,
                                               bool allowTransparency)
{
    ColourDialog dialog(colour, caption, allowTransparency, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.colour();
}

std::optional<std::uint32_t> ColourDialog::ask(QWidget* parent, const ColourQuestion& question)
{
    return ask(parent, question.colour, QString::fromStdString(question.caption), question.allowTransparency);
}

} // namespace lw
