#include "app/editor/text_dialog_model.h"

#include "model/text_object.h"
#include "platform/cp1251.h"

#include <QCoreApplication>
#include <algorithm>

namespace lw {

namespace {

std::string tr(const char* text)
{
    return QCoreApplication::translate("TextDialog", text).toStdString();
}

} // namespace

TextProperties TextProperties::of(const CTextObject& label)
{
    TextProperties p;
    p.text = label.text;
    p.font = label.font;
    // Stored values outside the lists show as their first entry.
    p.alignment = label.alignment >= 0 && label.alignment <= 2 ? label.alignment : 0;
    p.outlineWidth = std::clamp<int>(label.outlineWidth, 0, TextDialogModel::kMaxOutline);
    p.smoothing = label.antialiased != 0;
    return p;
}

void TextProperties::applyTo(CTextObject& label) const
{
    label.text = text;
    label.font = font;
    label.alignment = alignment;
    label.outlineWidth = static_cast<std::int16_t>(outlineWidth);
    label.antialiased = smoothing ? 1 : 0;
    label.Render();
}

TextDialogModel::TextDialogModel(TextProperties start) : values(std::move(start)) {}

bool TextDialogModel::alignmentEnabled(const std::string& text)
{
    return text.find('\n') != std::string::npos;
}

std::vector<std::string> TextDialogModel::alignmentNames()
{
    return {tr("слева"), tr("по центру"), tr("справа")};
}

std::vector<std::string> TextDialogModel::outlineNames()
{
    std::vector<std::string> names{tr("<нет>")};
    for (int n = 1; n <= kMaxOutline; ++n)
        names.push_back(QCoreApplication::translate("TextDialog", "%1 px").arg(n).toStdString());
    return names;
}

void TextDialogModel::setText(const std::string& utf8)
{
    values.text = cp1251ToUtf8(utf8ToCp1251(utf8));
}

std::optional<std::string> TextDialogModel::refusal() const
{
    if (values.text.empty())
        return tr(kEnterPictureText);
    return std::nullopt;
}

} // namespace lw
