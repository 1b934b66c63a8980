#include "app/widgets/command_line_printing.h"

#include "app/widgets/contact_sheet_printer.h"
#include "filters/scripted_ui_port.h"
#include "model/document_file.h"
#include "model/effect_catalog.h"
#include "platform/errors.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>
#include <filesystem>

namespace lw {
namespace {

// Printing shows finished images only; effect assignments are irrelevant and kept.
class EveryEffect : public EffectCatalog {
public:
    bool isInstalled(std::int32_t) const override { return true; }
};

// Messages the reader raises go to standard error; questions take their first answer.
class StderrUiPort : public ScriptedUiPort {
public:
    MsgResult messageBox(const Message& message) override
    {
        std::fprintf(stderr, "lw: %s\n", message.text.c_str());
        return ScriptedUiPort::messageBox(message);
    }
};

bool choosePrinter(QPrinter& printer, const EditorCommandLine& line)
{
    if (line.action == EditorCommandLine::Action::Print) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            std::fputs("lw: no default printer is installed\n", stderr);
            return false;
        }
        printer.setPrinterName(info.printerName());
        return true;
    }
    const QString name = QString::fromStdString(line.printer);
    if (!QPrinterInfo::printerInfo(name).isNull()) {
        printer.setPrinterName(name);
        return true;
    }
    if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(name);
        return true;
    }
    std::fprintf(stderr, "lw: no printer named %s\n", line.printer.c_str());
    return false;
}

} // namespace

int printFromCommandLine(const EditorCommandLine& line)
{
    const std::string& path = line.files.front();
    CLWDoc doc;
    StderrUiPort ui;
    try {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec))
            throw FileError(path, "no such file");
        LoadDocument(doc, path, EveryEffect{}, ui);
        UntitledNames untitled;
        afterOpenDocument(doc, path, untitled);
        CompletePendingImport(doc, ui);
        doc.animation.RenderAllFrames();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lw: %s was not printed: %s\n", path.c_str(), e.what());
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer, line))
        return 1;
    if (!printContactSheet(printer, doc)) {
        std::fprintf(stderr, "lw: the printer could not be started; %s was not printed\n", path.c_str());
        return 1;
    }
    return 0;
}

} // namespace lw
