#pragma once
// The dialogs of the object-property commands (text, font, shape style, symbol), apart from the
// windows: the widgets answer with dialogs, tests with ScriptedPropertyQuestions. Nothing means
// Cancel.
#include "app/editor/bitmap_shape_model.h"
#include "app/editor/text_dialog_model.h"
#include "app/editor/view_settings.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lw {

// "Вставка символа": the symbol families, the one shown first, and "Сгладить".
struct SymbolQuestion {
    std::vector<std::string> families;
    std::string face;
    bool smoothing = true;
};
struct SymbolChoice {
    std::string face;
    int code = 0; // 33 … 256
    bool smoothing = true;
};
// "Импорт символа": the inserted symbol stays text or becomes a bitmap.
enum class SymbolImport { AsText, ToBitmap };

class PropertyQuestions {
public:
    virtual ~PropertyQuestions() = default;
    virtual std::optional<TextProperties> askText(const TextProperties& start) = 0;
    // The desktop's font dialog "Выбор шрифта".
    virtual std::optional<LogFont> askFont(const LogFont& start) = 0;
    virtual std::optional<RectangleStyle> askRectangleStyle(const RectangleStyle& start) = 0;
    virtual std::optional<int> askEllipseStyle(int start) = 0;
    virtual std::optional<BitmapShape> askBitmapShape(const CRaster& pixels, const BitmapShape& start) = 0;
    virtual std::optional<SymbolChoice> askSymbol(const SymbolQuestion& question) = 0;
    virtual SymbolImport askSymbolImport() = 0;
};

// Each question answers through its function; an unset function cancels (the symbol import
// keeps the text).
class ScriptedPropertyQuestions : public PropertyQuestions {
public:
    std::function<std::optional<TextProperties>(const TextProperties&)> text;
    std::function<std::optional<LogFont>(const LogFont&)> font;
    std::function<std::optional<RectangleStyle>(const RectangleStyle&)> rectangleStyle;
    std::function<std::optional<int>(int)> ellipseStyle;
    std::function<std::optional<BitmapShape>(const BitmapShape&)> bitmapShape;
    std::function<std::optional<SymbolChoice>(const SymbolQuestion&)> symbol;
    SymbolImport symbolImport = SymbolImport::AsText;

    std::optional<TextProperties> askText(const TextProperties& s) override { return call(text, s); }
    std::optional<LogFont> askFont(const LogFont& s) override { return call(font, s); }
    std::optional<RectangleStyle> askRectangleStyle(const RectangleStyle& s) override
    {
        return call(rectangleStyle, s);
    }
    std::optional<int> askEllipseStyle(int s) override { return call(ellipseStyle, s); }
    std::optional<BitmapShape> askBitmapShape(const CRaster&, const BitmapShape& s) override
    {
        return call(bitmapShape, s);
    }
    std::optional<SymbolChoice> askSymbol(const SymbolQuestion& q) override { return call(symbol, q); }
    SymbolImport askSymbolImport() override { return symbolImport; }

private:
    template <class F, class Arg> static auto call(const F& f, const Arg& arg) -> decltype(f(arg))
    {
        if (!f)
            return std::nullopt;
        return f(arg);
    }
};

} // namespace lw
