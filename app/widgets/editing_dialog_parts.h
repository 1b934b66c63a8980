#pragma once
// What the editing dialogs share: running one for its answer, taking the model's answer or
// refusal, and the named number fields and radio boxes they are built from.
#include "app/editor/dialog_result.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace lw {

// Runs a dialog and returns its answer, nothing on Cancel.
template <class Dialog, class... Args>
auto runDialog(QWidget* parent, Args&&... args) -> decltype(std::declval<Dialog&>().answer())
{
    Dialog dialog(std::forward<Args>(args)..., parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

// Takes the model's answer, or hands its refusal to the dialog.
template <class Answer, class Result>
std::optional<FieldRefusal> take(const Result& result, std::optional<Answer>& answer)
{
    if (const auto* refusal = std::get_if<FieldRefusal>(&result))
        return *refusal;
    answer = std::get<Answer>(result);
    return std::nullopt;
}

// A number field with an object name (tests find the fields by it).
QLineEdit* namedEdit(QWidget* parent, const QString& text, const char* name, int characters = 6);
// Radio buttons in a box, ids 0 … n−1, the one of `checked` set.
QGroupBox* radioBox(QWidget* parent, const QString& title, const QStringList& texts, int checked,
                    QButtonGroup** group);

} // namespace lw
