#pragma once
// The about box: the program's icon, product name and version.
#include <QDialog>

namespace lw {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    QString text() const;

private:
    QString text_;
};

} // namespace lw
