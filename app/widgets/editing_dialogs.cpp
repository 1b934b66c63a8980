#include "app/widgets/editing_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/canvas_presets.h"

namespace lw {

namespace {

// Takes the model's answer, or hands its refusal to the dialog.
template <class Answer, class Result>
std::optional<FieldRefusal> take(const Result& result, std::optional<Answer>& answer)
{
    if (const auto* refusal = std::get_if<FieldRefusal>(&result))
        return *refusal;
    answer = std::get<Answer>(result);
    return std::nullopt;
}

QLineEdit* namedEdit(QWidget* parent, const QString& text, const char* name, int characters = 6)
{
    QLineEdit* edit = numberEdit(parent, text, characters);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

// Radio buttons in a box, ids 0 … n−1, the one of `checked` set.
QGroupBox* radioBox(QWidget* parent, const QString& title, const QStringList& texts, int checked,
                    QButtonGroup** group)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    *group = new QButtonGroup(box);
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], box);
        (*group)->addButton(button, i);
        layout->addWidget(button);
        button->setChecked(i == checked);
    }
    return box;
}

} // namespace

MasterFramesDialog::MasterFramesDialog(QWidget* parent) : CheckedDialog(parent, tr("Мастер кадров"))
{
    auto* form = new QFormLayout;
    auto* prompt = new QLabel(tr("Сколько Вы хотите добавить пустых кадров в этот Мастер?"), this);
    prompt->setWordWrap(true);
    form->addRow(prompt);
    count_ = namedEdit(this, model_.count, "count");
    seconds_ = namedEdit(this, model_.seconds, "seconds");
    form->addRow(tr("Кадров:"), count_);
    form->addRow(tr("Задержка:"), seconds_);
    addContent(form);
    setFields({count_, seconds_});
    count_->selectAll();
}

std::optional<FieldRefusal> MasterFramesDialog::commit()
{
    model_.count = count_->text();
    model_.seconds = seconds_->text();
    return take(model_.accept(), answer_);
}

FrameDelayDialog::FrameDelayDialog(int delayHundredths, QWidget* parent)
    : CheckedDialog(parent, tr("Задержка кадра")), model_(delayHundredths)
{
    auto* form = new QFormLayout;
    seconds_ = namedEdit(this, model_.seconds, "seconds");
    auto* row = new QHBoxLayout;
    row->addWidget(seconds_);
    row->addWidget(new QLabel(tr("сек"), this));
    row->addStretch();
    form->addRow(tr("Задержка:"), row);
    all_ = new QCheckBox(tr("Применить для всех кадров"), this);
    all_->setObjectName(QStringLiteral("allFrames"));
    form->addRow(all_);
    addContent(form);
    setFields({seconds_});
    seconds_->selectAll();
}

std::optional<FieldRefusal> FrameDelayDialog::commit()
{
    model_.seconds = seconds_->text();
    model_.allFrames = all_->isChecked();
    return take(model_.accept(), answer_);
}

LoopCountDialog::LoopCountDialog(int loopCount, QWidget* parent)
    : CheckedDialog(parent, tr("Повторы")), model_(loopCount)
{
    auto* grid = new QGridLayout;
    forever_ = new QRadioButton(tr("Постоянно"), this);
    forever_->setObjectName(QStringLiteral("forever"));
    auto* times = new QRadioButton(tr("Время"), this);
    times->setObjectName(QStringLiteral("times"));
    count_ = namedEdit(this, model_.count, "count");
    grid->addWidget(forever_, 0, 0);
    grid->addWidget(times, 1, 0);
    grid->addWidget(count_, 1, 1);
    (model_.forever ? forever_ : times)->setChecked(true);
    count_->setEnabled(!model_.forever);
    connect(times, &QRadioButton::toggled, count_, &QLineEdit::setEnabled);
    addContent(grid);
    setFields({count_});
}

std::optional<FieldRefusal> LoopCountDialog::commit()
{
    model_.forever = forever_->isChecked();
    model_.count = count_->text();
    return take(model_.accept(), answer_);
}

CanvasSettingsDialog::CanvasSettingsDialog(CanvasSize size, QWidget* parent)
    : CheckedDialog(parent, tr("Установки кадра")), model_(size.width, size.height)
{
    auto* form = new QFormLayout;
    width_ = namedEdit(this, model_.width, "width");
    height_ = namedEdit(this, model_.height, "height");
    auto* presets = new QComboBox(this);
    presets->setObjectName(QStringLiteral("presets"));
    for (const CanvasPreset& preset : kCanvasPresets)
        presets->addItem(tr(preset.label));
    form->addRow(tr("Ширина:"), width_);
    form->addRow(tr("Высота:"), height_);
    form->addRow(tr("Размер кадра"), presets);
    connect(presets, &QComboBox::activated, this, [this](int index) {
        model_.width = width_->text();
        model_.height = height_->text();
        model_.choosePreset(index);
        width_->setText(model_.width);
        height_->setText(model_.height);
    });
    addContent(form);
    setFields({width_, height_});
    width_->selectAll();
}

std::optional<FieldRefusal> CanvasSettingsDialog::commit()
{
    model_.width = width_->text();
    model_.height = height_->text();
    return take(model_.accept(), answer_);
}

EdgeAmountsDialog::EdgeAmountsDialog(CanvasSize size, QWidget* parent)
    : CheckedDialog(parent, tr("Размер холста")), model_(size.width, size.height)
{
    auto* grid = new QGridLayout;
    const char* names[4] = {"left", "top", "right", "bottom"};
    const QString labels[4] = {tr("Слева:"), tr("Сверху:"), tr("Справа:"), tr("Снизу:")};
    for (int i = 0; i < 4; ++i) {
        fields_[i] = namedEdit(this, QStringLiteral("0"), names[i]);
        grid->addWidget(new QLabel(labels[i], this), i / 2, (i % 2) * 2);
        grid->addWidget(fields_[i], i / 2, (i % 2) * 2 + 1);
        connect(fields_[i], &QLineEdit::textChanged, this, [this] {
            readFields();
            size_->setText(model_.sizeLabel());
        });
    }
    size_ = new QLabel(model_.sizeLabel(), this);
    size_->setObjectName(QStringLiteral("size"));
    grid->addWidget(size_, 2, 0, 1, 4);
    addContent(grid);
    setFields({fields_[0], fields_[1], fields_[2], fields_[3]});
}

QString EdgeAmountsDialog::sizeText() const
{
    return size_->text();
}

void EdgeAmountsDialog::readFields()
{
    model_.left = fields_[0]->text();
    model_.top = fields_[1]->text();
    model_.right = fields_[2]->text();
    model_.bottom = fields_[3]->text();
}

std::optional<FieldRefusal> EdgeAmountsDialog::commit()
{
    readFields();
    return take(model_.accept(), answer_);
}

ImageSizeDialog::ImageSizeDialog(CanvasSize size, QWidget* parent)
    : CheckedDialog(parent, tr("Размер рисунка")), model_(size.width, size.height)
{
    auto* form = new QFormLayout;
    width_ = namedEdit(this, model_.width, "width");
    height_ = namedEdit(this, model_.height, "height");
    keep_ = new QCheckBox(tr("Сохранять пропорции"), this);
    keep_->setObjectName(QStringLiteral("keepProportions"));
    keep_->setChecked(model_.keepProportions);
    form->addRow(tr("Ширина:"), width_);
    form->addRow(tr("Высота:"), height_);
    form->addRow(keep_);
    connect(keep_, &QCheckBox::toggled, this, [this](bool on) { model_.keepProportions = on; });
    connect(width_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.typeWidth(text);
        height_->setText(model_.height);
    });
    connect(height_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.typeHeight(text);
        width_->setText(model_.width);
    });
    addContent(form);
    setFields({width_, height_});
    width_->selectAll();
}

std::optional<FieldRefusal> ImageSizeDialog::commit()
{
    model_.width = width_->text();
    model_.height = height_->text();
    return take(model_.accept(), answer_);
}

AlignDialog::AlignDialog(AlignSettings start, bool forceFrame, QWidget* parent)
    : CheckedDialog(parent, tr("Выравнивание")), model_(start, forceFrame)
{
    auto* row = new QHBoxLayout;
    row->addWidget(radioBox(this, tr("По горизонтали"),
                            {tr("не ровнять"), tr("слева"), tr("по центру"), tr("справа")}, model_.horizontal,
                            &horizontal_));
    row->addWidget(radioBox(this, tr("По вертикали"),
                            {tr("не ровнять"), tr("сверху"), tr("по центру"), tr("снизу")}, model_.vertical,
                            &vertical_));
    auto* form = new QFormLayout;
    toFrame_ = new QCheckBox(tr("Выравнивание в кадре"), this);
    toFrame_->setObjectName(QStringLiteral("toFrame"));
    toFrame_->setChecked(model_.toFrame);
    toFrame_->setEnabled(!model_.frameForced);
    margin_ = namedEdit(this, model_.margin, "margin");
    form->addRow(toFrame_);
    form->addRow(tr("Отступ:"), margin_);
    auto* all = new QVBoxLayout;
    all->addLayout(row);
    all->addLayout(form);
    addContent(all);
    setFields({margin_});
}

std::optional<FieldRefusal> AlignDialog::commit()
{
    model_.horizontal = horizontal_->checkedId();
    model_.vertical = vertical_->checkedId();
    model_.toFrame = toFrame_->isChecked();
    model_.margin = margin_->text();
    return take(model_.accept(), answer_);
}

MoveToDialog::MoveToDialog(MoveToAnswer start, QWidget* parent)
    : CheckedDialog(parent, tr("Сместить в...")), model_(start)
{
    auto* all = new QVBoxLayout;
    all->addWidget(radioBox(this, QString(), {tr("верх"), tr("право"), tr("низ"), tr("лево")},
                            model_.direction, &direction_));
    auto* form = new QFormLayout;
    distance_ = namedEdit(this, model_.distance, "distance");
    form->addRow(tr("Расстояние:"), distance_);
    all->addLayout(form);
    addContent(all);
    setFields({distance_});
}

std::optional<FieldRefusal> MoveToDialog::commit()
{
    model_.direction = direction_->checkedId();
    model_.distance = distance_->text();
    return take(model_.accept(), answer_);
}

DuplicateDialog::DuplicateDialog(DuplicateSettings start, QWidget* parent)
    : CheckedDialog(parent, tr("Дублирование")), model_(start)
{
    auto* form = new QFormLayout;
    dx_ = namedEdit(this, model_.dx, "dx");
    dy_ = namedEdit(this, model_.dy, "dy");
    count_ = namedEdit(this, model_.count, "count");
    form->addRow(tr("Смещение X:"), dx_);
    form->addRow(tr("Смещение Y:"), dy_);
    form->addRow(tr("Сколько дублей:"), count_);
    addContent(form);
    setFields({dx_, dy_, count_});
    count_->setFocus();
    count_->selectAll();
}

std::optional<FieldRefusal> DuplicateDialog::commit()
{
    model_.dx = dx_->text();
    model_.dy = dy_->text();
    model_.count = count_->text();
    return take(model_.accept(), answer_);
}

CloneFramesDialog::CloneFramesDialog(std::vector<CloneFrameItem> items, QWidget* parent)
    : CheckedDialog(parent, tr("Клонирование пункта")), model_(std::move(items))
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("frames"));
    for (const CloneFrameItem& item : model_.items) {
        auto* row = new QListWidgetItem(QString::fromStdString(item.caption), list_);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        row->setCheckState(item.checked ? Qt::Checked : Qt::Unchecked);
    }
    // A click anywhere on an item toggles its mark.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int index = list_->row(item);
        model_.toggle(index);
        item->setCheckState(model_.items[static_cast<std::size_t>(index)].checked ? Qt::Checked
                                                                                  : Qt::Unchecked);
    });
    addContent(list_);
}

std::optional<FieldRefusal> CloneFramesDialog::commit()
{
    answer_ = model_.accept();
    return std::nullopt;
}

} // namespace lw
