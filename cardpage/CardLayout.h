#pragma once
// The card layout: where the card record, the purses and the consumption blocks lie on a card,
// how their hex text decodes, and the block texts written back for a limit change and a water
// count change.
//
// Card data is hex text from the terminal library, two upper-case digits per byte, first byte
// first, 32 digits per block; it is taken as std::string_view of GBK bytes. Digit positions
// below count from 1. Decoding never reads past the end of a reply: a field that lies beyond it
// decodes from the digits that are there, or from nothing (HexToInt of an empty text is 0, a
// missing digit of a per-digit field counts 0).
//
// Block texts returned for writing are exactly 32 hex digits or nothing: a block text of any
// other length would be refused by the card or, worse, written shifted.

#include "devlib/CardTypes.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Blocks of a card data sector s (the sector box). The arithmetic wraps like 32-bit
// integers, so no typed sector can overflow it.
std::int32_t CardRecordBlock(std::int32_t sector); // 4s+1; the record spans this block and the next

struct PurseBlocks {
    std::int32_t first;  // the block that a card issue credits
    std::int32_t second; // its copy
};
PurseBlocks PersonalPurse(std::int32_t sector); // 4s+4, 4s+5
PurseBlocks SubsidyPurse(std::int32_t sector);  // 4s+8, 4s+9

// Fixed blocks, whatever the sector box holds.
inline constexpr char kConsumptionFirstBlock[] = "12"; // read as 3 blocks, 96 digits
inline constexpr int kConsumptionBlockCount = 3;
inline constexpr char kWaterBlock[] = "14";       // the water-control count
inline constexpr char kLimitChangeBlock[] = "02"; // the block a period limit change rewrites
inline constexpr int kCardRecordBlockCount = 2;

struct CardDate {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const CardDate&) const = default;
};

struct CardRecord {
    std::int32_t cardNumber = 0;        // digits 2-6
    std::optional<CardDate> validity;   // digits 7-12; none on a blank card or a date that is none
    std::string name;                   // digits 17-32 as GBK bytes, up to the first zero byte
    std::int32_t minimumBalanceFen = 0; // digits 33-40
    std::int32_t dailyLimitFen = 0;     // digits 47-54
    std::array<int, 4> periodLimits{};  // digit pairs 55-62, per-digit rule
    std::optional<wchar_t> typeLetter;  // digits 63-64; none leaves the type box as it was
};

// Decodes the two record blocks (64 digits). The validity date is 20YY-MM-DD from the decimal
// digits of bytes 3-5, taken directly so that it does not depend on the system date format;
// anything that is not a real date (a blank card's zeros, non-decimal digits, 31 February) is
// no date.
CardRecord DecodeCardRecord(std::string_view hex);

// The card number box text, at least six digits ("%.6d").
std::wstring CardNumberText(std::int32_t cardNumber);

// The status box text: "注销" for card number 0, else "正常".
std::wstring CardStatusText(std::int32_t cardNumber);

// A purse value in fen from a purse reply: digits 1-8, least significant byte first, each digit
// read on its own (A-F give 10-15, any other character its code minus that of 0), unsigned.
std::uint32_t PurseValue(std::string_view hex);

struct PeriodConsumption {
    std::string date; // YY-MM-DD, the digit pairs as stored
    std::int32_t count = 0;
};

struct Consumption {
    std::array<PeriodConsumption, 4> periods;
    std::int32_t dayAmountFen = 0; // digits 65-72
    std::string dayDate;           // digits 73-78 as YY-MM-DD
};

// Decodes the first 96 digits of the consumption blocks; none when the reply is shorter.
std::optional<Consumption> DecodeConsumption(std::string_view hex);

// The block text that sets the limit of period n (1-4) in the block read back as `block`:
// byte 10+n replaced by the limit as two hex digits. None ("nothing to write") when the
// block was not read as 32 hex digits, the period is not 1-4 or the limit does not fit a byte
// (0-255).
std::optional<std::string> LimitChangeBlock(std::string_view block, int period, std::int32_t limit);

// The water-control count: digits 27-30 of the water block, 0 when they are missing.
std::int32_t WaterCount(std::string_view block);

// The water block with its count changed by `change`: digits 1-26 kept, the new count as four
// hex digits, then "00". None ("nothing to write") when the block was not read as 32 hex
// digits or the new count falls outside 0-65535.
std::optional<std::string> WaterCountBlock(std::string_view block, std::int32_t change);

// The issue date text YYMMDD sent with a card issue, from the date itself (two-digit year).
std::string IssueDateText(int year, int month, int day);
