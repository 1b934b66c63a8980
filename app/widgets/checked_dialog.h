#pragma once
// The base of the question dialogs: OK and "Отмена" under the content, and an OK that first asks
// the subclass to commit its fields to the model. A field that refuses shows its message, gets the
// focus with its text selected, and the dialog stays open.
#include "app/editor/number_field.h"

#include <QCoreApplication>
#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QDialogButtonBox;
class QLayout;
class QLineEdit;
class QVBoxLayout;

namespace lw {

class CheckedDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(CheckedDialog)
public:
    using RefusalReporter = std::function<void(QWidget* dialog, const QString& message)>;

    // How this dialog shows a refusal: a warning box unless replaced (tests capture them).
    void setRefusalReporter(RefusalReporter reporter) { reporter_ = std::move(reporter); }

    void accept() override;

protected:
    CheckedDialog(QWidget* parent, const QString& title);

    // Adds the content above the buttons.
    void addContent(QLayout* layout);
    void addContent(QWidget* widget);
    // The fields refusals point at, in the order of FieldRefusal::field.
    void setFields(std::vector<QLineEdit*> fields) { fields_ = std::move(fields); }
    // Copies the controls into the model and checks it; nothing when OK may close the dialog.
    virtual std::optional<FieldRefusal> commit() = 0;

private:
    QVBoxLayout* layout_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    std::vector<QLineEdit*> fields_;
    RefusalReporter reporter_;
};

// A line edit of the width that holds `characters` digits, as the dialogs' number fields are.
QLineEdit* numberEdit(QWidget* parent, const QString& text, int characters = 6);

} // namespace lw
