#pragma once
// The frames bar's list (one row per frame with its caption and icon kind) and the frame-background
// bar's choice, both over a document session.
#include "app/editor/session_list_model.h"

#include <QString>

namespace lw {

// Icon kinds of the list: normal, master, current normal, current master.
enum class FrameIcon { Normal = 0, Master = 1, CurrentNormal = 2, CurrentMaster = 3 };

struct FrameListRow {
    QString caption;
    FrameIcon icon = FrameIcon::Normal;
    bool operator==(const FrameListRow&) const = default;
};

class FrameListModel : public SessionListModel<FrameListRow> {
    Q_OBJECT
public:
    static constexpr int IconRole = Qt::UserRole + 1; // FrameIcon as int

    explicit FrameListModel(QObject* parent = nullptr) : SessionListModel(parent) {}

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    int currentRow() const;

private:
    std::vector<FrameListRow> snapshot() const override;
};

// The frame-background bar's choice: "Solid", then every frame before the current one.
class BackgroundListModel : public SessionListModel<QString> {
    Q_OBJECT
public:
    explicit BackgroundListModel(QObject* parent = nullptr) : SessionListModel(parent) {}

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The row of the current frame's background frame (0: "Solid"); -1 when it is not listed.
    int chosenRow() const;
    // Makes row's frame the current frame's background (row 0: none), as one edit.
    bool choose(int row);

private:
    std::vector<QString> snapshot() const override;
};

} // namespace lw
