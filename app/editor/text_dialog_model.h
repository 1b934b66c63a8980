#pragma once
// "Правка текста": the text of a label with its font, alignment, outline and smoothing, as the
// text tool and the text command show them. The dialog reads the values on open and writes them
// back on OK; an empty text refuses OK.
#include "model/document_limits.h"
#include "platform/log_font.h"

#include <optional>
#include <string>
#include <vector>

namespace lw {

class CTextObject;

struct TextProperties {
    std::string text; // UTF-8, lines separated by line feeds
    LogFont font = LogFont::documentDefault();
    int alignment = 0;    // 0 left, 1 centre, 2 right (several lines only)
    int outlineWidth = 0; // 0 filled, 1 … 10 outline pen in pixels
    bool smoothing = true;
    bool operator==(const TextProperties&) const = default;

    static TextProperties of(const CTextObject& label);
    // Sets the label's fields and renders it again.
    void applyTo(CTextObject& label) const;
};

class TextDialogModel {
public:
    static constexpr int kMaxOutline = kMaxOutlineWidth; // what documents keep

    explicit TextDialogModel(TextProperties start);

    TextProperties values;

    // Takes the typed text as the document will keep it: characters its code page cannot hold
    // become '?' now, so that the label shows what a save writes.
    void setText(const std::string& utf8);

    // "Выравнивание:" counts only for text of several lines.
    static bool alignmentEnabled(const std::string& text);
    // "слева", "по центру", "справа".
    static std::vector<std::string> alignmentNames();
    // "<нет>", then "1 px" … "10 px": the list index is the width.
    static std::vector<std::string> outlineNames();

    // What OK shows instead of closing: "Введите текст рисунка. " for an empty text.
    std::optional<std::string> refusal() const;
};

inline constexpr const char* kEnterPictureText = "Введите текст рисунка. ";

} // namespace lw
