#include "app/widgets/about_box.h"

#include "app/editor/about_text.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace lw {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent), text_(QString::fromStdString(aboutText()))
{
    setWindowTitle(tr("О программе Loopwright GIF Animator"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    auto* label = new QLabel(text_, this);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString AboutBox::text() const
{
    return text_;
}

} // namespace lw
