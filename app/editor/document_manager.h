#pragma once
// The open documents and the file commands on them: new, open (by path, through the two open
// dialogs, from the recent list), save, save as and close, with the recent-file list and the
// running untitled names. Failures are reported through UiPort and leave every other document
// (and the file on disk) as it was.
#include "app/editor/document_session.h"
#include "app/editor/recent_files.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lw {

class EditorQuestions;
class EffectCatalog;
class Settings;
class PictureUiPort;

class DocumentManager : public QObject {
    Q_OBJECT
public:
    DocumentManager(Settings& settings, const EffectCatalog& catalog, PictureUiPort& ui,
                    EditorQuestions& questions);
    ~DocumentManager() override;

    // A new document with the stored frame size and colour, named "Безымянный-N".
    DocumentSession* newDocument();
    // The same, built by `build` (frames, pictures) before its window opens.
    DocumentSession* newDocument(const std::function<void(CLWDoc&)>& build);
    // Opens a file by its extension; a document already open from that file is brought back
    // instead. Null (after a message) when the file cannot be opened.
    DocumentSession* openDocument(const std::string& path);
    // The editor's open dialog (six filters) and the plain .lwd one; null when cancelled or failed.
    DocumentSession* openWithDialog();
    DocumentSession* openLwdWithDialog();
    // The recent-file list's entry `slot`; a file that has gone leaves the list.
    DocumentSession* openRecent(int slot);

    // Saves to the document's .lwd path, or asks for one (documents never saved and those opened
    // from a GIF or picture). False when cancelled or failed; the document then stays modified.
    bool save(DocumentSession& session);
    bool saveAs(DocumentSession& session);
    // Asks about unsaved changes (Yes saves, No drops them, Cancel keeps the document open);
    // true when the document was closed.
    bool close(DocumentSession& session);
    // Closes every document in turn; false when one of them was kept.
    bool closeAll();

    const std::vector<std::unique_ptr<DocumentSession>>& documents() const { return documents_; }
    const RecentFiles& recentFiles() const { return recent_; }
    // Marks a document modified (or not) and tells the windows.
    void setModified(DocumentSession& session, bool modified);

    // The texts of the messages this class shows (%1 is the file or document name).
    static const char* saveChangesText();
    static const char* openFailedText();
    static const char* saveFailedText();

Q_SIGNALS:
    void documentAdded(lw::DocumentSession* session);
    void documentActivated(lw::DocumentSession* session); // an already open document was asked for
    void documentClosing(lw::DocumentSession* session);
    void documentChanged(lw::DocumentSession* session); // name or modified flag
    void recentFilesChanged();

private:
    DocumentSession* adopt(std::unique_ptr<DocumentSession> session);
    void remember(const std::string& path);
    bool writeTo(DocumentSession& session, const std::string& path);

    Settings& settings_;
    const EffectCatalog& catalog_;
    PictureUiPort& ui_;
    EditorQuestions& questions_;
    RecentFiles recent_;
    UntitledNames untitled_;
    std::vector<std::unique_ptr<DocumentSession>> documents_;
};

} // namespace lw
