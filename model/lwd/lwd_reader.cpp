#include "model/lwd/lwd_reader.h"

#include "imaging/bitmap_info_header.h"
#include "model/lwd/lwd_format.h"
#include "model/lwd/object_records.h"
#include "model/object_factory.h"
#include "platform/application_names.h"
#include "platform/archive.h"
#include "platform/errors.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
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

// Every record starts with its tag, header size and rectangle; the object counts as ObjectPixels
// of that rectangle.
std::int64_t recordPixels(std::span<const std::uint8_t> record)
{
    if (record.size() < 24)
        return 0;
    auto field = [&record](std::size_t at) {
        return static_cast<std::int32_t>(readLe32(record.data() + at));
    };
    return ObjectPixels(LayerRect{field(8), field(12), field(16), field(20)});
}

const char* kindName(std::span<const std::uint8_t> record)
{
    try {
        switch (objectRecordKind(record)) {
        case ObjectRecordKind::Bitmap:
            return "bitmap";
        case ObjectRecordKind::Rectangle:
            return "rectangle";
        case ObjectRecordKind::Ellipse:
            return "ellipse";
        case ObjectRecordKind::Text:
            return "text label";
        case ObjectRecordKind::Clone:
            return "clone";
        }
    } catch (const ArchiveError&) {
    }
    return "unknown kind";
}

// "frame 2, layer 3 (text label): text width scale out of range"
std::string droppedLine(int frame, int layer, std::span<const std::uint8_t> record, const ArchiveError& error)
{
    std::string why = error.what();
    constexpr std::string_view kPrefix = "Bad object record: ";
    if (why.starts_with(kPrefix))
        why.erase(0, kPrefix.size());
    return "frame " + std::to_string(frame) + ", layer " + std::to_string(layer) + " (" + kindName(record) +
           "): " + why;
}

void reportDropped(UiPort& ui, const std::vector<std::string>& dropped)
{
    constexpr std::size_t kListed = 10;
    std::string text = kDamagedLayersText;
    for (std::size_t i = 0; i < dropped.size() && i < kListed; ++i)
        text += dropped[i] + "\n";
    if (dropped.size() > kListed)
        text += "… and " + std::to_string(dropped.size() - kListed) + " more\n";
    ui.messageBox(Message{text, kProductName, MsgIcon::Warning, MsgButtons::Ok});
}

// Clones name their source by its (frame, layer) position as written. Layers above a dropped one
// have moved down by one, and a clone of a dropped layer has no source any more.
void remapCloneReferences(CAnimation& animation, const std::vector<std::pair<int, int>>& droppedAt)
{
    if (droppedAt.empty())
        return;
    for (CFrame* f = animation.firstFrame.get(); f; f = f->next.get())
        for (CLayerObject* o = f->head.get(); o; o = o->next.get()) {
            if (!o->IsClone() || o->CloneSource())
                continue;
            const std::uint32_t ref = o->CloneSourceRef();
            const int frame = static_cast<int>(ref >> 16);
            const int layer = static_cast<int>(ref & 0xFFFF);
            int below = 0;
            bool gone = false;
            for (const auto& [droppedFrame, droppedLayer] : droppedAt)
                if (droppedFrame == frame) {
                    gone = gone || droppedLayer == layer;
                    below += droppedLayer < layer ? 1 : 0;
                }
            o->SetCloneSourceRef(gone ? 0xFFFFFFFFu
                                      : static_cast<std::uint32_t>(frame) << 16 |
                                            static_cast<std::uint32_t>(layer - below));
        }
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
    ArchiveReader in = ArchiveReader::viewing(bytes);
    ReadLwdDocument(doc, in, catalog, ui, limits);
}

void ReadLwdDocument(CLWDoc& doc, ArchiveReader& in, const EffectCatalog& catalog, UiPort& ui,
                     const LwdReadLimits& limits)
{
    const std::string magic = in.readString();
    const auto version = LwdVersionOfMagic(magic);
    if (!version) {
        if (magic.starts_with(kLwdMagicPrefix))
            ui.messageBox(Message{kNewerVersionText, kProductName, MsgIcon::Information, MsgButtons::Ok});
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
    std::vector<std::string> dropped;
    std::vector<std::pair<int, int>> droppedAt; // frame and layer index as written
    int frameNumber = 0;
    bool hasClones = false;
    CFrame* frame = nullptr;
    while (tag == kFrameSectionTag) {
        ++frameNumber;
        if (!frame) {
            frame = animation.firstFrame.get();
        } else {
            budget.spend(canvasPixels);
            // Rendered below, once its objects are in.
            frame = frame->next ? frame->next.get() : animation.AppendFrame(NewFrameImage::LeftToCaller);
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
        // Backdrops are earlier frames, already finished: linked before the objects arrive, their
        // composites take the backdrop in at once.
        CFrame* background = nullptr;
        for (CFrame* earlier = animation.firstFrame.get(); earlier != frame; earlier = earlier->next.get())
            if (backgroundId != 0 && static_cast<std::uint32_t>(earlier->storedId) == backgroundId) {
                background = earlier;
                break;
            }
        frame->LinkBackgroundFrame(background);
        for (int layerNumber = 1;; ++layerNumber) {
            const std::uint32_t length = in.readUint32();
            if (length == 0)
                break;
            if (length > in.remaining())
                throw ArchiveError(ArchiveError::Kind::EndOfFile);
            const std::span<const std::uint8_t> record = in.viewBytes(length);
            budget.spend(recordPixels(record));
            CLayerObject* object = nullptr;
            try {
                object = ObjectFactory(record, *version, *frame, &ui);
            } catch (const ArchiveError& error) {
                // The record's length frames it, so a damaged one loses only its own layer.
                if (error.kind() != ArchiveError::Kind::BadFormat)
                    throw;
                dropped.push_back(droppedLine(frameNumber, layerNumber, record, error));
                droppedAt.emplace_back(frameNumber - 1, layerNumber - 1);
                continue;
            }
            hasClones = hasClones || object->IsClone();
            const bool introCleared = ClearIfUnknown(object->introEffect, catalog);
            const bool outroCleared = ClearIfUnknown(object->outroEffect, catalog);
            cleared = cleared || introCleared || outroCleared;
        }
        // Each object's composite is made as it is appended, over what is below it; the frame
        // image follows once the last one is in.
        frame->Render();
        tag = in.readString();
    }
    if (tag == kLinkSectionTag) {
        animation.linkUrl = in.readText();
        animation.altText = in.readText();
        in.readString(); // the first end byte: an empty string
    }

    for (CFrame* f = animation.firstFrame.get(); f; f = f->next.get())
        if (ClearUnknownInFrame(*f, catalog))
            cleared = true;
    if (cleared)
        ui.messageBox(
            Message{kUnknownExtensionsText, kUnknownExtensionsCaption, MsgIcon::Warning, MsgButtons::Ok});
    if (!dropped.empty())
        reportDropped(ui, dropped);
    animation.savedAsDocument = 1;
    remapCloneReferences(animation, droppedAt);
    animation.ResolveCloneReferences();
    // Clones show their sources only once resolved.
    if (hasClones)
        animation.RenderAllFrames();
}

} // namespace lw
