#pragma once
// A list model of rows taken from a document session, kept current by listening to the session's
// document, so every window of the document shows the same rows. Rows that change are reported one
// by one; a change in their number resets the list. Every notice taken in is passed on as
// documentNoticed(), for the fields a bar shows beside its list.
#include "app/editor/document_session.h"
#include "model/document_observer.h"

#include <QAbstractListModel>
#include <vector>

namespace lw {

// The signal of SessionListModel (a class template cannot declare signals).
class SessionListNotices : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

Q_SIGNALS:
    // After the rows took in a notice of the document.
    void documentNoticed();
};

template <class Row> class SessionListModel : public SessionListNotices, private DocumentObserver {
public:
    using SessionListNotices::SessionListNotices;
    ~SessionListModel() override
    {
        if (session_)
            session_->doc.removeObserver(*this);
    }

    // Shows a session's rows (none: the list is empty).
    void setSession(DocumentSession* session)
    {
        if (session == session_)
            return refresh();
        beginResetModel();
        if (session_)
            session_->doc.removeObserver(*this);
        session_ = session;
        if (session_)
            session_->doc.addObserver(*this);
        rows_ = session_ ? snapshot() : std::vector<Row>{};
        endResetModel();
    }
    DocumentSession* session() const { return session_; }

    void refresh()
    {
        std::vector<Row> fresh = session_ ? snapshot() : std::vector<Row>{};
        if (fresh.size() != rows_.size()) {
            beginResetModel();
            rows_ = std::move(fresh);
            endResetModel();
            return;
        }
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (!(rows_[i] == fresh[i])) {
                rows_[i] = std::move(fresh[i]);
                const QModelIndex at = index(static_cast<int>(i));
                Q_EMIT dataChanged(at, at);
            }
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }

protected:
    // The rows as the session's document stands now (only asked while there is a session).
    virtual std::vector<Row> snapshot() const = 0;
    const std::vector<Row>& rows() const { return rows_; }
    // The row of a valid index of this list, else null.
    const Row* rowAt(const QModelIndex& index) const
    {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return nullptr;
        return &rows_[static_cast<std::size_t>(index.row())];
    }

private:
    void documentChanged(const CLWDoc&, const DocumentEvent&) override
    {
        refresh();
        Q_EMIT documentNoticed();
    }

    DocumentSession* session_ = nullptr;
    std::vector<Row> rows_;
};

} // namespace lw
