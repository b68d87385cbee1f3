#pragma once
// Window outlines from skin images: every row's runs of pixels that are not the key colour
// become rectangles one pixel high, collected in region data laid out as RGNDATA (a 32-byte
// header, then the rectangles) and handed on in batches, because very large region data is slow
// or refused. The GDI layer turns each batch into a region and joins them.

#include "skin/ImgUtilPixels.h"
#include "skin/PaintGeometry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace skin {

// The colours counted as transparent: each channel from the key's value up to that plus the
// channel's tolerance, capped at 255. A negative tolerance makes nothing transparent.
struct KeyColourRange {
    std::uint8_t low[3] = {};  // red, green, blue
    std::uint8_t high[3] = {}; // red, green, blue
    bool empty = false;

    static KeyColourRange From(std::uint32_t keyRgb, int redTolerance, int greenTolerance,
                               int blueTolerance);
    // Channels in the order a device-independent bitmap keeps them: blue, green, red.
    bool Holds(const std::uint8_t* bgr) const {
        return !empty && bgr[2] >= low[0] && bgr[2] <= high[0] && bgr[1] >= low[1] &&
               bgr[1] <= high[1] && bgr[0] >= low[2] && bgr[0] <= high[2];
    }
};

// Collects rectangles as region data: room for 500 at first, 500 more whenever it is full, and
// every 2000 rectangles (and at Finish) the batch goes to the sink and collecting starts again.
class RegionDataBuilder {
public:
    static constexpr std::size_t kHeaderBytes = 32;
    static constexpr std::size_t kRectBytes = 16;
    static constexpr std::uint32_t kRectangles = 1; // RDH_RECTANGLES
    static constexpr std::size_t kFirstRoom = 500;
    static constexpr std::size_t kGrowth = 500;
    static constexpr std::size_t kBatch = 2000;

    // Receives one batch: the region data's bytes (header and rectangles, four-byte aligned).
    using Sink = std::function<void(std::span<const std::uint8_t> regionData)>;

    explicit RegionDataBuilder(Sink sink);

    void Add(const PaintRect& rect);
    // Hands on the rectangles still held, if any.
    void Finish();

    std::size_t Count() const { return count_; }
    std::size_t Room() const { return room_; }
    PaintRect Bound() const { return bound_; }

private:
    void Reset();
    void Flush();

    Sink sink_;
    // 32-bit words: the header's eight, then four a rectangle; the size follows the room.
    std::vector<std::int32_t> words_;
    std::size_t count_ = 0;
    std::size_t room_ = 0;
    PaintRect bound_;
};

// Feeds each row's runs of non-transparent pixels to the builder, top row first, moved by the
// offsets. The builder is not finished here.
void CollectOpaqueRuns(PixelView pixels, const KeyColourRange& transparent, int xOffset,
                       int yOffset, RegionDataBuilder& builder);

} // namespace skin
