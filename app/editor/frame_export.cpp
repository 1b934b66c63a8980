#include "app/editor/frame_export.h"

#include "app/editor/editor_questions.h"
#include "model/frame_list.h"
#include "model/picture_export.h"
#include "platform/application_names.h"
#include "platform/errors.h"
#include "platform/ui_port.h"

#include <QCoreApplication>
#include <filesystem>

namespace lw {
namespace {

namespace fs = std::filesystem;

QString translated(const char* text)
{
    return QCoreApplication::translate("FrameExport", text);
}

} // namespace

std::string exportFrameDefaultName(const CLWDoc& doc, const std::string& caption)
{
    const fs::path source(doc.pathName.empty() ? doc.title : doc.pathName);
    const fs::path base = source.parent_path() / source.stem();
    return base.string() + "(" + caption + ")";
}

FileQuestion exportFrameQuestion(const CLWDoc& doc, const CFrame& frame)
{
    FileQuestion question;
    question.title = translated("Сохратить этот кадр  ").toStdString();
    question.filters = {{"Compuserve GIF", "*.gif"}, {"JPEG", "*.jpg"}, {"Windows Bitmap", "*.bmp"}};
    question.defaultName = exportFrameDefaultName(doc, frameCaption(doc.animation, frame));
    // No default extension: the chosen filter gives it (exportFrameFileName).
    return question;
}

std::string exportFrameFileName(const std::string& chosen, int filter)
{
    if (fs::path(chosen).has_extension())
        return chosen;
    static const char* const extensions[] = {"gif", "jpg", "bmp"};
    const char* extension = filter >= 0 && filter < 3 ? extensions[filter] : extensions[0];
    return chosen + "." + extension;
}

FrameExportOutcome exportFrame(CLWDoc& doc, CFrame& frame, PictureUiPort& ui, EditorQuestions& questions)
{
    const auto choice = questions.askSaveChoice(exportFrameQuestion(doc, frame));
    if (!choice || choice->path.empty())
        return FrameExportOutcome::Cancelled;
    const std::string path = exportFrameFileName(choice->path, choice->filter);
    try {
        return ExportPicture(frame, path, ui) ? FrameExportOutcome::Written : FrameExportOutcome::NotWritten;
    } catch (const FileError& e) {
        ui.messageBox(Message{translated("Не удаётся записать файл %1.\n%2")
                                  .arg(QString::fromStdString(path), QString::fromUtf8(e.what()))
                                  .toStdString(),
                              kApplicationTitle, MsgIcon::Error, MsgButtons::Ok});
        return FrameExportOutcome::Failed;
    }
}

} // namespace lw
