#include "app/editor/command_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QIcon>

namespace lw {

CommandActions::CommandActions(QObject* parent) : QObject(parent)
{
    auto* tools = new QActionGroup(this);
    auto* brushes = new QActionGroup(this);
    for (const CommandRow& row : commandTable()) {
        auto* action = new QAction(QString::fromStdString(commandText(row, state_)), this);
        QList<QKeySequence> keys;
        for (const char* key : row.keys)
            if (key)
                keys << QKeySequence::fromString(key, QKeySequence::PortableText);
        action->setShortcuts(keys);
        const QString tip = QString::fromStdString(commandTip(row));
        action->setToolTip(tip);
        action->setStatusTip(tip);
        if (row.icon) {
            const QString file = QStringLiteral(":/icons/%1.svg").arg(row.icon);
            if (QFile::exists(file))
                action->setIcon(QIcon(file));
        }
        action->setCheckable(row.check != CheckGroup::None);
        if (row.check == CheckGroup::Tool)
            tools->addAction(action);
        else if (row.check == CheckGroup::Brush)
            brushes->addAction(action);
        action->setData(row.id);
        connect(action, &QAction::triggered, this, [this, id = row.id] { run(id); });
        actions_[row.id] = action;
    }
    refresh(state_);
}

CommandActions::~CommandActions() = default;

QAction* CommandActions::action(int id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CommandActions::setHandler(int id, std::function<void()> handler)
{
    handlers_[id] = std::move(handler);
    if (QAction* a = action(id); a && findCommand(id))
        a->setEnabled(commandEnabled(*findCommand(id), state_));
}

void CommandActions::refresh(const EditorState& state)
{
    state_ = state;
    for (const CommandRow& row : commandTable()) {
        QAction* a = actions_.at(row.id);
        a->setEnabled(hasHandler(row.id) && commandEnabled(row, state));
        if (a->isCheckable())
            a->setChecked(commandChecked(row, state));
        if (row.dynamicText) {
            const std::string text = commandText(row, state);
            a->setVisible(!text.empty());
            a->setText(QString::fromStdString(text));
        }
    }
}

void CommandActions::run(int id)
{
    const auto found = handlers_.find(id);
    const CommandRow* row = findCommand(id);
    // A key can reach an action between two refreshes; the rules are asked again.
    if (found == handlers_.end() || !row || !commandEnabled(*row, state_))
        return;
    found->second();
    Q_EMIT commandDone(id);
}

} // namespace lw
