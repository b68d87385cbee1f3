// The card reader's calls.

#include "emulator/CardRecord.h"
#include "emulator/EmulatorCall.h"

namespace emulator {

namespace {

std::string Text(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

} // namespace

std::string Emulator::newreadcard(int port, const char* readerCode, const char* block, int count) {
    return Run(
        "newreadcard", [&] { return ArgumentList(port, readerCode, block, count); }, std::string(),
        [&](DeviceState&) {
            const Card* card = CardFor(port, readerCode);
            const auto first = ParseBlockText(block);
            if (card == nullptr || !first)
                return std::string();
            return card->ReadHex(*first, count);
        });
}

bool Emulator::newwritecard(int port, const char* readerCode, const char* block, int count,
                            const char* hex) {
    return Run(
        "newwritecard", [&] { return ArgumentList(port, readerCode, block, count, hex); }, false,
        [&](DeviceState&) {
            Card* card = CardFor(port, readerCode);
            const auto first = ParseBlockText(block);
            if (card == nullptr || !first || hex == nullptr)
                return false;
            return Changed(card->WriteHex(*first, count, hex));
        });
}

bool Emulator::writekh(int port, const char* readerCode, const char* block, int cardNumber) {
    return Run(
        "writekh", [&] { return ArgumentList(port, readerCode, block, cardNumber); }, false,
        [&](DeviceState&) {
            Card* card = CardFor(port, readerCode);
            const auto first = ParseBlockText(block);
            if (card == nullptr || !first || !IsDataBlock(*first))
                return false;
            const auto updated = WithCardNumber(card->At(*first), cardNumber);
            return updated && Changed(card->WriteBlock(*first, *updated));
        });
}

bool Emulator::tolvane(int port, const char* readerCode, const char* block, int cardNumber,
                       const char* name, const char* password, const char* date, const char* flags,
                       std::int64_t minimumBalance, std::int64_t dailyLimit, int limit1, int limit2,
                       int limit3, int limit4, const char* typeCode) {
    return Run(
        "tolvane",
        [&] {
            return ArgumentList(port, readerCode, block, cardNumber, name, password, date, flags,
                                Currency{minimumBalance}, Currency{dailyLimit}, limit1, limit2,
                                limit3, limit4, typeCode);
        },
        false,
        [&](DeviceState&) {
            Card* card = CardFor(port, readerCode);
            const auto first = ParseBlockText(block);
            if (card == nullptr || !first || !IsDataBlock(*first) || !IsDataBlock(*first + 1))
                return false;
            if (name == nullptr || password == nullptr || date == nullptr || flags == nullptr ||
                typeCode == nullptr)
                return false;
            CardRecordFields fields;
            fields.cardNumber = cardNumber;
            fields.name = name;
            fields.password = password;
            fields.date = date;
            fields.flags = flags;
            fields.minimumBalance = minimumBalance;
            fields.dailyLimit = dailyLimit;
            fields.periodLimits = {limit1, limit2, limit3, limit4};
            fields.typeCode = typeCode;
            const auto record = EncodeCardRecord(fields);
            if (!record)
                return false;
            card->WriteBlock(*first, (*record)[0]);
            card->WriteBlock(*first + 1, (*record)[1]);
            return Changed(true);
        });
}

std::string Emulator::newreadje(int port, const char* readerCode, int block) {
    return Run(
        "newreadje", [&] { return ArgumentList(port, readerCode, block); }, std::string(),
        [&](DeviceState&) {
            const Card* card = CardFor(port, readerCode);
            return card == nullptr ? std::string() : card->ReadHex(block, 1);
        });
}

bool Emulator::addje(int port, const char* readerCode, int block, int fen) {
    return Run(
        "addje", [&] { return ArgumentList(port, readerCode, block, fen); }, false,
        [&](DeviceState&) {
            Card* card = CardFor(port, readerCode);
            if (card == nullptr || fen < 0)
                return false;
            return Changed(card->AddValue(block, static_cast<std::uint32_t>(fen)));
        });
}

bool Emulator::jk(int port, const char* readerCode, int block, int fen) {
    return Run(
        "jk", [&] { return ArgumentList(port, readerCode, block, fen); }, false,
        [&](DeviceState&) {
            Card* card = CardFor(port, readerCode);
            if (card == nullptr || fen < 0)
                return false;
            return Changed(card->TakeValue(block, static_cast<std::uint32_t>(fen)));
        });
}

bool Emulator::money(int port, const char* readerCode, int block) {
    return Run(
        "money", [&] { return ArgumentList(port, readerCode, block); }, false,
        [&](DeviceState&) {
            Card* card = CardFor(port, readerCode);
            return card != nullptr && Changed(card->ClearValue(block));
        });
}

bool Emulator::downmmre(int port, const char* readerCode, const char* password) {
    return Run(
        "downmmre", [&] { return ArgumentList(port, readerCode, password); }, false,
        [&](DeviceState& state) {
            if (!state.reader.Answers(port, readerCode) || !IsReaderPassword(Text(password)))
                return false;
            state.reader.password = password;
            return Changed(true);
        });
}

std::string Emulator::readmm(int port) {
    return Run(
        "readmm", [&] { return ArgumentList(port); }, std::string(),
        [&](DeviceState& state) {
            return port == state.reader.port ? state.reader.password : std::string();
        });
}

} // namespace emulator
