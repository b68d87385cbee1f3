#include "emulator/Card.h"

#include "emulator/Hex.h"
#include "emulator/ValueBlock.h"

#include <algorithm>

namespace emulator {

namespace {

constexpr Block kTransportTrailer = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x07,
                                     0x80, 0x69, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr int kKeyASize = 6;

} // namespace

Card Card::Blank(std::uint32_t serialNumber) {
    Card card;
    Block& maker = card.blocks_[0];
    std::uint8_t check = 0;
    for (int i = 0; i < 4; ++i) {
        maker[i] = static_cast<std::uint8_t>(serialNumber >> (8 * (3 - i)));
        check ^= maker[i];
    }
    maker[4] = check;
    maker[5] = 0x08; // answer to select of a 1 KiB card
    maker[6] = 0x04;
    maker[7] = 0x00;
    for (int block = 3; block < kBlockCount; block += kBlocksPerSector)
        card.blocks_[static_cast<std::size_t>(block)] = kTransportTrailer;
    return card;
}

std::string Card::ReadHex(int first, int count) const {
    if (!IsValidBlock(first) || count < 1 || count > kBlockCount - first)
        return {};
    std::string hex;
    hex.reserve(static_cast<std::size_t>(count) * kBlockSize * 2);
    for (int block = first; block < first + count; ++block) {
        Block data = At(block);
        if (IsSectorTrailer(block))
            std::fill_n(data.begin(), kKeyASize, std::uint8_t{0});
        hex += HexFromBytes(data);
    }
    return hex;
}

bool Card::WriteHex(int first, int count, std::string_view hex) {
    if (!IsValidBlock(first) || count < 1 || count > kBlockCount - first)
        return false;
    if (hex.size() != static_cast<std::size_t>(count) * kBlockSize * 2)
        return false;
    for (int block = first; block < first + count; ++block) {
        if (!IsDataBlock(block))
            return false;
    }
    const auto bytes = BytesFromHex(hex);
    if (!bytes)
        return false;
    for (int i = 0; i < count; ++i) {
        std::copy_n(bytes->begin() + i * kBlockSize, kBlockSize,
                    blocks_[static_cast<std::size_t>(first + i)].begin());
    }
    return true;
}

bool Card::WriteBlock(int block, const Block& data) {
    if (!IsDataBlock(block))
        return false;
    blocks_[static_cast<std::size_t>(block)] = data;
    return true;
}

bool Card::AddValue(int block, std::uint32_t amount) {
    if (!IsDataBlock(block))
        return false;
    const auto next = AddToValue(At(block), amount, static_cast<std::uint8_t>(block));
    return next && WriteBlock(block, *next);
}

bool Card::TakeValue(int block, std::uint32_t amount) {
    if (!IsDataBlock(block))
        return false;
    const auto next = TakeFromValue(At(block), amount, static_cast<std::uint8_t>(block));
    return next && WriteBlock(block, *next);
}

bool Card::ClearValue(int block) {
    return WriteBlock(block, MakeValueBlock(0, static_cast<std::uint8_t>(block)));
}

} // namespace emulator
