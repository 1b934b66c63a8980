#include "app/widgets/qt_tool_host.h"

#include "app/editor/command_actions.h"
#include "app/editor/context_menus.h"
#include "app/widgets/colour_dialog.h"
#include "app/widgets/main_window.h"
#include "app/widgets/shape_style_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

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

std::optional<TextAnswer> QtToolHost::askText(const TextAnswer& start)
{
    QDialog dialog(view_);
    dialog.setWindowTitle(QCoreApplication::translate("CanvasView", "Правка текста"));
    auto* edit = new QPlainTextEdit(qs(start.text), &dialog);
    auto* smooth = new QCheckBox(QCoreApplication::translate("CanvasView", "Сгладить"), &dialog);
    smooth->setChecked(start.smoothing);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(smooth);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return TextAnswer{edit->toPlainText().toStdString(), smooth->isChecked()};
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
