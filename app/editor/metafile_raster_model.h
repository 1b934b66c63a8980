#pragma once
// "Metafile Raster": the size a metafile is rendered at. Width and height (1 … 1200) are linked by
// the ratio width / height taken when the dialog opens: typing one sets the other, truncated.
#include "app/editor/number_field.h"
#include "imaging/picture_questions.h"

#include <QString>

#include <variant>

namespace lw {

class MetafileRasterModel {
public:
    enum Field { Width, Height };

    explicit MetafileRasterModel(const MetafileRasterQuestion& question);

    const QString& widthText() const { return widthText_; }
    const QString& heightText() const { return heightText_; }
    // A typed width sets the height (and the other way round) while the text is a number;
    // the other field is left alone while it is not.
    void typeWidth(const QString& text);
    void typeHeight(const QString& text);
    bool rememberForAll() const { return remember_; }
    void setRememberForAll(bool remember) { remember_ = remember; }

    std::variant<MetafileRasterAnswer, FieldRefusal> accept() const;

private:
    double ratio_ = 1.0;
    QString widthText_;
    QString heightText_;
    bool remember_ = true;
};

} // namespace lw
