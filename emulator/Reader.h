#pragma once
// The desktop card reader/writer: it sits on one serial port, answers one reader code, keeps
// its own password and holds at most one card in its field.

#include "emulator/Card.h"

#include <optional>
#include <string>
#include <string_view>

namespace emulator {

constexpr int kDefaultReaderPort = 3;
constexpr char kReaderCode[] = "01";
constexpr std::size_t kMaxReaderPasswordLength = 12;

struct Reader {
    int port = kDefaultReaderPort;
    std::string password = "FFFFFFFFFFFF";
    std::optional<Card> card;

    // Whether a call with this port and reader code reaches this reader at all.
    bool Answers(int callPort, const char* code) const;
    // The card in the field, when the call reaches the reader and a card is there.
    Card* CardFor(int callPort, const char* code);
};

// A reader password: 1 to 12 printable ASCII characters.
bool IsReaderPassword(std::string_view password);

// A block number as the block calls pass it: one or two decimal digits naming a block of the
// card ("01", "5", "63").
std::optional<int> ParseBlockText(const char* text);

} // namespace emulator
