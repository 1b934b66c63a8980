#pragma once
// FrameSequence: the compiled animation, images in display order with their delays. Entries
// refer to images owned elsewhere (frames, generated steps, a GifAnimation), so a sequence is
// valid only while those images live; deleting it frees its entries and its link text only.
#include "imaging/raster.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace lw {

// Shortest time an image is shown, in hundredths of a second.
inline constexpr std::int32_t kMinSequenceDelay = 10;

struct SequenceFrame {
    std::unique_ptr<SequenceFrame> next;
    std::int32_t delay = kMinSequenceDelay; // hundredths of a second, never below 10
    std::int32_t value1 = 0;                // two values the compiler always leaves at 0
    std::int32_t value2 = 0;
    const CRaster* image = nullptr; // not owned
};

class FrameSequence {
public:
    FrameSequence() = default;
    FrameSequence(std::int32_t width, std::int32_t height, std::int32_t loopCount, std::string linkText);
    FrameSequence(const FrameSequence&) = delete;
    FrameSequence& operator=(const FrameSequence&) = delete;
    FrameSequence(FrameSequence&& other) noexcept;
    FrameSequence& operator=(FrameSequence&& other) noexcept;
    // Unlinks entry by entry, so a long sequence never recurses deeply.
    ~FrameSequence();

    std::string linkText;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t reserved = 0;
    std::int32_t loopCount = 0;

    // Adds an entry at the end; delays below 10 become 10. Leaves the cursor on the first entry.
    SequenceFrame& append(const CRaster* image, std::int32_t delay, std::int32_t value1 = 0,
                          std::int32_t value2 = 0);
    // Forgets the cursor: the next call of next() returns the first entry.
    void reset() { cursor_ = nullptr; }
    // The entry after the cursor (the first after a reset), or null past the end.
    SequenceFrame* next();
    // Frees every entry.
    void clear();

    SequenceFrame* first() { return head_.get(); }
    const SequenceFrame* first() const { return head_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // Sum of every entry's delay, in hundredths of a second.
    std::int64_t totalDelay() const;

private:
    std::unique_ptr<SequenceFrame> head_;
    SequenceFrame* tail_ = nullptr;
    SequenceFrame* cursor_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace lw
