#pragma once
// The memory of one contactless card and the access rules the reader enforces on it: block 0
// and the sector trailers are never written, key A of a trailer always reads as zeros, and
// purse changes go through the value block rules.

#include "emulator/Block.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace emulator {

class Card {
public:
    // A card as it leaves the factory: serial number in block 0, transport keys in the
    // trailers, zeros everywhere else.
    static Card Blank(std::uint32_t serialNumber);

    const Block& At(int block) const { return blocks_.at(static_cast<std::size_t>(block)); }
    // Raw access for the state file and installation; no access rules apply.
    Block& Raw(int block) { return blocks_.at(static_cast<std::size_t>(block)); }

    // Hex text of count blocks from first on, 32 digits each; empty when out of range.
    std::string ReadHex(int first, int count) const;
    // Writes whole blocks from hex text of exactly 32 digits per block. All or nothing.
    bool WriteHex(int first, int count, std::string_view hex);
    bool WriteBlock(int block, const Block& data);

    bool AddValue(int block, std::uint32_t amount);
    bool TakeValue(int block, std::uint32_t amount);
    bool ClearValue(int block);

private:
    std::array<Block, kBlockCount> blocks_{};
};

} // namespace emulator
