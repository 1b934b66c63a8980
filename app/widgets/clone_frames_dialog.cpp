#include "app/widgets/clone_frames_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QLineEdit>
#include <QListWidget>

namespace lw {

CloneFramesDialog::CloneFramesDialog(std::vector<CloneFrameItem> items, QWidget* parent)
    : CheckedDialog(parent, tr("Клонирование пункта")), model_(std::move(items))
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("frames"));
    for (const CloneFrameItem& item : model_.items) {
        auto* row = new QListWidgetItem(QString::fromStdString(item.caption), list_);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        row->setCheckState(item.checked ? Qt::Checked : Qt::Unchecked);
    }
    // A click anywhere on an item toggles its mark.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int index = list_->row(item);
        model_.toggle(index);
        item->setCheckState(model_.items[static_cast<std::size_t>(index)].checked ? Qt::Checked
                                                                                  : Qt::Unchecked);
    });
    addContent(list_);
}

std::optional<FieldRefusal> CloneFramesDialog::commit()
{
    answer_ = model_.accept();
    return std::nullopt;
}

} // namespace lw
