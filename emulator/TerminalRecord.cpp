#include "emulator/TerminalRecord.h"

#include "emulator/LocalTime.h"

#include <cctype>
#include <cstdio>

namespace emulator {

namespace {

// The low `width` decimal digits of a value, zero-padded.
std::string Digits(std::uint64_t value, int width) {
    std::string text(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return text;
}

std::string TwoCharacters(const std::string& code, const char* fallback) {
    return code.size() == 2 ? code : fallback;
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::string FormatRecord(const TransactionRecord& record) {
    std::string text;
    text.reserve(kRecordLength);
    text += Digits(static_cast<std::uint64_t>(record.machine < 0 ? 0 : record.machine), 3);
    text += Digits(record.cardNumber, 7);
    text += RecordTimeText(record.time);
    text += Digits(record.amountFen, 7);
    text += Digits(record.balanceFen, 8);
    text += Digits(record.serial, 6);
    text += TwoCharacters(record.modeCode, "00");
    text += TwoCharacters(record.typeCode, "41");
    text.resize(kRecordLength, '0');
    return text;
}

bool IsRecordText(std::string_view text) {
    if (text.size() != kRecordLength || !AllDigits(text.substr(0, 47)))
        return false;
    return std::isxdigit(static_cast<unsigned char>(text[47])) &&
           std::isxdigit(static_cast<unsigned char>(text[48]));
}

std::uint32_t RecordAmountFen(std::string_view record) {
    if (record.size() < 31)
        return 0;
    std::uint32_t amount = 0;
    for (char c : record.substr(24, 7)) {
        if (c < '0' || c > '9')
            return 0;
        amount = amount * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return amount;
}

} // namespace emulator
