#include "app/editor/gif_save_command.h"

#include "app/editor/editor_questions.h"
#include "app/editor/wait_cursor.h"
#include "engine/animation_compiler.h"
#include "imaging/picture_questions.h"
#include "model/frame_list.h"
#include "output/gif_export.h"
#include "output/html_page.h"
#include "platform/application_names.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <algorithm>

namespace lw {
namespace {

void reportFailure(UiPort& ui, const std::string& path, const std::string& reason)
{
    const QString text = QCoreApplication::translate("GifSave", gifWriteFailedText())
                             .arg(QString::fromStdString(path), QString::fromStdString(reason));
    ui.messageBox(Message{text.toStdString(), kApplicationTitle, MsgIcon::Error, MsgButtons::Ok});
}

} // namespace

const char* gifWriteFailedText()
{
    return QT_TRANSLATE_NOOP("GifSave", "Не удаётся записать GIF-файл %1.\n%2");
}

std::string defaultGifName(const CLWDoc& doc)
{
    return defaultGifName(doc.animation.sourcePath, doc.pathName, doc.title);
}

FileQuestion gifSaveAsQuestion(const CLWDoc& doc)
{
    FileQuestion question;
    question.title = AnimationCompiler::producesAnimation(doc.animation)
                         ? QCoreApplication::translate("GifSave", "Сохранить как    ").toStdString()
                         : QCoreApplication::translate("GifSave", "Сохранить GIF").toStdString();
    question.filters = {{"Compuserve GIF", "*.gif"}};
    question.defaultName = doc.animation.sourcePath;
    question.defaultExtension = "gif";
    return question;
}

std::unique_ptr<GifAnimation> buildDocumentGif(CLWDoc& doc, const ExtensionHost& host)
{
    const WaitCursor wait;
    CAnimation& animation = doc.animation;
    animation.RenderAllFrames();
    const AnimationCompiler compiler(host);
    compiler.compile(animation);
    auto gif = gifFromSequence(compiler.buildSequence(animation));
    if (!gif || gif->frameCount() == 0)
        return nullptr;
    return gif;
}

namespace {

GifSaveSettings settingsOf(const GifSaveAnswer& answer)
{
    GifSaveSettings settings;
    settings.colours = std::clamp(answer.colourCount, 1, 256);
    settings.optimise = answer.optimise;
    if (answer.transparent)
        settings.transparentColour = rasterColourFromFrameColour(answer.transparentColour);
    return settings;
}

} // namespace

GifPreview buildGifPreview(CLWDoc& doc, const ExtensionHost& host, const GifSaveAnswer& answer)
{
    GifPreview preview;
    preview.gif = buildDocumentGif(doc, host);
    if (!preview.gif)
        return preview;
    GifSaveSettings settings = settingsOf(answer);
    settings.transparentColour.reset();
    const GifSaveReport report = prepareGif(*preview.gif, settings);
    preview.bytes = report.bytes;
    preview.optimised = report.optimised;
    preview.gif->DecodeFrames();
    preview.gif->FramesToRasters();
    return preview;
}

GifSaveOutcome writeDocumentGif(CLWDoc& doc, const ExtensionHost& host, PictureUiPort& ui,
                                const std::string& path)
{
    CAnimation& animation = doc.animation;
    std::unique_ptr<GifAnimation> gif;
    try {
        gif = buildDocumentGif(doc, host);
    } catch (const MemoryError& e) {
        reportFailure(ui, path, e.what());
        return GifSaveOutcome::Failed;
    }
    if (!gif)
        return GifSaveOutcome::NothingToSave;

    GifSaveQuestion question;
    question.colourCount = gif->CountColours();
    question.animated = gif->animated != 0;
    question.transparentColour =
        animation.firstFrame ? animation.firstFrame->backgroundColour & 0x00FFFFFFu : 0;
    const auto answer = ui.askGifSave(question);
    if (!answer)
        return GifSaveOutcome::Cancelled;

    try {
        const WaitCursor wait;
        prepareGif(*gif, settingsOf(*answer));
        gif->SaveToFile(path);
    } catch (const FileError& e) {
        reportFailure(ui, path, e.what());
        return GifSaveOutcome::Failed;
    } catch (const MemoryError& e) {
        reportFailure(ui, path, e.what());
        return GifSaveOutcome::Failed;
    }
    return GifSaveOutcome::Written;
}

GifSaveOutcome saveGifAs(CLWDoc& doc, const ExtensionHost& host, PictureUiPort& ui,
                         EditorQuestions& questions)
{
    doc.animation.sourcePath = defaultGifName(doc);
    const auto path = questions.askSavePath(gifSaveAsQuestion(doc));
    if (!path || path->empty())
        return GifSaveOutcome::Cancelled;
    setDocumentTitle(doc, *path);
    rememberGifPath(doc.animation, *path);
    return writeDocumentGif(doc, host, ui, *path);
}

GifSaveOutcome saveGif(CLWDoc& doc, const ExtensionHost& host, PictureUiPort& ui, EditorQuestions& questions)
{
    if (const auto known = knownGifPath(doc.animation); known && !known->empty())
        return writeDocumentGif(doc, host, ui, *known);
    return saveGifAs(doc, host, ui, questions);
}

} // namespace lw
