#include "model/lwd/lwd_writer.h"

#include "model/lwd/lwd_format.h"

namespace lw {

std::uint32_t FrameFileId(const CAnimation& animation, const CFrame& frame)
{
    return static_cast<std::uint32_t>(animation.IndexOfFrame(&frame) + 1);
}

void WriteFrameSection(ArchiveWriter& out, const CAnimation& animation, const CFrame& frame)
{
    out.writeString(kFrameSectionTag);
    out.writeUint32(FrameFileId(animation, frame));
    out.writeUint32(frame.backgroundFrame ? FrameFileId(animation, *frame.backgroundFrame) : 0);
    out.writeInt32(frame.masterFrame);
    out.writeInt32(frame.delay);
    out.writeUint32(frame.backgroundColour);
    // Intro and outro interleaved: ids, speeds, params.
    out.writeInt32(frame.introEffect.effectId);
    out.writeInt32(frame.outroEffect.effectId);
    out.writeInt32(frame.introEffect.speed);
    out.writeInt32(frame.outroEffect.speed);
    out.writeInt32(frame.introEffect.param);
    out.writeInt32(frame.outroEffect.param);
    out.writeUint32(frame.borderColour);
    out.writeInt32(frame.borderWidth);
    out.writeInt32(frame.animationEffect.effectId);
    out.writeInt32(frame.animationEffect.speed);
    out.writeInt32(frame.animationEffect.param);
    for (const CLayerObject* object = frame.head.get(); object; object = object->next.get()) {
        const ObjectRecord record = object->WriteRecord();
        // An object without a record is left out rather than written as an empty one.
        if (record.empty())
            continue;
        out.writeUint32(static_cast<std::uint32_t>(record.size()));
        out.writeBytes(record);
    }
    out.writeUint32(0);
}

std::vector<std::uint8_t> WriteLwdDocument(const CLWDoc& doc)
{
    ArchiveWriter out;
    out.writeString(kLwdMagic);
    out.writeBytes(doc.textFont.toBytes());
    const CAnimation& animation = doc.animation;
    out.writeInt32(animation.width());
    out.writeInt32(animation.height());
    out.writeInt32(animation.loopCount);
    for (const CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get())
        WriteFrameSection(out, animation, *frame);
    out.writeString(kLinkSectionTag);
    out.writeText(animation.linkUrl);
    out.writeText(animation.altText);
    // The reader takes the first end byte as the empty string that ends the section list.
    out.writeUint32(0);
    return out.take();
}

} // namespace lw
