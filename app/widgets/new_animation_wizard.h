#pragma once
// "New Animation Wizard": the six pages over a NewAnimationWizardModel, which decides the page
// order, the buttons and the range refusals. The pages' questions (files, colour, messages) go
// through the editor's ports so tests can answer them.
#include "app/editor/new_animation_wizard_model.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace lw {

class UiPort;

class NewAnimationWizard : public QDialog {
    Q_OBJECT
public:
    NewAnimationWizard(UiPort& ui, EditorQuestions& questions, QWidget* parent = nullptr);

    using RefusalReporter = std::function<void(QWidget* dialog, const QString& message)>;
    void setRefusalReporter(RefusalReporter reporter) { reporter_ = std::move(reporter); }

    const NewAnimationWizardModel& model() const { return model_; }

    void next();
    void back();
    void finish();

private:
    QWidget* sourcePage();
    QWidget* sizePage();
    QWidget* picturesPage();
    QWidget* framesPage();
    QWidget* delayPage();
    QWidget* finishPage();
    QWidget* page(WizardPage which, QLayout* content);
    void readFields();
    // Shows a refusal and puts the focus on its field; true when there was one.
    bool refused(const std::optional<FieldRefusal>& refusal);
    void showPage();
    void readDimensions();
    void browsePictures();
    void chooseColour();

    UiPort& ui_;
    EditorQuestions& questions_;
    NewAnimationWizardModel model_;
    RefusalReporter reporter_;
    QStackedWidget* pages_ = nullptr;
    QRadioButton* blank_ = nullptr;
    QRadioButton* slideshow_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QListWidget* pictures_ = nullptr;
    QLineEdit* scale_ = nullptr;
    QLineEdit* count_ = nullptr;
    QLabel* colour_ = nullptr;
    QCheckBox* master_ = nullptr;
    QLineEdit* delay_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
};

} // namespace lw
