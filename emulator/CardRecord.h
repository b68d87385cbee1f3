#pragma once
// The two-block card record written at card issue. Byte layout (first block bytes 0-15,
// second block bytes 16-31):
//   0-2   card number, low 20 bits, most significant first (high half of byte 0 is 0)
//   3-5   validity date YY MM DD, each byte's two hex digits being the decimal digits
//   6-7   flags
//   8-15  holder name, GBK, zero-padded
//   16-19 minimum balance in fen, most significant byte first
//   20-22 card password, six decimal digits packed two to a byte
//   23-26 daily limit in fen, most significant byte first
//   27-30 limits of periods 1-4, one count each
//   31    card type code 0x41-0x4A

#include "emulator/Block.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace emulator {

constexpr std::uint32_t kMaxCardNumber = 0xFFFFF;
constexpr std::size_t kMaxNameBytes = 8;

// The record as the issuing call passes it. Amounts are currency: raw value = yuan x 10000.
struct CardRecordFields {
    std::int64_t cardNumber = 0;
    std::string name;     // GBK bytes
    std::string password; // 1 to 6 decimal digits
    std::string date;     // YYMMDD
    std::string flags;    // four hex digits
    std::int64_t minimumBalance = 0;
    std::int64_t dailyLimit = 0;
    std::array<int, 4> periodLimits{};
    std::string typeCode; // "41" to "4A"
};

// Nothing when any field is out of range: a card number beyond 20 bits, a name over 8 bytes,
// a date that is no calendar day, an amount that is negative, not whole fen or beyond 32 bits,
// a limit outside 0-255, an unknown type code.
std::optional<std::array<Block, 2>> EncodeCardRecord(const CardRecordFields& fields);

// The record's first block with a new card number; the rest of the block is kept.
std::optional<Block> WithCardNumber(const Block& first, std::int64_t cardNumber);

// What a record holds, for showing a card.
struct CardRecordView {
    std::uint32_t cardNumber = 0;
    std::string date; // YYMMDD digits as stored
    std::string name;
    std::uint32_t minimumBalanceFen = 0;
    std::uint32_t dailyLimitFen = 0;
    std::array<int, 4> periodLimits{};
    std::uint8_t typeCode = 0;
};
CardRecordView DecodeCardRecord(const Block& first, const Block& second);

// Fen from a currency amount; nothing when negative, a fraction of a fen or beyond 32 bits.
std::optional<std::uint32_t> FenFromCurrency(std::int64_t currency);

// Whether YYMMDD names a real day of the years 2000-2099.
bool IsCalendarDate(const std::string& yymmdd);

bool IsCardTypeCode(const std::string& code);

} // namespace emulator
