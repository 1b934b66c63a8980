#include "app/editor/frame_list_model.h"

#include "app/editor/document_session.h"
#include "app/editor/frame_captions.h"
#include "model/edit_scope.h"

namespace lw {

FrameListModel::FrameListModel(QObject* parent) : QAbstractListModel(parent) {}

FrameListModel::~FrameListModel()
{
    if (session_)
        session_->doc.removeObserver(*this);
}

void FrameListModel::setSession(DocumentSession* session)
{
    if (session == session_)
        return refresh();
    beginResetModel();
    if (session_)
        session_->doc.removeObserver(*this);
    session_ = session;
    if (session_)
        session_->doc.addObserver(*this);
    rows_ = snapshot();
    endResetModel();
}

std::vector<FrameListModel::Row> FrameListModel::snapshot() const
{
    std::vector<Row> rows;
    if (!session_)
        return rows;
    const CAnimation& animation = session_->doc.animation;
    const std::vector<QString> captions = frameCaptions(animation);
    int i = 0;
    for (const CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get(), ++i) {
        const bool current = frame == &session_->currentFrame();
        const int kind = (frame->masterFrame != 0 ? 1 : 0) + (current ? 2 : 0);
        rows.push_back({captions[static_cast<std::size_t>(i)], static_cast<FrameIcon>(kind)});
    }
    return rows;
}

void FrameListModel::refresh()
{
    std::vector<Row> fresh = snapshot();
    if (fresh.size() != rows_.size()) {
        beginResetModel();
        rows_ = std::move(fresh);
        endResetModel();
        return;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (!(rows_[i] == fresh[i])) {
            rows_[i] = fresh[i];
            const QModelIndex at = index(static_cast<int>(i));
            Q_EMIT dataChanged(at, at);
        }
}

int FrameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant FrameListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return row.caption;
    if (role == IconRole)
        return static_cast<int>(row.icon);
    return {};
}

int FrameListModel::currentRow() const
{
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].icon == FrameIcon::CurrentNormal || rows_[i].icon == FrameIcon::CurrentMaster)
            return static_cast<int>(i);
    return -1;
}

void FrameListModel::documentChanged(const CLWDoc&, const DocumentEvent&)
{
    refresh();
}

BackgroundListModel::BackgroundListModel(QObject* parent) : QAbstractListModel(parent) {}

BackgroundListModel::~BackgroundListModel()
{
    if (session_)
        session_->doc.removeObserver(*this);
}

void BackgroundListModel::setSession(DocumentSession* session)
{
    if (session == session_)
        return refresh();
    beginResetModel();
    if (session_)
        session_->doc.removeObserver(*this);
    session_ = session;
    if (session_)
        session_->doc.addObserver(*this);
    rows_ = snapshot();
    endResetModel();
}

std::vector<QString> BackgroundListModel::snapshot() const
{
    std::vector<QString> rows;
    if (!session_)
        return rows;
    rows.push_back(QStringLiteral("Solid"));
    const CAnimation& animation = session_->doc.animation;
    const std::vector<QString> captions = frameCaptions(animation);
    const int current = animation.IndexOfFrame(&session_->currentFrame());
    for (int i = 0; i < current; ++i)
        rows.push_back(captions[static_cast<std::size_t>(i)]);
    return rows;
}

void BackgroundListModel::refresh()
{
    std::vector<QString> fresh = snapshot();
    if (fresh.size() != rows_.size()) {
        beginResetModel();
        rows_ = std::move(fresh);
        endResetModel();
        return;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i] != fresh[i]) {
            rows_[i] = fresh[i];
            const QModelIndex at = index(static_cast<int>(i));
            Q_EMIT dataChanged(at, at);
        }
}

int BackgroundListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant BackgroundListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole)
        return rows_[static_cast<std::size_t>(index.row())];
    return {};
}

void BackgroundListModel::documentChanged(const CLWDoc&, const DocumentEvent&)
{
    refresh();
}

int BackgroundListModel::chosenRow() const
{
    if (!session_)
        return -1;
    const CFrame& current = session_->currentFrame();
    if (!current.backgroundFrame)
        return 0;
    const CAnimation& animation = session_->doc.animation;
    const int index = animation.IndexOfFrame(current.backgroundFrame);
    return index >= 0 && index < animation.IndexOfFrame(&current) ? index + 1 : -1;
}

bool BackgroundListModel::choose(int row)
{
    if (!session_ || row < 0 || row >= rowCount())
        return false;
    CFrame& current = session_->currentFrame();
    CFrame* background = row == 0 ? nullptr : session_->doc.animation.FrameAt(row - 1);
    if (current.backgroundFrame == background)
        return true;
    EditScope edit(session_->doc, &current);
    current.SetBackgroundFrame(background);
    current.Render();
    edit.announce(DocumentChange::FrameChanged);
    edit.markModified();
    return true;
}

} // namespace lw
