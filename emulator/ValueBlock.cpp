#include "emulator/ValueBlock.h"

namespace emulator {

namespace {

void PutLittleEndian(Block& block, int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLittleEndian(const Block& block, int offset) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(block[offset + i]) << (8 * i);
    return value;
}

std::uint8_t Inverse(std::uint8_t b) {
    return static_cast<std::uint8_t>(~b);
}

} // namespace

Block MakeValueBlock(std::uint32_t value, std::uint8_t address) {
    Block block{};
    PutLittleEndian(block, 0, value);
    PutLittleEndian(block, 4, ~value);
    PutLittleEndian(block, 8, value);
    block[12] = address;
    block[13] = Inverse(address);
    block[14] = address;
    block[15] = Inverse(address);
    return block;
}

std::optional<std::uint32_t> ValueOf(const Block& block) {
    const std::uint32_t value = GetLittleEndian(block, 0);
    if (GetLittleEndian(block, 4) != ~value || GetLittleEndian(block, 8) != value)
        return std::nullopt;
    if (block[13] != Inverse(block[12]) || block[14] != block[12] || block[15] != block[13])
        return std::nullopt;
    return value;
}

std::optional<Block> AddToValue(const Block& block, std::uint32_t amount, std::uint8_t address) {
    const std::uint64_t sum = std::uint64_t{ValueOf(block).value_or(0)} + amount;
    if (sum > UINT32_MAX)
        return std::nullopt;
    return MakeValueBlock(static_cast<std::uint32_t>(sum), address);
}

std::optional<Block> TakeFromValue(const Block& block, std::uint32_t amount, std::uint8_t address) {
    const std::uint32_t balance = ValueOf(block).value_or(0);
    if (amount > balance)
        return std::nullopt;
    return MakeValueBlock(balance - amount, address);
}

} // namespace emulator
