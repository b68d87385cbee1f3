#include "emulator/Reader.h"

#include "emulator/Hex.h"

namespace emulator {

bool Reader::Answers(int callPort, const char* code) const {
    return callPort == port && code != nullptr && std::string_view(code) == kReaderCode;
}

Card* Reader::CardFor(int callPort, const char* code) {
    if (!Answers(callPort, code) || !card)
        return nullptr;
    return &*card;
}

bool IsReaderPassword(std::string_view password) {
    return IsPrintableAscii(password, kMaxReaderPasswordLength);
}

std::optional<int> ParseBlockText(const char* text) {
    if (text == nullptr)
        return std::nullopt;
    const auto block = ParseDecimal(text, 2);
    if (!block || !IsValidBlock(*block))
        return std::nullopt;
    return block;
}

} // namespace emulator
