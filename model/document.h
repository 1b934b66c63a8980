#pragma once
// CLWDoc: one open document, free of any window framework: the modified flag, path name and
// title the editor shows, the text font new labels start with, the animation, and a pending
// picture import. The framework-level rules (new document, save, open) are plain functions here
// so that the editor, lwtool and the tests share them.
#include "model/animation.h"
#include "model/document_observer.h"
#include "platform/log_font.h"

#include <optional>
#include <string>
#include <vector>

namespace lw {

class EditScope;
class Settings;

class CLWDoc {
public:
    CLWDoc() = default;
    CLWDoc(const CLWDoc&) = delete;
    CLWDoc& operator=(const CLWDoc&) = delete;

    // Changes only through an EditScope (markModified, markSaved), which announces it.
    bool modified() const { return modified_; }

    // Observers are not owned; one removes itself before it goes.
    void addObserver(DocumentObserver& observer);
    void removeObserver(DocumentObserver& observer);

    std::string pathName;
    std::string title;
    LogFont textFont = LogFont::documentDefault();
    CAnimation animation;
    std::string importPath;

private:
    friend class EditScope;
    void notify(const DocumentEvent& event) const;

    bool modified_ = false;
    std::vector<DocumentObserver*> observers_;
    EditScope* openScope_ = nullptr; // the outermost scope while an edit runs
};

// Stores the title in the animation, then in the document.
void setDocumentTitle(CLWDoc& doc, const std::string& title);

// The running names of documents without a file of their own: new documents, and documents opened
// from GIF or picture files (Save asks them for a name): "Безымянный-1", "Безымянный-2", … One
// counter per application, so two windows never show the same name.
class UntitledNames {
public:
    std::string next();

private:
    int count_ = 0;
};

// Profile defaults of a new document.
inline constexpr int kDefaultNewWidth = 486;
inline constexpr int kDefaultNewHeight = 60;
inline constexpr std::uint32_t kDefaultNewColour = 0xFFFFFF;
// Applies Frame/Width, Frame/Height and Frame/Color from the settings store to a fresh document.
// Out-of-range stored sizes fall back to the defaults.
void applyNewDocumentDefaults(CLWDoc& doc, const Settings& settings);

// Before closing with unsaved changes: a path that is not an .lwd file is cleared so that the
// save asks for a name.
void prepareSaveModified(CLWDoc& doc);

// The path a save should use after clone references are prepared: none when the document has not
// been loaded from or saved to an .lwd file yet (the editor then asks for a name).
std::optional<std::string> prepareDoSave(CLWDoc& doc);

// After a successful open of `openedPath` (which becomes the path name): an .lwd file marks the
// animation as saved as a document and names it by its file name; any other file gets ".lwd"
// appended to the path name and the next untitled name.
void afterOpenDocument(CLWDoc& doc, const std::string& openedPath, UntitledNames& untitled);

// The canvas-size command's accepted range and its effect.
inline constexpr int kMinCanvasDialogSide = 1;
inline constexpr int kMaxCanvasDialogSide = 1200;
// Applies a new canvas size from the dialog: resizes, marks modified and forgets the GIF's file
// size. False (nothing changes) when a side is outside 1…1200.
bool applyCanvasSize(CLWDoc& doc, int width, int height);

} // namespace lw
