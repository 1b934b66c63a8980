#pragma once
// "HTML код анимации": link address, description and the full-path box, with the code to paste
// into a page rebuilt on every keystroke and "Копировать" putting it on the clipboard.
#include "app/editor/html_settings_model.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace lw {

class HtmlSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit HtmlSettingsDialog(const HtmlSettingsModel& model, QWidget* parent = nullptr);
    // The fields as they stand (what OK stores).
    HtmlSettingsModel result() const;

private:
    void rebuildCode();
    void copyCode();

    HtmlSettingsModel model_;
    QLineEdit* link_ = nullptr;
    QLineEdit* description_ = nullptr;
    QCheckBox* fullPath_ = nullptr;
    QPlainTextEdit* code_ = nullptr;
};

} // namespace lw
