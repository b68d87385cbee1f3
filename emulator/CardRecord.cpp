#include "emulator/CardRecord.h"

#include "emulator/Hex.h"

#include <algorithm>

namespace emulator {

namespace {

void PutBigEndian(std::array<std::uint8_t, 32>& bytes, int offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(offset + i)] =
            static_cast<std::uint8_t>(value >> (8 * (3 - i)));
}

std::uint32_t GetBigEndian(const std::array<std::uint8_t, 32>& bytes, int offset) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | bytes[static_cast<std::size_t>(offset + i)];
    return value;
}

// Two decimal digits packed into one byte: "09" becomes 0x09, "15" becomes 0x15.
std::uint8_t PackedDigits(char high, char low) {
    return static_cast<std::uint8_t>(((high - '0') << 4) | (low - '0'));
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

std::optional<std::uint32_t> FenFromCurrency(std::int64_t currency) {
    if (currency < 0 || currency % 100 != 0)
        return std::nullopt;
    const std::int64_t fen = currency / 100;
    if (fen > std::int64_t{UINT32_MAX})
        return std::nullopt;
    return static_cast<std::uint32_t>(fen);
}

bool IsCalendarDate(const std::string& yymmdd) {
    if (yymmdd.size() != 6 || !ParseDecimal(yymmdd, 6))
        return false;
    const int year = 2000 + std::stoi(yymmdd.substr(0, 2));
    const int month = std::stoi(yymmdd.substr(2, 2));
    const int day = std::stoi(yymmdd.substr(4, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsCardTypeCode(const std::string& code) {
    const auto bytes = BytesFromHex(code);
    return bytes && bytes->size() == 1 && (*bytes)[0] >= 0x41 && (*bytes)[0] <= 0x4A;
}

std::optional<std::array<Block, 2>> EncodeCardRecord(const CardRecordFields& fields) {
    if (fields.cardNumber < 0 || fields.cardNumber > kMaxCardNumber)
        return std::nullopt;
    if (fields.name.size() > kMaxNameBytes)
        return std::nullopt;
    if (!ParseDecimal(fields.password, 6) || !IsCalendarDate(fields.date))
        return std::nullopt;
    const auto flags = BytesFromHex(fields.flags);
    if (!flags || flags->size() != 2)
        return std::nullopt;
    const auto minimum = FenFromCurrency(fields.minimumBalance);
    const auto daily = FenFromCurrency(fields.dailyLimit);
    if (!minimum || !daily || !IsCardTypeCode(fields.typeCode))
        return std::nullopt;
    const bool limitsInRange = std::all_of(fields.periodLimits.begin(), fields.periodLimits.end(),
                                           [](int limit) { return limit >= 0 && limit <= 255; });
    if (!limitsInRange)
        return std::nullopt;

    std::array<std::uint8_t, 32> bytes{};
    const auto number = static_cast<std::uint32_t>(fields.cardNumber);
    bytes[0] = static_cast<std::uint8_t>(number >> 16);
    bytes[1] = static_cast<std::uint8_t>(number >> 8);
    bytes[2] = static_cast<std::uint8_t>(number);
    for (int i = 0; i < 3; ++i)
        bytes[3 + static_cast<std::size_t>(i)] =
            PackedDigits(fields.date[static_cast<std::size_t>(2 * i)],
                         fields.date[static_cast<std::size_t>(2 * i + 1)]);
    bytes[6] = (*flags)[0];
    bytes[7] = (*flags)[1];
    std::copy(fields.name.begin(), fields.name.end(), bytes.begin() + 8);
    PutBigEndian(bytes, 16, *minimum);
    const std::string password = std::string(6 - fields.password.size(), '0') + fields.password;
    for (int i = 0; i < 3; ++i)
        bytes[20 + static_cast<std::size_t>(i)] =
            PackedDigits(password[static_cast<std::size_t>(2 * i)],
                         password[static_cast<std::size_t>(2 * i + 1)]);
    PutBigEndian(bytes, 23, *daily);
    for (int i = 0; i < 4; ++i)
        bytes[27 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(fields.periodLimits[static_cast<std::size_t>(i)]);
    bytes[31] = (*BytesFromHex(fields.typeCode))[0];

    std::array<Block, 2> blocks{};
    std::copy_n(bytes.begin(), kBlockSize, blocks[0].begin());
    std::copy_n(bytes.begin() + kBlockSize, kBlockSize, blocks[1].begin());
    return blocks;
}

std::optional<Block> WithCardNumber(const Block& first, std::int64_t cardNumber) {
    if (cardNumber < 0 || cardNumber > kMaxCardNumber)
        return std::nullopt;
    Block block = first;
    block[0] = static_cast<std::uint8_t>((block[0] & 0xF0) | (cardNumber >> 16));
    block[1] = static_cast<std::uint8_t>(cardNumber >> 8);
    block[2] = static_cast<std::uint8_t>(cardNumber);
    return block;
}

CardRecordView DecodeCardRecord(const Block& first, const Block& second) {
    std::array<std::uint8_t, 32> bytes{};
    std::copy(first.begin(), first.end(), bytes.begin());
    std::copy(second.begin(), second.end(), bytes.begin() + kBlockSize);
    CardRecordView view;
    view.cardNumber = ((bytes[0] & 0x0Fu) << 16) | (bytes[1] << 8) | bytes[2];
    view.date = HexFromBytes(std::span(bytes).subspan(3, 3));
    const auto nameEnd = std::find(bytes.begin() + 8, bytes.begin() + 16, std::uint8_t{0});
    view.name.assign(bytes.begin() + 8, nameEnd);
    view.minimumBalanceFen = GetBigEndian(bytes, 16);
    view.dailyLimitFen = GetBigEndian(bytes, 23);
    for (int i = 0; i < 4; ++i)
        view.periodLimits[static_cast<std::size_t>(i)] = bytes[27 + static_cast<std::size_t>(i)];
    view.typeCode = bytes[31];
    return view;
}

} // namespace emulator
