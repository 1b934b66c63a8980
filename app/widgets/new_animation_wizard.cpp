#include "app/widgets/new_animation_wizard.h"

#include "app/editor/image_dimensions.h"
#include "model/frame.h"
#include "platform/ui_port.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace lw {
namespace {

QLineEdit* field(QWidget* parent, const char* name, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(90);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

NewAnimationWizard::NewAnimationWizard(UiPort& ui, EditorQuestions& questions, QWidget* parent)
    : QDialog(parent), ui_(ui), questions_(questions)
{
    setWindowTitle(tr(NewAnimationWizardModel::caption()));
    pages_ = new QStackedWidget(this);
    for (QWidget* p : {sourcePage(), sizePage(), picturesPage(), framesPage(), delayPage(), finishPage()})
        pages_->addWidget(p);

    backButton_ = button(this, "back", tr("< Назад"));
    nextButton_ = button(this, "next", tr("Далее >"));
    finishButton_ = button(this, "finish", tr("Готово"));
    auto* cancel = button(this, "cancel", tr("Отмена"));
    nextButton_->setDefault(true);
    connect(backButton_, &QPushButton::clicked, this, &NewAnimationWizard::back);
    connect(nextButton_, &QPushButton::clicked, this, &NewAnimationWizard::next);
    connect(finishButton_, &QPushButton::clicked, this, &NewAnimationWizard::finish);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : {backButton_, nextButton_, finishButton_, cancel})
        row->addWidget(b);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(line);
    layout->addLayout(row);
    setMinimumWidth(480);
    showPage();
}

QWidget* NewAnimationWizard::page(WizardPage which, QLayout* content)
{
    auto* widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("page%1").arg(static_cast<int>(which)));
    auto* heading = new QLabel(tr(NewAnimationWizardModel::pageCaption(which)), widget);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(heading);
    layout->addLayout(content);
    layout->addStretch();
    return widget;
}

QWidget* NewAnimationWizard::sourcePage()
{
    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(tr("Как создать новую анимацию?")));
    blank_ = new QRadioButton(tr("Пустой бланк"));
    blank_->setObjectName("blank");
    slideshow_ = new QRadioButton(tr("Слайдшоу-анимация"));
    slideshow_->setObjectName("slideshow");
    content->addWidget(blank_);
    content->addWidget(slideshow_);
    return page(WizardPage::Source, content);
}

QWidget* NewAnimationWizard::sizePage()
{
    width_ = field(this, "width", model_.width);
    height_ = field(this, "height", model_.height);
    auto* fromImage = button(this, "fromImage", tr("Из изображения..."));
    connect(fromImage, &QPushButton::clicked, this, &NewAnimationWizard::readDimensions);
    auto* form = new QFormLayout;
    form->addRow(new QLabel(tr("Размер кадра в пикселях (от 1 до 1000).")));
    form->addRow(tr("Ширина:"), width_);
    form->addRow(tr("Высота:"), height_);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(fromImage);
    buttonRow->addStretch();
    form->addRow(QString(), buttonRow);
    return page(WizardPage::Size, form);
}

QWidget* NewAnimationWizard::picturesPage()
{
    pictures_ = new QListWidget(this);
    pictures_->setObjectName("pictures");
    pictures_->setMinimumHeight(120);
    connect(pictures_, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(item->data(Qt::UserRole).toString()));
    });
    scale_ = field(this, "scale", model_.scale);
    auto* browse = button(this, "browse", tr("Обзор рисунков..."));
    connect(browse, &QPushButton::clicked, this, &NewAnimationWizard::browsePictures);
    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(tr("Рисунки, по одному на кадр:")));
    content->addWidget(pictures_);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Масштаб, %:")));
    row->addWidget(scale_);
    row->addStretch();
    row->addWidget(browse);
    content->addLayout(row);
    return page(WizardPage::Pictures, content);
}

QWidget* NewAnimationWizard::framesPage()
{
    count_ = field(this, "count", model_.count);
    colour_ = new QLabel(this);
    colour_->setObjectName("colour");
    colour_->setFixedSize(48, 20);
    colour_->setFrameShape(QFrame::Box);
    colour_->setAutoFillBackground(true);
    auto* choose = button(this, "chooseColour", tr("Выбор цвета..."));
    connect(choose, &QPushButton::clicked, this, &NewAnimationWizard::chooseColour);
    master_ = new QCheckBox(tr("Добавить Мастера"), this);
    master_->setObjectName("master");
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colour_);
    colourRow->addWidget(choose);
    colourRow->addStretch();
    auto* form = new QFormLayout;
    form->addRow(tr("Количество кадров (от 1 до 200):"), count_);
    form->addRow(tr("Цвет заднего фона:"), colourRow);
    form->addRow(QString(), master_);
    return page(WizardPage::Frames, form);
}

QWidget* NewAnimationWizard::delayPage()
{
    delay_ = field(this, "delay", model_.delay);
    auto* form = new QFormLayout;
    form->addRow(tr("Время задержки кадра, сек.:"), delay_);
    return page(WizardPage::Delay, form);
}

QWidget* NewAnimationWizard::finishPage()
{
    auto* content = new QVBoxLayout;
    auto* text = new QLabel(tr("Всё готово для создания анимации.\nНажмите «Готово», чтобы открыть её."));
    content->addWidget(text);
    return page(WizardPage::Finish, content);
}

void NewAnimationWizard::readFields()
{
    model_.source = slideshow_->isChecked() ? WizardSource::Slideshow : WizardSource::Blank;
    model_.width = width_->text();
    model_.height = height_->text();
    model_.scale = scale_->text();
    model_.count = count_->text();
    model_.master = master_->isChecked();
    model_.delay = delay_->text();
}

void NewAnimationWizard::showPage()
{
    const WizardPage current = model_.page();
    pages_->setCurrentIndex(static_cast<int>(current));
    if (current == WizardPage::Source) {
        blank_->setChecked(model_.source == WizardSource::Blank);
        slideshow_->setChecked(model_.source == WizardSource::Slideshow);
    }
    master_->setChecked(model_.master);
    QPalette palette = colour_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(rasterColourFromFrameColour(model_.colour)));
    colour_->setPalette(palette);
    const WizardButtons& b = model_.buttons();
    backButton_->setEnabled(b.back);
    nextButton_->setEnabled(b.next);
    nextButton_->setVisible(!b.finish);
    finishButton_->setVisible(b.finish);
    finishButton_->setEnabled(b.finish);
    (b.finish ? finishButton_ : nextButton_)->setDefault(true);
}

bool NewAnimationWizard::refused(const std::optional<FieldRefusal>& refusal)
{
    if (!refusal)
        return false;
    QLineEdit* fields[] = {width_, height_, scale_, count_, delay_};
    if (refusal->field < 0 || refusal->field >= static_cast<int>(std::size(fields)))
        return true;
    if (reporter_)
        reporter_(this, refusal->message);
    else
        QMessageBox::warning(this, windowTitle(), refusal->message);
    fields[refusal->field]->setFocus();
    fields[refusal->field]->selectAll();
    return true;
}

void NewAnimationWizard::next()
{
    readFields();
    if (!refused(model_.next()))
        showPage();
}

void NewAnimationWizard::finish()
{
    readFields();
    if (!refused(model_.finish()))
        accept();
}

void NewAnimationWizard::back()
{
    readFields();
    model_.back();
    showPage();
}

void NewAnimationWizard::readDimensions()
{
    const auto path = questions_.askOpenPath(imageDimensionsQuestion());
    if (!path)
        return;
    if (const auto size = readImageDimensions(*path, ui_)) {
        width_->setText(QString::number(size->width));
        height_->setText(QString::number(size->height));
    }
}

void NewAnimationWizard::browsePictures()
{
    const std::vector<std::string> paths = questions_.askOpenPaths(importFramesQuestion());
    for (const std::string& path : paths) {
        const QString full = QString::fromStdString(path);
        auto* item = new QListWidgetItem(full, pictures_);
        item->setData(Qt::UserRole, full);
    }
    model_.addPictures(paths);
    showPage();
}

void NewAnimationWizard::chooseColour()
{
    const auto chosen = ui_.askColour({tr("Выбор цвета заднего фона     ").toStdString(),
                                       rasterColourFromFrameColour(model_.colour), false});
    if (!chosen)
        return;
    model_.colour = rasterColourFromFrameColour(*chosen);
    showPage();
}

} // namespace lw
