#include "app/widgets/print_commands.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/widgets/contact_sheet_printer.h"
#include "app/widgets/main_window.h"
#include "platform/application_names.h"
#include "platform/ui_port.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>

namespace lw {
namespace {

// The printer the commands share; the window owns it.
class SharedPrinter : public QObject {
public:
    explicit SharedPrinter(QObject* parent) : QObject(parent) {}
    QPrinter printer{QPrinter::HighResolution};
};

// The framework's preparation: the frames' pending edits go into their finished images first.
CLWDoc* prepared(MainWindow& window)
{
    DocumentSession* session = window.activeDocument();
    if (!session)
        return nullptr;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    commitAllFrames(session->doc);
    QApplication::restoreOverrideCursor();
    return &session->doc;
}

void print(QPrinter& printer, const CLWDoc& doc, UiPort& ui)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = printContactSheet(printer, doc);
    QApplication::restoreOverrideCursor();
    if (!printed)
        ui.messageBox(Message{
            QApplication::translate("Printing", "Печать не удалась: принтер недоступен.").toStdString(),
            kProductName, MsgIcon::Error, MsgButtons::Ok});
}

} // namespace

void installPrintCommands(CommandActions& actions, MainWindow& window, UiPort& ui)
{
    MainWindow* w = &window;
    UiPort* port = &ui;
    QPrinter* printer = &(new SharedPrinter(w))->printer;

    actions.setHandler(cmd::Print, [w, port, printer] {
        CLWDoc* doc = prepared(*w);
        if (!doc)
            return;
        QPrintDialog dialog(printer, w);
        dialog.setMinMax(1, contactSheetFor(*printer, *doc).pageCount());
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        if (dialog.exec() == QDialog::Accepted)
            print(*printer, *doc, *port);
    });
    actions.setHandler(cmd::PrintPreview, [w, printer] {
        CLWDoc* doc = prepared(*w);
        if (!doc)
            return;
        QPrintPreviewDialog preview(printer, w);
        preview.setWindowTitle(QApplication::translate("Printing", "Предпросмотр"));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [doc](QPrinter* target) { printContactSheet(*target, *doc); });
        preview.exec();
    });
    actions.setHandler(cmd::PrintSetup, [w, printer] {
        QPageSetupDialog dialog(printer, w);
        dialog.exec();
    });
}

} // namespace lw
