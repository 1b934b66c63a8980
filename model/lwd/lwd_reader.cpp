#include "model/lwd/lwd_reader.h"

#include "model/lwd/lwd_format.h"
#include "model/object_factory.h"
#include "imaging/bitmap_info_header.h"
#include "platform/archive.h"
#include "platform/errors.h"

#include <array>
#include <limits>
#include <vector>

namespace lw {
namespace {

[[noreturn]] void badFormat(const char* what)
{
    throw ArchiveError(ArchiveError::Kind::BadFormat, what);
}

EffectAssignment readInterleaved(std::int32_t id, std::int32_t speed, std::int32_t param)
{
    return EffectAssignment{id, speed, param};
}

// Keeps the reader's allocations within the limits.
class PixelBudget {
public:
    explicit PixelBudget(std::int64_t maximum) : left_(maximum) {}
    void spend(std::int64_t pixels)
    {
        if (pixels < 0 || pixels > left_)
            badFormat("The document is larger than the editor can hold");
        left_ -= pixels;
    }

private:
    std::int64_t left_;
};

// Every record starts with its tag, header size and rectangle; an object allocates two images of
// the rectangle's size.
std::int64_t recordPixels(std::span<const std::uint8_t> record)
{
    if (record.size() < 24)
        return 0;
    const std::int64_t width =
        static_cast<std::int32_t>(readLe32(record.data() + 16)) -
        static_cast<std::int64_t>(static_cast<std::int32_t>(readLe32(record.data() + 8)));
    const std::int64_t height =
        static_cast<std::int32_t>(readLe32(record.data() + 20)) -
        static_cast<std::int64_t>(static_cast<std::int32_t>(readLe32(record.data() + 12)));
    if (width <= 0 || height <= 0)
        return 0;
    constexpr std::int64_t kSideLimit = std::int64_t{1} << 30;
    if (width > kSideLimit || height > kSideLimit)
        return std::numeric_limits<std::int64_t>::max();
    return 2 * width * height;
}

} // namespace

bool ClearIfUnknown(EffectAssignment& assignment, const EffectCatalog& catalog)
{
    if (assignment.effectId == 0 || catalog.isInstalled(assignment.effectId))
        return false;
    assignment = EffectAssignment{};
    return true;
}

bool ClearUnknownInFrame(CFrame& frame, const EffectCatalog& catalog)
{
    const bool intro = ClearIfUnknown(frame.introEffect, catalog);
    const bool outro = ClearIfUnknown(frame.outroEffect, catalog);
    return intro || outro;
}

void ReadLwdDocument(CLWDoc& doc, std::span<const std::uint8_t> bytes, const EffectCatalog& catalog,
                     UiPort& ui, const LwdReadLimits& limits)
{
    ArchiveReader in(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    const std::string magic = in.readString();
    const auto version = LwdVersionOfMagic(magic);
    if (!version) {
        if (magic.starts_with(kLwdMagicPrefix))
            ui.messageBox(Message{kNewerVersionText, kProgramCaption, MsgIcon::Information, MsgButtons::Ok});
        badFormat("Not a Loopwright document");
    }

    std::array<std::uint8_t, LogFont::kRecordSize> font{};
    in.readBytes(font);
    doc.textFont = LogFont::fromBytes(font);

    const std::int32_t width = in.readInt32();
    const std::int32_t height = in.readInt32();
    if (width < 1 || height < 1)
        badFormat("The canvas size is not valid");
    PixelBudget budget(limits.maxPixels);
    const std::int64_t canvasPixels = static_cast<std::int64_t>(width) * height;
    budget.spend(canvasPixels);
    CAnimation& animation = doc.animation;
    if (!animation.SetSize(width, height))
        badFormat("The canvas is larger than the editor can hold");
    animation.loopCount = in.readInt32();

    std::string tag = in.readString();
    if (tag != kFrameSectionTag)
        badFormat("The document has no frames");

    bool cleared = false;
    CFrame* frame = nullptr;
    while (tag == kFrameSectionTag) {
        if (!frame) {
            frame = animation.firstFrame.get();
        } else {
            budget.spend(canvasPixels);
            frame = frame->next ? frame->next.get() : animation.AppendFrame();
        }
        // Background frames are named by identity (0: none); only frames read before this one count.
        frame->storedId = static_cast<std::int32_t>(in.readUint32());
        const std::uint32_t backgroundId = in.readUint32();
        frame->masterFrame = in.readInt32();
        frame->delay = in.readInt32();
        frame->backgroundColour = in.readUint32();
        if (*version >= kLwdVersion11) {
            const std::int32_t introId = in.readInt32();
            const std::int32_t outroId = in.readInt32();
            const std::int32_t introSpeed = in.readInt32();
            const std::int32_t outroSpeed = in.readInt32();
            const std::int32_t introParam = in.readInt32();
            const std::int32_t outroParam = in.readInt32();
            frame->introEffect = readInterleaved(introId, introSpeed, introParam);
            frame->outroEffect = readInterleaved(outroId, outroSpeed, outroParam);
        }
        if (*version >= kLwdVersion12) {
            frame->borderColour = in.readUint32();
            frame->borderWidth = in.readInt32();
        }
        if (*version >= kLwdVersion13) {
            frame->animationEffect.effectId = in.readInt32();
            frame->animationEffect.speed = in.readInt32();
            frame->animationEffect.param = in.readInt32();
        }
        for (;;) {
            const std::uint32_t length = in.readUint32();
            if (length == 0)
                break;
            if (length > in.remaining())
                throw ArchiveError(ArchiveError::Kind::EndOfFile);
            const std::vector<std::uint8_t> record = in.readBytes(length);
            budget.spend(recordPixels(record));
            CLayerObject* object = ObjectFactory(record, *version, *frame, &ui);
            const bool introCleared = ClearIfUnknown(object->introEffect, catalog);
            const bool outroCleared = ClearIfUnknown(object->outroEffect, catalog);
            cleared = cleared || introCleared || outroCleared;
        }
        CFrame* background = nullptr;
        for (CFrame* earlier = animation.firstFrame.get(); earlier != frame; earlier = earlier->next.get())
            if (backgroundId != 0 && static_cast<std::uint32_t>(earlier->storedId) == backgroundId) {
                background = earlier;
                break;
            }
        frame->SetBackgroundFrame(background);
        tag = in.readString();
    }
    if (tag == kLinkSectionTag) {
        animation.linkUrl = in.readText();
        animation.altText = in.readText();
        in.readString(); // the first end byte: an empty string
    }

    animation.RenderAllFrames();
    for (CFrame* f = animation.firstFrame.get(); f; f = f->next.get())
        if (ClearUnknownInFrame(*f, catalog))
            cleared = true;
    if (cleared)
        ui.messageBox(
            Message{kUnknownExtensionsText, kUnknownExtensionsCaption, MsgIcon::Warning, MsgButtons::Ok});
    animation.savedAsDocument = 1;
    animation.ResolveCloneReferences();
}

} // namespace lw
