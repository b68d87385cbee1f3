#pragma once
// A transaction record as a terminal stores and sends it: 49 characters, all digits except the
// type code. Positions, counted from 1:
//    1-3   machine number
//    4-10  card number
//   11-24  date and time YYYYMMDDHHMMSS (terminal clock)
//   25-31  amount in fen
//   32-39  purse balance after the transaction, fen
//   40-45  serial number of the record on its terminal
//   46-47  consumption mode code 00-03
//   48-49  card type code 41-4A
// Numbers are decimal, zero-padded; values wider than their field keep their low digits.

#include <cstdint>
#include <string>
#include <string_view>

namespace emulator {

constexpr std::size_t kRecordLength = 49;

struct TransactionRecord {
    int machine = 0;
    std::uint32_t cardNumber = 0;
    std::int64_t time = 0; // local seconds
    std::uint32_t amountFen = 0;
    std::uint32_t balanceFen = 0;
    std::uint32_t serial = 0;
    std::string modeCode = "00";
    std::string typeCode = "41";
};

std::string FormatRecord(const TransactionRecord& record);

// Whether a text has the record's shape (length and character classes).
bool IsRecordText(std::string_view text);

// The amount field of a stored record.
std::uint32_t RecordAmountFen(std::string_view record);

} // namespace emulator
