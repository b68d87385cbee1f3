#include "skin/ImgUtilRegion.h"

#include "skin/ImgUtilColour.h"

#include <algorithm>
#include <climits>

namespace skin {

namespace {

std::uint8_t CappedHigh(int key, int tolerance) {
    return static_cast<std::uint8_t>(std::min<long long>(255, (long long)key + tolerance));
}

int Shifted(int value, int offset) {
    return static_cast<int>(std::clamp<long long>((long long)value + offset, INT_MIN, INT_MAX));
}

} // namespace

KeyColourRange KeyColourRange::From(std::uint32_t keyRgb, int redTolerance, int greenTolerance,
                                    int blueTolerance) {
    KeyColourRange range;
    const int key[3] = {RedOf(keyRgb), GreenOf(keyRgb), BlueOf(keyRgb)};
    const int tolerance[3] = {redTolerance, greenTolerance, blueTolerance};
    for (int c = 0; c < 3; ++c) {
        range.low[c] = static_cast<std::uint8_t>(key[c]);
        range.high[c] = CappedHigh(key[c], tolerance[c]);
        if (tolerance[c] < 0) {
            range.empty = true;
        }
    }
    return range;
}

RegionDataBuilder::RegionDataBuilder(Sink sink) : sink_(std::move(sink)) {
    room_ = kFirstRoom;
    words_.assign((kHeaderBytes + room_ * kRectBytes) / 4, 0);
    Reset();
}

// A new batch keeps the room the buffer has grown to.
void RegionDataBuilder::Reset() {
    count_ = 0;
    // Left and top start high and right and bottom low, so the first rectangle sets them all.
    bound_ = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
}

void RegionDataBuilder::Add(const PaintRect& rect) {
    if (count_ == room_) {
        room_ += kGrowth;
        words_.resize((kHeaderBytes + room_ * kRectBytes) / 4, 0);
    }
    std::int32_t* slot = words_.data() + (kHeaderBytes + count_ * kRectBytes) / 4;
    slot[0] = rect.left;
    slot[1] = rect.top;
    slot[2] = rect.right;
    slot[3] = rect.bottom;
    ++count_;
    bound_.left = std::min(bound_.left, rect.left);
    bound_.top = std::min(bound_.top, rect.top);
    bound_.right = std::max(bound_.right, rect.right);
    bound_.bottom = std::max(bound_.bottom, rect.bottom);
    if (count_ == kBatch) {
        Flush();
    }
}

void RegionDataBuilder::Finish() {
    if (count_ > 0) {
        Flush();
    }
}

void RegionDataBuilder::Flush() {
    // RGNDATAHEADER: dwSize, iType, nCount, nRgnSize, rcBound.
    words_[0] = static_cast<std::int32_t>(kHeaderBytes);
    words_[1] = static_cast<std::int32_t>(kRectangles);
    words_[2] = static_cast<std::int32_t>(count_);
    words_[3] = static_cast<std::int32_t>(count_ * kRectBytes);
    words_[4] = bound_.left;
    words_[5] = bound_.top;
    words_[6] = bound_.right;
    words_[7] = bound_.bottom;
    const std::size_t bytes = kHeaderBytes + count_ * kRectBytes;
    if (sink_) {
        sink_(std::span(reinterpret_cast<const std::uint8_t*>(words_.data()), bytes));
    }
    Reset();
}

void CollectOpaqueRuns(PixelView pixels, const KeyColourRange& transparent, int xOffset,
                       int yOffset, RegionDataBuilder& builder) {
    const int width = pixels.Width();
    for (int y = 0; y < pixels.Height(); ++y) {
        const std::uint8_t* row = pixels.Row(y);
        const std::size_t step = static_cast<std::size_t>(pixels.BytesPerPixel());
        int x = 0;
        while (x < width) {
            while (x < width && transparent.Holds(row + x * step)) {
                ++x;
            }
            const int start = x;
            while (x < width && !transparent.Holds(row + x * step)) {
                ++x;
            }
            if (x > start) {
                builder.Add({Shifted(start, xOffset), Shifted(y, yOffset), Shifted(x, xOffset),
                             Shifted(y + 1, yOffset)});
            }
        }
    }
}

} // namespace skin
