#pragma once
// "Быстрая анимация": pictures chosen through "Выбор рисунков" (kept sorted while "Сортировать"
// is set), the initial delay, and OK once the list holds a picture.
#include "app/editor/editor_questions.h"
#include "app/editor/quick_animation_model.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lw {

class QuickAnimationDialog : public QDialog {
    Q_OBJECT
public:
    QuickAnimationDialog(EditorQuestions& questions, QWidget* parent = nullptr);

    using RefusalReporter = std::function<void(QWidget* dialog, const QString& message)>;
    void setRefusalReporter(RefusalReporter reporter) { reporter_ = std::move(reporter); }

    const QuickAnimationModel& model() const { return model_; }
    void accept() override;

private:
    void choosePictures();

    EditorQuestions& questions_;
    QuickAnimationModel model_;
    RefusalReporter reporter_;
    QListWidget* list_ = nullptr;
    QLineEdit* delay_ = nullptr;
    QCheckBox* sort_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace lw
