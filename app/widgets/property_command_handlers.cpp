#include "app/widgets/property_command_handlers.h"

#include "app/editor/command_actions.h"
#include "app/editor/property_commands.h"
#include "app/widgets/bitmap_shape_dialog.h"
#include "app/widgets/font_dialog.h"
#include "app/widgets/main_window.h"
#include "app/widgets/shape_style_dialogs.h"
#include "app/widgets/symbol_dialog.h"
#include "app/widgets/symbol_import_dialog.h"
#include "app/widgets/text_dialog.h"

#include <QAction>
#include <memory>

namespace lw {

namespace {

class QtPropertyQuestions : public PropertyQuestions {
public:
    explicit QtPropertyQuestions(QWidget* parent) : parent_(parent) {}

    std::optional<TextProperties> askText(const TextProperties& start) override
    {
        return TextDialog::ask(parent_, start);
    }
    std::optional<LogFont> askFont(const LogFont& start) override { return lw::askFont(parent_, start); }
    std::optional<RectangleStyle> askRectangleStyle(const RectangleStyle& start) override
    {
        return RectangleStyleDialog::ask(parent_, start);
    }
    std::optional<int> askEllipseStyle(int start) override { return EllipseStyleDialog::ask(parent_, start); }
    std::optional<BitmapShape> askBitmapShape(const CRaster& pixels, const BitmapShape& start) override
    {
        return BitmapShapeDialog::ask(parent_, pixels, start);
    }
    std::optional<SymbolChoice> askSymbol(const SymbolQuestion& question) override
    {
        return SymbolDialog::ask(parent_, question);
    }
    SymbolImport askSymbolImport() override { return SymbolImportDialog::ask(parent_); }

private:
    QWidget* parent_;
};

} // namespace

void installPropertyCommands(CommandActions& actions, MainWindow& window, UiPort& ui)
{
    auto questions = std::make_shared<QtPropertyQuestions>(&window);
    // A command run from here sees the state the insertion left (a text layer selected alone).
    auto runCommand = [&actions, &window](int id) {
        window.refreshCommands();
        if (QAction* action = actions.action(id); action && action->isEnabled())
            action->trigger();
    };
    for (int id : propertyCommandIds())
        actions.setHandler(id, [&window, &ui, questions, runCommand, id] {
            DocumentSession* session = window.activeDocument();
            if (!session)
                return;
            PropertyContext context{*session, ui, *questions, runCommand};
            runPropertyCommand(id, context);
        });
}

} // namespace lw
