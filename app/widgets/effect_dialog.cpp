#include "app/widgets/effect_dialog.h"

#include "app/widgets/preview_dialog.h"
#include "engine/animation_compiler.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace lw {

EffectDialog::EffectDialog(const ExtensionHost& host, EffectKind kind, EffectAssignment& assignment,
                           CAnimation& animation, const CFrame& frame, QWidget* libraryParent, UiPort& ui,
                           QWidget* parent)
    : QDialog(parent), model_(host, kind, assignment), host_(host), animation_(animation), frame_(frame),
      libraryParent_(libraryParent)
{
    play = [&ui](FrameSequence sequence, QWidget* owner) {
        const auto open = [](const std::string& url) {
            QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
        };
        PreviewDialog::play(owner, std::move(sequence), nullptr, open, ui);
    };
    setWindowTitle(QString::fromStdString(model_.title()));

    effects_ = new QListWidget(this);
    effects_->setObjectName(QStringLiteral("effects"));
    for (const auto& item : model_.effectItems())
        effects_->addItem(QString::fromStdString(item.text));
    effects_->setMinimumSize(220, 200);
    speeds_ = new QComboBox(this);
    speeds_->setObjectName(QStringLiteral("speeds"));
    auto* speedLabel = new QLabel(tr("Скорость:"), this);
    speedLabel->setBuddy(speeds_);
    applyToAll_ = new QCheckBox(tr("Применить для всех"), this);
    applyToAll_->setObjectName(QStringLiteral("applyToAll"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* previewButton = new QPushButton(tr("Просмотр..."), this);
    previewButton->setObjectName(QStringLiteral("preview"));
    advanced_ = new QPushButton(tr("Подробнее..."), this);
    advanced_->setObjectName(QStringLiteral("advanced"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(previewButton);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(effects_, 0, 0, 1, 2);
    layout->addLayout(buttons, 0, 2);
    layout->addWidget(speedLabel, 1, 0);
    layout->addWidget(speeds_, 1, 1);
    layout->addWidget(advanced_, 1, 2);
    layout->addWidget(applyToAll_, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(ok, &QPushButton::clicked, this, &EffectDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &EffectDialog::reject);
    connect(previewButton, &QPushButton::clicked, this, &EffectDialog::preview);
    connect(advanced_, &QPushButton::clicked, this, &EffectDialog::advanced);
    connect(effects_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row == model_.selectedEffect())
            return;
        model_.chooseEffect(row);
        showSpeeds();
    });
    connect(speeds_, &QComboBox::currentIndexChanged, this, [this](int index) { model_.chooseSpeed(index); });
    connect(applyToAll_, &QCheckBox::toggled, this, [this](bool on) { model_.applyToAll = on; });
    showEffect();
}

void EffectDialog::showEffect()
{
    const QSignalBlocker block(effects_);
    if (model_.selectedEffect() >= 0)
        effects_->setCurrentRow(model_.selectedEffect());
    else
        effects_->setCurrentRow(-1);
    showSpeeds();
}

void EffectDialog::showSpeeds()
{
    const QSignalBlocker block(speeds_);
    speeds_->clear();
    for (const auto& item : model_.speedItems())
        speeds_->addItem(QString::fromStdString(item.text));
    speeds_->setCurrentIndex(model_.selectedSpeed());
    speeds_->setEnabled(model_.speedEnabled());
    advanced_->setEnabled(model_.advancedEnabled());
}

void EffectDialog::advanced()
{
    model_.runAdvanced(libraryParent_);
}

void EffectDialog::preview()
{
    model_.applyForPreview();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        FrameSequence sequence = AnimationCompiler(host_).previewFrame(animation_, frame_);
        QApplication::restoreOverrideCursor();
        play(std::move(sequence), this);
    } catch (const std::exception& e) {
        // Out of memory for the step images, most likely; nothing may escape into the event loop.
        QApplication::restoreOverrideCursor();
        QMessageBox::critical(this, windowTitle(), QString::fromStdString(e.what()));
    }
}

void EffectDialog::accept()
{
    model_.accept();
    QDialog::accept();
}

void EffectDialog::reject()
{
    model_.cancel();
    QDialog::reject();
}

std::optional<bool> EffectDialog::ask(const ExtensionHost& host, EffectKind kind,
                                      EffectAssignment& assignment, CAnimation& animation,
                                      const CFrame& frame, QWidget* parent, UiPort& ui)
{
    EffectDialog dialog(host, kind, assignment, animation, frame, parent, ui, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.applyToAll();
}

} // namespace lw
