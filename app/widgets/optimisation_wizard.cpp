#include "app/widgets/optimisation_wizard.h"

#include "app/editor/wait_cursor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {
namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

class CWOpt1 : public QWizardPage {
public:
    explicit CWOpt1(QWidget* parent) : QWizardPage(parent)
    {
        setObjectName(QStringLiteral("CWOpt1"));
        setTitle(OptimisationWizard::tr("Мастер оптимизации"));
        auto* column = new QVBoxLayout(this);
        column->addWidget(wrappedLabel(
            OptimisationWizard::tr("Этот мастер уменьшит GIF-файл вашей анимации: подберёт число цветов, "
                                   "объединит одинаковые кадры и оставит в каждом кадре только то, что "
                                   "изменилось.\n\nНажмите «Далее», чтобы продолжить."),
            this));
        column->addStretch(1);
    }
};

class CWOpt2 : public QWizardPage {
public:
    CWOpt2(OptimisationWizard& wizard) : QWizardPage(&wizard), wizard_(wizard)
    {
        setObjectName(QStringLiteral("CWOpt2"));
        setTitle(OptimisationWizard::tr("Цвета"));
        const GifSaveChoices& choices = wizard.model().colours().choices();
        full_ = new QRadioButton(QString::fromStdString(choices.fullPaletteLabel), this);
        full_->setObjectName(QStringLiteral("fullPalette"));
        reduce_ = new QRadioButton(OptimisationWizard::tr("Ужать до:"), this);
        reduce_->setObjectName(QStringLiteral("reduce"));
        counts_ = new QComboBox(this);
        counts_->setObjectName(QStringLiteral("counts"));
        coloursLabel_ = new QLabel(OptimisationWizard::tr("цветов"), this);
        fullNote_ = wrappedLabel(OptimisationWizard::tr("Все цвета анимации сохраняются без потерь."), this);
        reduceNote_ = wrappedLabel(
            OptimisationWizard::tr("Чем меньше цветов, тем меньше файл, но изображение может стать грубее."),
            this);
        auto* grid = new QGridLayout(this);
        grid->addWidget(full_, 0, 0, 1, 3);
        grid->addWidget(fullNote_, 1, 0, 1, 4);
        grid->addWidget(reduce_, 2, 0);
        grid->addWidget(counts_, 2, 1);
        grid->addWidget(coloursLabel_, 2, 2);
        grid->addWidget(reduceNote_, 3, 0, 1, 4);
        grid->setColumnStretch(3, 1);
        grid->setRowStretch(4, 1);
        full_->setEnabled(choices.fullPaletteEnabled);
        reduce_->setEnabled(choices.reduceEnabled);
        coloursLabel_->setEnabled(choices.reduceEnabled);
        connect(full_, &QRadioButton::toggled, this, [this] { follow(); });
        connect(reduce_, &QRadioButton::toggled, this, [this] { follow(); });
        connect(counts_, &QComboBox::currentIndexChanged, this, [this] { follow(); });
    }

    void initializePage() override
    {
        // Filled the first time the page shows; Back keeps the user's choice.
        if (filled_)
            return;
        filled_ = true;
        const GifSaveModel& colours = wizard_.model().colours();
        for (int count : colours.choices().reduceCounts)
            counts_->addItem(QString::number(count), count);
        counts_->setCurrentIndex(counts_->findData(colours.reduceCount()));
        (colours.reduce() ? reduce_ : full_)->setChecked(true);
        follow();
    }

    bool validatePage() override
    {
        follow();
        if (!wizard_.tools().trial)
            return true;
        const WaitCursor wait;
        wizard_.setLastSize(wizard_.tools().trial(wizard_.model().paletteCount()));
        return true;
    }

private:
    void follow()
    {
        GifSaveModel& colours = wizard_.model().colours();
        colours.setReduce(reduce_->isChecked());
        if (counts_->currentIndex() >= 0)
            colours.setReduceCount(counts_->currentData().toInt());
        counts_->setEnabled(colours.comboEnabled());
        fullNote_->setEnabled(!colours.reduce());
        reduceNote_->setEnabled(colours.reduce());
    }

    OptimisationWizard& wizard_;
    QRadioButton* full_;
    QRadioButton* reduce_;
    QComboBox* counts_;
    QLabel* coloursLabel_;
    QLabel* fullNote_;
    QLabel* reduceNote_;
    bool filled_ = false;
};

class CWOpt3a : public QWizardPage {
public:
    CWOpt3a(OptimisationWizard& wizard) : QWizardPage(&wizard), wizard_(wizard)
    {
        setObjectName(QStringLiteral("CWOpt3a"));
        setTitle(OptimisationWizard::tr("Ваша анимация оптимизирована"));
        report_ = new QLabel(this);
        report_->setObjectName(QStringLiteral("report"));
        auto* play = new QPushButton(OptimisationWizard::tr("Просмотр"), this);
        play->setObjectName(QStringLiteral("play"));
        play->setEnabled(static_cast<bool>(wizard.tools().play));
        connect(play, &QPushButton::clicked, this, [this] { wizard_.tools().play(); });
        auto* column = new QVBoxLayout(this);
        column->addWidget(report_);
        auto* row = new QHBoxLayout;
        row->addWidget(play);
        row->addStretch(1);
        column->addLayout(row);
        column->addStretch(1);
    }
    void initializePage() override { report_->setText(wizard_.model().sizeReport(wizard_.lastSize())); }

private:
    OptimisationWizard& wizard_;
    QLabel* report_;
};

class CWOpt4 : public QWizardPage {
public:
    CWOpt4(OptimisationWizard& wizard) : QWizardPage(&wizard), wizard_(wizard)
    {
        setObjectName(QStringLiteral("CWOpt4"));
        setTitle(OptimisationWizard::tr("Сохранение"));
        name_ = new QLineEdit(QString::fromStdString(wizard.model().fileName()), this);
        name_->setObjectName(QStringLiteral("fileName"));
        auto* browse = new QPushButton(OptimisationWizard::tr("Обзор..."), this);
        browse->setObjectName(QStringLiteral("browse"));
        auto* grid = new QGridLayout(this);
        grid->addWidget(new QLabel(OptimisationWizard::tr("Имя GIF-файла:"), this), 0, 0, 1, 2);
        grid->addWidget(name_, 1, 0);
        grid->addWidget(browse, 1, 1);
        grid->setRowStretch(2, 1);
        connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
            wizard_.model().setFileName(text.toStdString());
            Q_EMIT completeChanged();
        });
        connect(browse, &QPushButton::clicked, this, [this] {
            if (!wizard_.tools().browse)
                return;
            if (const auto path = wizard_.tools().browse(wizard_.model().browseQuestion());
                path && !path->empty())
                name_->setText(QString::fromStdString(*path));
        });
    }
    bool isComplete() const override { return wizard_.model().finishEnabled(); }
    bool validatePage() override
    {
        return !wizard_.tools().finish ||
               wizard_.tools().finish(wizard_.model().paletteCount(), wizard_.model().fileName());
    }

private:
    OptimisationWizard& wizard_;
    QLineEdit* name_;
};

} // namespace

OptimisationWizard::OptimisationWizard(OptimisationWizardModel model, OptimisationWizardTools tools,
                                       QWidget* parent)
    : QWizard(parent), model_(std::move(model)), tools_(std::move(tools))
{
    setWindowTitle(tr("Мастер оптимизации "));
    setOption(QWizard::NoBackButtonOnStartPage);
    setButtonText(QWizard::BackButton, tr("< Назад"));
    setButtonText(QWizard::NextButton, tr("Далее >"));
    setButtonText(QWizard::FinishButton, tr("Готово"));
    setButtonText(QWizard::CancelButton, tr("Отмена"));
    addPage(new CWOpt1(this));
    addPage(new CWOpt2(*this));
    addPage(new CWOpt3a(*this));
    addPage(new CWOpt4(*this));
}

} // namespace lw
