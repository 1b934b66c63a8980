#pragma once
// The frames bar's list: one row per frame with its caption and icon kind, over a document
// session. It listens to the document, so every window of the document shows the same frames;
// refresh() brings it up to date after changes no one announced (going to another frame).
#include "model/document_observer.h"

#include <QAbstractListModel>
#include <vector>

namespace lw {

class DocumentSession;

// Icon kinds of the list: normal, master, current normal, current master.
enum class FrameIcon { Normal = 0, Master = 1, CurrentNormal = 2, CurrentMaster = 3 };

class FrameListModel : public QAbstractListModel, private DocumentObserver {
    Q_OBJECT
public:
    static constexpr int IconRole = Qt::UserRole + 1; // FrameIcon as int

    explicit FrameListModel(QObject* parent = nullptr);
    ~FrameListModel() override;

    // Shows a session's frames (none: the list is empty).
    void setSession(DocumentSession* session);
    DocumentSession* session() const { return session_; }
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    int currentRow() const;

private:
    struct Row {
        QString caption;
        FrameIcon icon = FrameIcon::Normal;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> snapshot() const;
    void documentChanged(const CLWDoc& doc, const DocumentEvent& event) override;

    DocumentSession* session_ = nullptr;
    std::vector<Row> rows_;
};

// The frame-background bar's choice: "Solid", then every frame before the current one.
class BackgroundListModel : public QAbstractListModel, private DocumentObserver {
    Q_OBJECT
public:
    explicit BackgroundListModel(QObject* parent = nullptr);
    ~BackgroundListModel() override;

    void setSession(DocumentSession* session);
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The row of the current frame's background frame (0: "Solid"); -1 when it is not listed.
    int chosenRow() const;
    // Makes row's frame the current frame's background (row 0: none), as one edit.
    bool choose(int row);

private:
    std::vector<QString> snapshot() const;
    void documentChanged(const CLWDoc& doc, const DocumentEvent& event) override;

    DocumentSession* session_ = nullptr;
    std::vector<QString> rows_;
};

} // namespace lw
