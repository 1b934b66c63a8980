#include "imaging/frame_sequence.h"

#include <utility>

namespace lw {

FrameSequence::FrameSequence(std::int32_t width, std::int32_t height, std::int32_t loopCount,
                             std::string linkText)
    : linkText(std::move(linkText)), width(width), height(height), loopCount(loopCount)
{
}

FrameSequence::FrameSequence(FrameSequence&& other) noexcept
    : linkText(std::move(other.linkText)), width(other.width), height(other.height), reserved(other.reserved),
      loopCount(other.loopCount), head_(std::move(other.head_)), tail_(other.tail_), cursor_(other.cursor_),
      size_(other.size_)
{
    other.tail_ = nullptr;
    other.cursor_ = nullptr;
    other.size_ = 0;
}

FrameSequence& FrameSequence::operator=(FrameSequence&& other) noexcept
{
    if (this != &other) {
        clear();
        linkText = std::move(other.linkText);
        width = other.width;
        height = other.height;
        reserved = other.reserved;
        loopCount = other.loopCount;
        head_ = std::move(other.head_);
        tail_ = other.tail_;
        cursor_ = other.cursor_;
        size_ = other.size_;
        other.tail_ = nullptr;
        other.cursor_ = nullptr;
        other.size_ = 0;
    }
    return *this;
}

FrameSequence::~FrameSequence()
{
    clear();
}

void FrameSequence::clear()
{
    while (head_)
        head_ = std::move(head_->next);
    tail_ = nullptr;
    cursor_ = nullptr;
    size_ = 0;
}

SequenceFrame& FrameSequence::append(const CRaster* image, std::int32_t delay, std::int32_t value1,
                                     std::int32_t value2)
{
    auto entry = std::make_unique<SequenceFrame>();
    entry->delay = delay < kMinSequenceDelay ? kMinSequenceDelay : delay;
    entry->value1 = value1;
    entry->value2 = value2;
    entry->image = image;
    SequenceFrame* added = entry.get();
    if (tail_)
        tail_->next = std::move(entry);
    else
        head_ = std::move(entry);
    tail_ = added;
    ++size_;
    cursor_ = head_.get();
    return *added;
}

SequenceFrame* FrameSequence::next()
{
    cursor_ = cursor_ ? cursor_->next.get() : head_.get();
    return cursor_;
}

std::int64_t FrameSequence::totalDelay() const
{
    std::int64_t total = 0;
    for (const SequenceFrame* f = head_.get(); f; f = f->next.get())
        total += f->delay;
    return total;
}

} // namespace lw
