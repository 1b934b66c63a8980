#pragma once
// The QActions of the command table: one per row, with its keys, icon, tips and check group.
// Whoever does a command's work registers a handler for it; a command without a handler shows
// but stays disabled (its work arrives later). refresh() applies the enable, check and text
// rules to an editor state before menus and bars show.
#include "app/editor/command_table.h"

#include <QObject>
#include <functional>
#include <map>

class QAction;
class QActionGroup;

namespace lw {

class CommandActions : public QObject {
    Q_OBJECT
public:
    explicit CommandActions(QObject* parent = nullptr);
    ~CommandActions() override;

    QAction* action(int id) const;
    void setHandler(int id, std::function<void()> handler);
    bool hasHandler(int id) const { return handlers_.count(id) != 0; }

    void refresh(const EditorState& state);
    const EditorState& lastState() const { return state_; }

Q_SIGNALS:
    // After a handler ran: the state may have changed.
    void commandDone(int id);

private:
    void run(int id);

    std::map<int, QAction*> actions_;
    std::map<int, std::function<void()>> handlers_;
    EditorState state_;
};

} // namespace lw
