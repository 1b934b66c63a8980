#include "app/widgets/qt_tool_host.h"

#include "app/editor/command_actions.h"
#include "app/editor/context_menus.h"
#include "app/widgets/colour_dialog.h"
#include "app/widgets/main_window.h"
#include "app/widgets/shape_style_dialogs.h"
#include "app/widgets/text_dialog.h"
#include "platform/application_names.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

namespace lw {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

MainWindow* mainWindowOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* main = qobject_cast<MainWindow*>(w))
            return main;
    return nullptr;
}

} // namespace

QtToolHost::QtToolHost(QWidget* view) : view_(view), ui_([view] { return view; }) {}

void QtToolHost::information(const std::string& text)
{
    QMessageBox::information(view_, QString::fromUtf8(kApplicationTitle), qs(text));
}

bool QtToolHost::askYesNo(const std::string& text)
{
    return QMessageBox::question(view_, QString::fromUtf8(kApplicationTitle), qs(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<TextProperties> QtToolHost::askText(const TextProperties& start)
{
    return TextDialog::ask(view_, start);
}

std::optional<GradientSettings> QtToolHost::askGradient(const GradientSettings& start)
{
    return GradientDialog::ask(view_, start);
}

std::optional<int> QtToolHost::askEllipseStyle(int start)
{
    return EllipseStyleDialog::ask(view_, start);
}

std::optional<std::uint32_t> QtToolHost::askColour(const std::string& caption, std::uint32_t start)
{
    return ColourDialog::ask(view_, start, qs(caption), true);
}

CommandActions* QtToolHost::actions() const
{
    MainWindow* main = mainWindowOf(view_);
    return main ? &main->commands() : nullptr;
}

void QtToolHost::openContextMenu(ContextPopupKind popup, QPoint window)
{
    CommandActions* table = actions();
    if (!table)
        return;
    QMenu menu(view_);
    for (int id : contextPopupCommands(popup)) {
        if (id == 0)
            menu.addSeparator();
        else if (QAction* action = table->action(id))
            menu.addAction(action);
    }
    menu.exec(view_->mapToGlobal(window));
}

void QtToolHost::runCommand(int id)
{
    if (CommandActions* table = actions())
        if (QAction* action = table->action(id); action && action->isEnabled())
            action->trigger();
}

int QtToolHost::brushSize() const
{
    MainWindow* main = mainWindowOf(view_);
    return main ? main->brushIndex() : 0;
}

} // namespace lw
