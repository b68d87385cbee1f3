#include "TestBmp.h"

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

} // namespace

std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout) {
    std::vector<std::uint8_t> header;
    const bool core = layout.headerSize == 12;
    Put(header, layout.headerSize, 4);
    if (core) {
        Put(header, static_cast<std::uint32_t>(layout.width), 2);
        Put(header, static_cast<std::uint32_t>(layout.height), 2);
        Put(header, 1, 2);
        Put(header, static_cast<std::uint32_t>(layout.bitCount), 2);
    } else {
        Put(header, static_cast<std::uint32_t>(layout.width), 4);
        Put(header, static_cast<std::uint32_t>(layout.height), 4);
        Put(header, 1, 2);
        Put(header, static_cast<std::uint32_t>(layout.bitCount), 2);
        Put(header, layout.compression, 4);
        Put(header, static_cast<std::uint32_t>(layout.pixelData.size()), 4);
        Put(header, 2835, 4);
        Put(header, 2835, 4);
        Put(header, layout.coloursUsed, 4);
        Put(header, 0, 4);
        for (std::uint32_t m : layout.masks) {
            Put(header, m, 4);
        }
        while (header.size() < layout.headerSize) {
            header.push_back(0);
        }
        if (layout.headerSize == 40) {
            header.resize(40 + 4 * layout.masks.size());
        }
    }
    for (std::uint32_t c : layout.palette) {
        Put(header, c, core ? 3 : 4); // blue, green, red (, reserved)
    }
    const std::uint32_t offset = layout.pixelOffset >= 0
                                     ? static_cast<std::uint32_t>(layout.pixelOffset)
                                     : static_cast<std::uint32_t>(14 + header.size());
    std::vector<std::uint8_t> out{'B', 'M'};
    Put(out, static_cast<std::uint32_t>(14 + header.size() + layout.pixelData.size()), 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), layout.pixelData.begin(), layout.pixelData.end());
    return out;
}
