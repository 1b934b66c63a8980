#pragma once
// The questions pictures raise on their way in and out: the size a metafile is rendered at, how an
// animated GIF becomes document frames and how a picture is saved as GIF. PictureUiPort adds them
// to the platform's messages, numbers and colours.
#include "platform/ui_port.h"

#include <cstdint>
#include <optional>

namespace lw {

// "Metafile Raster": the size a metafile is rendered at. Width and height (1 … 1200) are linked
// by the ratio width / height taken when the dialog opens; "Запомнить для всех" starts checked and
// renders at twice the size.
struct MetafileRasterQuestion {
    int width = 0;
    int height = 0;
    bool rememberForAll = true;
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 1200;
    double ratio() const { return height != 0 ? static_cast<double>(width) / height : 1.0; }
    // What the dialog puts in the other field when one is typed (truncated).
    static int heightForWidth(int width, double ratio)
    {
        return ratio != 0 ? static_cast<int>(width / ratio) : width;
    }
    static int widthForHeight(int height, double ratio) { return static_cast<int>(height * ratio); }
};
struct MetafileRasterAnswer {
    int width = 0;
    int height = 0;
    bool rememberForAll = true;
};

// "Импортирование GIF-файла": how the frames of an animated GIF become document frames.
enum class GifImportMode { Full, Optimised };
struct GifImportQuestion {
    int frameCount = 0;
    long long sizeEstimate = 0;
};
struct GifImportAnswer {
    bool allFrames = true;                    // "Все кадры файла"
    GifImportMode mode = GifImportMode::Full; // "В полном объёме" / "Оптимизировать"
};

// "Настройки сохранения GIF файла": the colour count of the picture and whether it is an
// animation; the answer is the colour count to build the palette with, and for animations the
// transparent colour or frame optimisation.
struct GifSaveQuestion {
    int colourCount = 0;
    bool animated = false;
    std::uint32_t transparentColour = 0; // 0x00BBGGRR, the first frame's background
    // The count the dialog starts with: the whole palette below 256 colours, otherwise the
    // largest of 256, 128 … 4 that is below the count.
    int initialColourCount() const;
};
struct GifSaveAnswer {
    int colourCount = 0;
    bool optimise = true;
    bool transparent = false;
    std::uint32_t transparentColour = 0;
};

class PictureUiPort : public UiPort {
public:
    // Nothing when the user cancels.
    virtual std::optional<MetafileRasterAnswer> askMetafileRaster(const MetafileRasterQuestion& question) = 0;
    virtual std::optional<GifImportAnswer> askGifImport(const GifImportQuestion& question) = 0;
    virtual std::optional<GifSaveAnswer> askGifSave(const GifSaveQuestion& question) = 0;
};

} // namespace lw
