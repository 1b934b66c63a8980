#include "app/editor/document_manager.h"

#include "app/editor/editor_questions.h"

#include "model/document_file.h"
#include "model/edit_scope.h"
#include "platform/application_names.h"
#include "platform/errors.h"
#include "platform/settings.h"
#include "platform/ui_port.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <filesystem>

namespace lw {
namespace {

namespace fs = std::filesystem;

std::string lowerExtension(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

std::string sameFile(const std::string& path)
{
    std::error_code ec;
    const auto absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::string translated(const char* text)
{
    return QCoreApplication::translate("DocumentManager", text).toStdString();
}

std::string format(const char* text, const std::string& name, const std::string& reason = {})
{
    const QString filled =
        QCoreApplication::translate("DocumentManager", text).arg(QString::fromStdString(name));
    return (reason.empty() ? filled : filled.arg(QString::fromStdString(reason))).toStdString();
}

} // namespace

const char* DocumentManager::saveChangesText()
{
    return QT_TRANSLATE_NOOP("DocumentManager", "Сохранить изменения в %1?");
}
const char* DocumentManager::openFailedText()
{
    return QT_TRANSLATE_NOOP("DocumentManager", "Не удаётся открыть документ %1.\n%2");
}
const char* DocumentManager::saveFailedText()
{
    return QT_TRANSLATE_NOOP(
        "DocumentManager",
        "Не удаётся сохранить документ %1.\n%2\nДокумент остаётся открытым, прежний файл не изменён.");
}

DocumentManager::DocumentManager(Settings& settings, const EffectCatalog& catalog, PictureUiPort& ui,
                                 EditorQuestions& questions)
    : settings_(settings), catalog_(catalog), ui_(ui), questions_(questions)
{
    recent_.load(settings_);
}

DocumentManager::~DocumentManager() = default;

DocumentSession* DocumentManager::adopt(std::unique_ptr<DocumentSession> session)
{
    session->goToFirstNormalFrame();
    documents_.push_back(std::move(session));
    DocumentSession* added = documents_.back().get();
    Q_EMIT documentAdded(added);
    return added;
}

void DocumentManager::remember(const std::string& path)
{
    recent_.add(path);
    recent_.store(settings_);
    settings_.sync();
    Q_EMIT recentFilesChanged();
}

DocumentSession* DocumentManager::newDocument()
{
    return newDocument({});
}

DocumentSession* DocumentManager::newDocument(const std::function<void(CLWDoc&)>& build)
{
    auto session = std::make_unique<DocumentSession>();
    applyNewDocumentDefaults(session->doc, settings_);
    setDocumentTitle(session->doc, untitled_.next());
    if (build)
        build(session->doc);
    return adopt(std::move(session));
}

DocumentSession* DocumentManager::openDocument(const std::string& given)
{
    // A path named relative to the working folder (a command line) is kept whole, so that the
    // recent files, the GIF name and later saves do not depend on where the editor was started.
    std::error_code absoluteError;
    const fs::path absolute = fs::absolute(given, absoluteError);
    const std::string path = absoluteError ? given : absolute.lexically_normal().string();
    const std::string wanted = sameFile(path);
    for (const auto& open : documents_)
        if (!open->doc.pathName.empty() && sameFile(open->doc.pathName) == wanted) {
            Q_EMIT documentActivated(open.get());
            return open.get();
        }

    // A fresh document: whatever goes wrong, nothing that is already open is touched.
    auto session = std::make_unique<DocumentSession>();
    CLWDoc& doc = session->doc;
    std::string reason;
    try {
        std::error_code ec;
        if (!fs::is_regular_file(path, ec))
            throw FileError(path, translated("файл не найден или не является файлом"));
        LoadDocument(doc, path, catalog_, ui_);
        afterOpenDocument(doc, path, untitled_);
        const bool isDocument = lowerExtension(path) == "lwd";
        // Pictures and GIF files count as never saved: Save asks for a name.
        if (!isDocument)
            doc.pathName.clear();
        CompletePendingImport(doc, ui_);
        doc.animation.RenderAllFrames();
        EditScope(doc, nullptr, UndoStep::Keep).markSaved();
    } catch (const ArchiveError& e) {
        reason = e.what();
    } catch (const FileError& e) {
        reason = e.what();
    } catch (const MemoryError& e) {
        reason = e.what();
    }
    if (!reason.empty()) {
        ui_.messageBox(Message{format(openFailedText(), path, reason), kApplicationTitle, MsgIcon::Error,
                               MsgButtons::Ok});
        return nullptr;
    }
    remember(path);
    return adopt(std::move(session));
}

DocumentSession* DocumentManager::openWithDialog()
{
    const auto path = questions_.askOpenPath(FileQuestion{"Open Document", openDocumentFilters(), {}, {}});
    return path ? openDocument(*path) : nullptr;
}

DocumentSession* DocumentManager::openLwdWithDialog()
{
    const auto path = questions_.askOpenPath(FileQuestion{translated("Открыть"), lwdFilters(), {}, {}});
    return path ? openDocument(*path) : nullptr;
}

DocumentSession* DocumentManager::openRecent(int slot)
{
    if (slot < 0 || slot >= static_cast<int>(recent_.paths().size()))
        return nullptr;
    const std::string path = recent_.paths()[slot];
    DocumentSession* opened = openDocument(path);
    if (!opened) {
        recent_.remove(path);
        recent_.store(settings_);
        Q_EMIT recentFilesChanged();
    }
    return opened;
}

bool DocumentManager::writeTo(DocumentSession& session, const std::string& path)
{
    std::string reason;
    try {
        session.doc.animation.PrepareCloneReferences();
        if (!SaveDocument(session.doc, path, ui_, settings_))
            return false;
    } catch (const FileError& e) {
        reason = e.what();
    } catch (const ArchiveError& e) {
        reason = e.what();
    } catch (const MemoryError& e) {
        reason = e.what();
    }
    if (!reason.empty()) {
        ui_.messageBox(Message{format(saveFailedText(), path, reason), kApplicationTitle, MsgIcon::Error,
                               MsgButtons::Ok});
        return false;
    }
    settings_.sync();
    session.doc.pathName = path;
    setDocumentTitle(session.doc, fs::path(path).filename().string());
    EditScope(session.doc, nullptr, UndoStep::Keep).markSaved();
    Q_EMIT documentChanged(&session);
    remember(path);
    return true;
}

bool DocumentManager::save(DocumentSession& session)
{
    const std::string& path = session.doc.pathName;
    if (path.empty() || lowerExtension(path) != "lwd")
        return saveAs(session);
    return writeTo(session, path);
}

bool DocumentManager::saveAs(DocumentSession& session)
{
    std::string proposal = session.doc.pathName;
    if (proposal.empty()) {
        proposal = session.doc.title;
        if (lowerExtension(proposal) != "lwd")
            proposal = fs::path(proposal).replace_extension(".lwd").string();
    }
    const auto path =
        questions_.askSavePath(FileQuestion{translated("Сохранить как"), lwdFilters(), proposal, "lwd"});
    if (!path)
        return false;
    std::string target = *path;
    if (lowerExtension(target).empty())
        target += ".lwd";
    return writeTo(session, target);
}

void DocumentManager::setModified(DocumentSession& session, bool modified)
{
    if (session.doc.modified() == modified)
        return;
    {
        EditScope edit(session.doc, nullptr, UndoStep::Keep);
        if (modified)
            edit.markModified();
        else
            edit.markSaved();
    }
    Q_EMIT documentChanged(&session);
}

bool DocumentManager::close(DocumentSession& session)
{
    if (session.doc.modified()) {
        const MsgResult answer =
            ui_.messageBox(Message{format(saveChangesText(), session.displayName()), kApplicationTitle,
                                   MsgIcon::Warning, MsgButtons::YesNoCancel});
        if (answer == MsgResult::Cancel)
            return false;
        if (answer == MsgResult::Yes && !save(session))
            return false;
    }
    const auto it = std::find_if(documents_.begin(), documents_.end(),
                                 [&session](const auto& open) { return open.get() == &session; });
    if (it == documents_.end())
        return false;
    Q_EMIT documentClosing(&session);
    documents_.erase(it);
    return true;
}

bool DocumentManager::closeAll()
{
    while (!documents_.empty())
        if (!close(*documents_.front()))
            return false;
    return true;
}

} // namespace lw
