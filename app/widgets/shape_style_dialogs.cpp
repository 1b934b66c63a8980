#include "app/widgets/shape_style_dialogs.h"

#include "app/editor/shape_style_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lw {

namespace {

QDialogButtonBox* okCancel(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("CheckedDialog", "Отмена"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QComboBox* comboOf(const std::vector<std::string>& items, int current, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    for (const std::string& item : items)
        combo->addItem(QString::fromStdString(item));
    combo->setCurrentIndex(std::clamp(current, 0, combo->count() - 1));
    return combo;
}

} // namespace

RectangleStyleDialog::RectangleStyleDialog(const RectangleStyle& start, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Стиль прямоугольника"));
    style_ = comboOf(rectangleStyleNames(), start.style, this);
    line_ = comboOf(lineWidthNames(), start.lineWidth, this);
    gap_ = comboOf(gapWidthNames(), start.gapWidth - 1, this);
    auto* form = new QFormLayout;
    form->addRow(tr("Стиль:"), style_);
    form->addRow(tr("Линия:"), line_);
    form->addRow(tr("Промежуток:"), gap_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(okCancel(this));
}

RectangleStyle RectangleStyleDialog::style() const
{
    return {style_->currentIndex(), line_->currentIndex(), gap_->currentIndex() + 1};
}

std::optional<RectangleStyle> RectangleStyleDialog::ask(QWidget* parent, const RectangleStyle& start)
{
    RectangleStyleDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.style();
}

EllipseStyleDialog::EllipseStyleDialog(int start, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Стили эллипса"));
    list_ = new QListWidget(this);
    for (const std::string& name : ellipseStyleNames())
        list_->addItem(QString::fromStdString(name));
    list_->setCurrentRow(std::clamp(start, 0, list_->count() - 1));
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(okCancel(this));
}

int EllipseStyleDialog::style() const
{
    return list_->currentRow();
}

std::optional<int> EllipseStyleDialog::ask(QWidget* parent, int start)
{
    EllipseStyleDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.style();
}

GradientDialog::GradientDialog(const GradientSettings& start, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Настройки градиента"));
    auto* group = new QGroupBox(tr("Направление"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const auto names = gradientDirectionNames();
    for (int i = 0; i < 3; ++i) {
        directions_[i] = new QRadioButton(QString::fromStdString(names[static_cast<std::size_t>(i)]), group);
        groupLayout->addWidget(directions_[i]);
    }
    directions_[std::clamp(static_cast<int>(start.direction), 0, 2)]->setChecked(true);
    toTransparent_ = new QCheckBox(tr("В прозрачность"), this);
    toTransparent_->setChecked(start.toTransparent);
    elliptical_ = new QCheckBox(tr("Эллиптический"), this);
    elliptical_->setChecked(start.elliptical);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(toTransparent_);
    layout->addWidget(elliptical_);
    layout->addWidget(okCancel(this));
}

GradientSettings GradientDialog::settings() const
{
    GradientSettings s;
    for (int i = 0; i < 3; ++i)
        if (directions_[i]->isChecked())
            s.direction = static_cast<GradientDirection>(i);
    s.toTransparent = toTransparent_->isChecked();
    s.elliptical = elliptical_->isChecked();
    return s;
}

std::optional<GradientSettings> GradientDialog::ask(QWidget* parent, const GradientSettings& start)
{
    GradientDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

} // namespace lw
