#pragma once
// Dialog 201 "Эффекты анимации" over EffectDialogModel: the effect list ("<none>" first, then
// by name), the speeds the chosen effect offers, "Подробнее..." for the library's own settings
// dialog, "Просмотр..." that plays the edited frame with the working choice, and "Применить для
// всех". OK keeps the working choice in the assignment; Cancel puts back what was there.
#include "engine/effect_dialog_model.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace lw {

class CAnimation;
class CFrame;
class FrameSequence;
class UiPort;

class EffectDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(EffectDialog)
public:
    // `libraryParent` owns the library's settings dialog (the editor's main window); `ui` answers
    // the preview window's questions.
    EffectDialog(const ExtensionHost& host, EffectKind kind, EffectAssignment& assignment,
                 CAnimation& animation, const CFrame& frame, QWidget* libraryParent, UiPort& ui,
                 QWidget* parent = nullptr);

    const EffectDialogModel& model() const { return model_; }
    bool applyToAll() const { return model_.applyToAll; }

    // Plays the preview's sequence; the preview window unless replaced (tests).
    std::function<void(FrameSequence sequence, QWidget* parent)> play;

    void accept() override;
    void reject() override;

    // Runs the dialog on the assignment; nothing for Cancel, else whether "Применить для всех"
    // is set.
    static std::optional<bool> ask(const ExtensionHost& host, EffectKind kind, EffectAssignment& assignment,
                                   CAnimation& animation, const CFrame& frame, QWidget* parent, UiPort& ui);

private:
    void showEffect();
    void showSpeeds();
    void preview();
    void advanced();

    EffectDialogModel model_;
    const ExtensionHost& host_;
    CAnimation& animation_;
    const CFrame& frame_;
    QWidget* libraryParent_;
    QListWidget* effects_ = nullptr;
    QComboBox* speeds_ = nullptr;
    QPushButton* advanced_ = nullptr;
    QCheckBox* applyToAll_ = nullptr;
};

} // namespace lw
