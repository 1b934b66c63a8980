// blink.lwx: objects are shown and hidden in turn while the frame is shown.
#include "engine/lwx.h"

#include <cstdint>

#if LWX_HAS_WIDGETS
#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#endif

namespace {

const int32_t kIds[] = {129, 0};

const char kVendorText[] = "Blink Extension for Loopwright GIF Animator v1.0\r\n"
                           "Effect library shipped with Loopwright GIF Animator, free to use and copy.\r\n"
                           "https://www.quarvex.example/loopwright/extensions/";

} // namespace

LWX_EXPORT const char* LWXVendorInfo(int32_t)
{
    return kVendorText;
}

LWX_EXPORT const int32_t* LWXGetExtensions(void)
{
    return kIds;
}

LWX_EXPORT int32_t LWXGetInfo(int32_t id, LWXEffectInfo* info)
{
    if (id != 129 || !info)
        return 0;
    info->kind = LWX_KIND_ANIMATION;
    info->maxSpeed = 3;
    info->minSpeed = 0;
    info->name = "Blink";
    return 1;
}

// Visible for 2^speed steps, hidden for the next 2^speed, starting visible.
LWX_EXPORT int32_t LWXPrepare(int32_t, LWXEffectContext* ctx, int32_t frameIndex)
{
    if (!ctx)
        return LWX_HIDE;
    const uint32_t bit = static_cast<uint32_t>(ctx->speed) & 31u;
    return ((static_cast<uint32_t>(frameIndex) >> bit) & 1u) == 0 ? LWX_DRAW_IN_PLACE : LWX_HIDE;
}

// Blink has no settings; the button answers with a plain note and changes nothing.
LWX_EXPORT int32_t LWXAdvanced(int32_t, int32_t*, void* parentWidget)
{
#if LWX_HAS_WIDGETS
    // A headless host has no widgets application; a message box would abort it.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 0;
    try {
        QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("Advanced Hit"), QMessageBox::Ok,
                        static_cast<QWidget*>(parentWidget));
        box.exec();
    } catch (...) {
        return 0;
    }
    return 1;
#else
    (void)parentWidget;
    return 0;
#endif
}
