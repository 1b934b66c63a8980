#pragma once
// "Импортирование GIF-файла": the frame count and size of an animated GIF, "Все кадры файла" and
// the choice "В полном объёме" / "Оптимизировать", which only matters while all frames are taken.
#include "imaging/picture_questions.h"

#include <QString>

namespace lw {

class GifImportModel {
public:
    explicit GifImportModel(const GifImportQuestion& question) : question_(question) {}

    QString framesText() const;
    QString sizeText() const;
    bool allFrames() const { return answer_.allFrames; }
    void setAllFrames(bool all) { answer_.allFrames = all; }
    bool modeEnabled() const { return answer_.allFrames; }
    GifImportMode mode() const { return answer_.mode; }
    void setMode(GifImportMode mode) { answer_.mode = mode; }

    GifImportAnswer accept() const { return answer_; }

private:
    GifImportQuestion question_;
    GifImportAnswer answer_;
};

} // namespace lw
