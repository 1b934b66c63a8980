#include "app/widgets/gif_save_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {

GifSaveDialog::GifSaveDialog(const GifSaveQuestion& question, GifSaveTools tools, QWidget* parent)
    : CheckedDialog(parent, tr("Настройки сохранения GIF файла")), model_(question), tools_(std::move(tools))
{
    const GifSaveChoices& choices = model_.choices();
    auto* palette = new QGroupBox(this);
    auto* grid = new QGridLayout(palette);
    full_ = new QRadioButton(QString::fromStdString(choices.fullPaletteLabel), palette);
    full_->setObjectName(QStringLiteral("fullPalette"));
    reduce_ = new QRadioButton(tr("Ужать до:"), palette);
    reduce_->setObjectName(QStringLiteral("reduce"));
    counts_ = new QComboBox(palette);
    counts_->setObjectName(QStringLiteral("counts"));
    for (int count : choices.reduceCounts)
        counts_->addItem(QString::number(count), count);
    coloursLabel_ = new QLabel(tr("цветов"), palette);
    grid->addWidget(full_, 0, 0, 1, 3);
    grid->addWidget(reduce_, 1, 0);
    grid->addWidget(counts_, 1, 1);
    grid->addWidget(coloursLabel_, 1, 2);
    grid->setColumnStretch(3, 1);
    full_->setEnabled(choices.fullPaletteEnabled);
    reduce_->setEnabled(choices.reduceEnabled);
    coloursLabel_->setEnabled(choices.reduceEnabled);
    (model_.reduce() ? reduce_ : full_)->setChecked(true);

    optimise_ = new QCheckBox(tr("Оптимизация кадра (рекомендуется)"), this);
    optimise_->setObjectName(QStringLiteral("optimise"));
    optimise_->setChecked(model_.optimise());
    optimise_->setEnabled(choices.optimiseEnabled);

    transparent_ = new QCheckBox(tr("Прозрачный"), this);
    transparent_->setObjectName(QStringLiteral("transparent"));
    transparent_->setChecked(model_.transparent());
    pick_ = new QPushButton(tr("Выбор цвета..."), this);
    pick_->setObjectName(QStringLiteral("pickColour"));
    swatch_ = new QLabel(this);
    swatch_->setObjectName(QStringLiteral("swatch"));
    swatch_->setFixedSize(36, 18);
    swatch_->setFrameShape(QFrame::Box);
    auto* transparency = new QHBoxLayout;
    transparency->addWidget(transparent_);
    transparency->addWidget(pick_);
    transparency->addSpacing(8);
    transparency->addWidget(new QLabel(tr("Цвет фона:"), this));
    transparency->addWidget(swatch_);
    transparency->addStretch(1);

    preview_ = new QPushButton(tr("Просмотр"), this);
    preview_->setObjectName(QStringLiteral("preview"));
    report_ = new QLabel(this);
    report_->setObjectName(QStringLiteral("report"));
    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(preview_);
    previewRow->addWidget(report_, 1);
    preview_->setVisible(model_.previewEnabled());

    auto* column = new QVBoxLayout;
    column->addWidget(palette);
    column->addWidget(optimise_);
    column->addLayout(transparency);
    column->addLayout(previewRow);
    addContent(column);

    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(full_), static_cast<QAbstractButton*>(reduce_),
          static_cast<QAbstractButton*>(optimise_), static_cast<QAbstractButton*>(transparent_)})
        connect(button, &QAbstractButton::toggled, this, &GifSaveDialog::follow);
    connect(counts_, &QComboBox::currentIndexChanged, this, &GifSaveDialog::follow);
    connect(preview_, &QPushButton::clicked, this, [this] {
        readControls();
        if (tools_.preview)
            report_->setText(tools_.preview(model_.accept()));
    });
    connect(pick_, &QPushButton::clicked, this, [this] {
        if (!tools_.pickColour)
            return;
        readControls();
        if (const auto colour = tools_.pickColour(model_.accept())) {
            model_.setTransparentColour(*colour);
            showSwatch();
        }
    });
    follow();
    showSwatch();
}

void GifSaveDialog::readControls()
{
    model_.setReduce(reduce_->isChecked());
    if (counts_->currentIndex() >= 0)
        model_.setReduceCount(counts_->currentData().toInt());
    model_.setOptimise(optimise_->isChecked());
    model_.setTransparent(transparent_->isChecked());
}

void GifSaveDialog::follow()
{
    readControls();
    counts_->setEnabled(model_.comboEnabled());
    pick_->setEnabled(model_.pickColourEnabled() && tools_.pickColour);
    preview_->setEnabled(model_.previewEnabled() && tools_.preview);
}

void GifSaveDialog::showSwatch()
{
    const std::uint32_t c = model_.transparentColour(); // 0x00BBGGRR
    const QColor colour(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                        static_cast<int>(c >> 16 & 0xFF));
    swatch_->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid black;").arg(colour.name()));
}

std::optional<FieldRefusal> GifSaveDialog::commit()
{
    readControls();
    answer_ = model_.accept();
    return std::nullopt;
}

std::optional<GifSaveAnswer> GifSaveDialog::ask(QWidget* parent, const GifSaveQuestion& question,
                                                GifSaveTools tools)
{
    GifSaveDialog dialog(question, std::move(tools), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
