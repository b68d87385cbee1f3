#pragma once
// Purses are kept as value blocks: the value as 32-bit little-endian, its bitwise inverse, the
// value again, then an address byte as addr, ~addr, addr, ~addr. The redundancy lets a card
// tell a purse from arbitrary data, so add, take and clear refuse nothing that is not money.

#include "emulator/Block.h"

#include <cstdint>
#include <optional>

namespace emulator {

Block MakeValueBlock(std::uint32_t value, std::uint8_t address);

// The value of a well-formed value block; nothing for any other content.
std::optional<std::uint32_t> ValueOf(const Block& block);

// The block after adding or taking an amount. A block without a valid value counts as 0 and
// comes back as a proper value block. A result below 0 or beyond 32 bits gives nothing.
std::optional<Block> AddToValue(const Block& block, std::uint32_t amount, std::uint8_t address);
std::optional<Block> TakeFromValue(const Block& block, std::uint32_t amount, std::uint8_t address);

} // namespace emulator
