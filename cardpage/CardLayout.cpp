#include "cardpage/CardLayout.h"

#include "devlib/Conversions.h"

#include <algorithm>
#include <cstdio>

namespace {

// Digits first..first+count-1 (from 1) of the text, cut at its end.
std::string_view Digits(std::string_view hex, std::size_t first, std::size_t count) {
    if (first > hex.size())
        return {};
    return hex.substr(first - 1, count);
}

// One digit read on its own: A-F give 10-15, any other character its code minus that of 0.
// A digit past the end counts 0.
int DigitValue(std::string_view hex, std::size_t position) {
    if (position > hex.size())
        return 0;
    const char c = hex[position - 1];
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return static_cast<unsigned char>(c) - '0';
}

std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFF));
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Two decimal digits as a number, or -1.
int DecimalPair(std::string_view pair) {
    if (pair.size() != 2 || pair[0] < '0' || pair[0] > '9' || pair[1] < '0' || pair[1] > '9')
        return -1;
    return (pair[0] - '0') * 10 + (pair[1] - '0');
}

std::optional<CardDate> ValidityDate(std::string_view hex) {
    const int yy = DecimalPair(Digits(hex, 7, 2));
    const int month = DecimalPair(Digits(hex, 9, 2));
    const int day = DecimalPair(Digits(hex, 11, 2));
    if (yy < 0 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const int year = 2000 + yy;
    if (day > DaysInMonth(year, month))
        return std::nullopt;
    return CardDate{year, month, day};
}

std::string DateText(std::string_view hex, std::size_t first) {
    std::string text(Digits(hex, first, 2));
    text += '-';
    text += Digits(hex, first + 2, 2);
    text += '-';
    text += Digits(hex, first + 4, 2);
    return text;
}

bool IsWholeHexBlock(std::string_view block) {
    return block.size() >= 32 && std::all_of(block.begin(), block.begin() + 32, [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

std::int32_t CardRecordBlock(std::int32_t sector) {
    return Wrap(std::int64_t{4} * sector + 1);
}

PurseBlocks PersonalPurse(std::int32_t sector) {
    return {Wrap(std::int64_t{4} * sector + 4), Wrap(std::int64_t{4} * sector + 5)};
}

PurseBlocks SubsidyPurse(std::int32_t sector) {
    return {Wrap(std::int64_t{4} * sector + 8), Wrap(std::int64_t{4} * sector + 9)};
}

CardRecord DecodeCardRecord(std::string_view hex) {
    CardRecord record;
    record.cardNumber = HexToInt(Digits(hex, 2, 5));
    record.validity = ValidityDate(hex);
    record.name = HexToText(Digits(hex, 17, 16));
    record.name.resize(std::min(record.name.size(), record.name.find('\0')));
    record.minimumBalanceFen = HexToInt(Digits(hex, 33, 8));
    record.dailyLimitFen = HexToInt(Digits(hex, 47, 8));
    for (std::size_t i = 0; i < record.periodLimits.size(); ++i) {
        const std::size_t first = 55 + 2 * i;
        record.periodLimits[i] = DigitValue(hex, first) * 16 + DigitValue(hex, first + 1);
    }
    record.typeLetter = CardTypeLetter(Digits(hex, 63, 2));
    return record;
}

std::wstring CardNumberText(std::int32_t cardNumber) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.6d", static_cast<int>(cardNumber));
    return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

std::wstring CardStatusText(std::int32_t cardNumber) {
    return cardNumber == 0 ? L"注销" : L"正常";
}

std::uint32_t PurseValue(std::string_view hex) {
    // Each byte is two digits high half first; bytes run least significant first. Odd
    // characters can give digit values outside 0-15: the sum wraps like the 32-bit value.
    std::uint32_t value = 0;
    for (std::size_t byte = 4; byte-- > 0;) {
        const int b = DigitValue(hex, 2 * byte + 1) * 16 + DigitValue(hex, 2 * byte + 2);
        value = value * 256 + static_cast<std::uint32_t>(b);
    }
    return value;
}

std::optional<Consumption> DecodeConsumption(std::string_view hex) {
    if (hex.size() < 96)
        return std::nullopt;
    Consumption c;
    for (std::size_t i = 0; i < c.periods.size(); ++i) {
        c.periods[i].date = DateText(hex, 1 + 8 * i);
        c.periods[i].count = HexToInt(Digits(hex, 7 + 8 * i, 2));
    }
    c.dayAmountFen = HexToInt(Digits(hex, 65, 8));
    c.dayDate = DateText(hex, 73);
    return c;
}

std::optional<std::string> LimitChangeBlock(std::string_view block, int period,
                                            std::int32_t limit) {
    if (!IsWholeHexBlock(block) || period < 1 || period > 4 || limit < 0 || limit > 255)
        return std::nullopt;
    const std::size_t at = 20 + 2 * static_cast<std::size_t>(period);
    std::string text(block.substr(0, 32));
    text.replace(at, 2, HexByteText(limit, 2));
    return text;
}

std::int32_t WaterCount(std::string_view block) {
    return HexToInt(Digits(block, 27, 4));
}

std::optional<std::string> WaterCountBlock(std::string_view block, std::int32_t change) {
    if (!IsWholeHexBlock(block))
        return std::nullopt;
    const std::int64_t count = std::int64_t{WaterCount(block)} + change;
    if (count < 0 || count > 0xFFFF)
        return std::nullopt;
    std::string text(block.substr(0, 26));
    text += HexByteText(static_cast<std::int32_t>(count), 4);
    text += "00";
    return text;
}

std::string IssueDateText(int year, int month, int day) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.2d%.2d%.2d", (year % 100 + 100) % 100, month, day);
    return buffer;
}
