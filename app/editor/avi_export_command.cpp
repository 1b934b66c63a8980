#include "app/editor/avi_export_command.h"

#include "app/editor/preview_command.h"
#include "app/editor/wait_cursor.h"
#include "platform/application_names.h"
#include "platform/errors.h"
#include "platform/ui_port.h"

#include <QCoreApplication>

namespace lw {
namespace {

void reportFailure(UiPort& ui, const std::string& path, const std::string& reason)
{
    const QString text = QCoreApplication::translate("AviExport", aviWriteFailedText())
                             .arg(QString::fromStdString(path), QString::fromStdString(reason));
    ui.messageBox(Message{text.toStdString(), kProductName, MsgIcon::Error, MsgButtons::Ok});
}

} // namespace

const char* aviWriteFailedText()
{
    return QT_TRANSLATE_NOOP("AviExport", "Не удаётся записать AVI-файл %1.\n%2");
}

FileQuestion aviSaveQuestion(const CLWDoc& doc)
{
    FileQuestion question;
    question.title = QCoreApplication::translate("AviExport", "Экспорт AVI  ...").toStdString();
    question.filters = {{"Video for Windows", "*.avi"}};
    question.defaultName = defaultAviName(doc.animation.sourcePath, doc.pathName, doc.title);
    question.defaultExtension = "avi";
    return question;
}

AviExportOutcome exportDocumentAvi(CLWDoc& doc, const ExtensionHost& host, UiPort& ui,
                                   EditorQuestions& questions, const AviExportSteps& steps)
{
    const auto chosen = questions.askSavePath(aviSaveQuestion(doc));
    if (!chosen || chosen->empty())
        return AviExportOutcome::Cancelled;
    const std::string path = withAviExtension(*chosen);
    std::vector<AviCodec> codecs;
    try {
        codecs = aviCodecs();
    } catch (const AviError& e) {
        reportFailure(ui, path, e.what());
        return AviExportOutcome::Failed;
    }
    const auto codec =
        steps.chooseCodec ? steps.chooseCodec(codecs) : std::optional<std::string>(kDefaultAviCodec);
    if (!codec)
        return AviExportOutcome::Cancelled;
    try {
        FrameSequence sequence;
        {
            const WaitCursor wait;
            sequence = buildPreviewSequence(doc, host, PreviewRange::Whole, *doc.animation.firstFrame);
        }
        if (sequence.empty())
            return AviExportOutcome::NothingToExport;
        exportAvi(sequence, path, *codec, steps.progress);
    } catch (const AviCancelled&) {
        return AviExportOutcome::Cancelled;
    } catch (const AviError& e) {
        reportFailure(ui, path, e.what());
        return AviExportOutcome::Failed;
    } catch (const MemoryError& e) {
        reportFailure(ui, path, e.what());
        return AviExportOutcome::Failed;
    }
    return AviExportOutcome::Written;
}

} // namespace lw
