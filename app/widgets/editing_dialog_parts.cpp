#include "app/widgets/editing_dialog_parts.h"

#include "app/widgets/checked_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {

QLineEdit* namedEdit(QWidget* parent, const QString& text, const char* name, int characters)
{
    QLineEdit* edit = numberEdit(parent, text, characters);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QGroupBox* radioBox(QWidget* parent, const QString& title, const QStringList& texts, int checked,
                    QButtonGroup** group)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    *group = new QButtonGroup(box);
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], box);
        (*group)->addButton(button, i);
        layout->addWidget(button);
        button->setChecked(i == checked);
    }
    return box;
}

} // namespace lw
