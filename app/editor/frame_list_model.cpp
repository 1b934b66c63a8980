#include "app/editor/frame_list_model.h"

#include "model/edit_scope.h"
#include "model/frame_list.h"

namespace lw {

std::vector<FrameListRow> FrameListModel::snapshot() const
{
    std::vector<FrameListRow> rows;
    const CAnimation& animation = session()->doc.animation;
    const std::vector<std::string> captions = frameCaptions(animation);
    int i = 0;
    for (const CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get(), ++i) {
        const bool current = frame == &session()->currentFrame();
        const int kind = (frame->masterFrame != 0 ? 1 : 0) + (current ? 2 : 0);
        rows.push_back(
            {QString::fromStdString(captions[static_cast<std::size_t>(i)]), static_cast<FrameIcon>(kind)});
    }
    return rows;
}

QVariant FrameListModel::data(const QModelIndex& index, int role) const
{
    const FrameListRow* row = rowAt(index);
    if (!row)
        return {};
    if (role == Qt::DisplayRole)
        return row->caption;
    if (role == IconRole)
        return static_cast<int>(row->icon);
    return {};
}

int FrameListModel::currentRow() const
{
    for (std::size_t i = 0; i < rows().size(); ++i)
        if (rows()[i].icon == FrameIcon::CurrentNormal || rows()[i].icon == FrameIcon::CurrentMaster)
            return static_cast<int>(i);
    return -1;
}

std::vector<QString> BackgroundListModel::snapshot() const
{
    std::vector<QString> rows{QStringLiteral("Solid")};
    const CAnimation& animation = session()->doc.animation;
    const std::vector<std::string> captions = frameCaptions(animation);
    const int current = animation.IndexOfFrame(&session()->currentFrame());
    for (int i = 0; i < current; ++i)
        rows.push_back(QString::fromStdString(captions[static_cast<std::size_t>(i)]));
    return rows;
}

QVariant BackgroundListModel::data(const QModelIndex& index, int role) const
{
    const QString* row = rowAt(index);
    return row && role == Qt::DisplayRole ? QVariant(*row) : QVariant();
}

int BackgroundListModel::chosenRow() const
{
    if (!session())
        return -1;
    const CFrame& current = session()->currentFrame();
    if (!current.backgroundFrame)
        return 0;
    const CAnimation& animation = session()->doc.animation;
    const int index = animation.IndexOfFrame(current.backgroundFrame);
    return index >= 0 && index < animation.IndexOfFrame(&current) ? index + 1 : -1;
}

bool BackgroundListModel::choose(int row)
{
    if (!session() || row < 0 || row >= rowCount())
        return false;
    CFrame& current = session()->currentFrame();
    CFrame* background = row == 0 ? nullptr : session()->doc.animation.FrameAt(row - 1);
    if (current.backgroundFrame == background)
        return true;
    EditScope edit(session()->doc, &current);
    current.SetBackgroundFrame(background);
    current.Render();
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
    return true;
}

} // namespace lw
