#include "emulator/Installation.h"

#include "emulator/CardRecord.h"
#include "emulator/LocalTime.h"
#include "emulator/TransactionGenerator.h"

#include <cstdio>

namespace emulator {

namespace {

constexpr std::uint32_t kCardSerial = 0x3A5C7E91;
// 张三 in GBK.
constexpr char kDemoHolder[] = "\xD5\xC5\xC8\xFD";
// "IC消费机 V1.06" in GBK.
constexpr char kTerminalInfo[] = "IC\xCF\xFB\xB7\xD1\xBB\xFA V1.06";
// "    欢迎使用    智能IC卡管理系统" in GBK: two display lines of 16 bytes.
constexpr char kWelcomeTitle[] = "    \xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3    "
                                 "\xD6\xC7\xC4\xDC"
                                 "IC\xBF\xA8\xB9\xDC\xC0\xED\xCF\xB5\xCD\xB3";

constexpr int kFirstSectorPurse = 4;
constexpr int kFirstSubsidyPurse = 8;

// The same day three years on (28 February for 29 February), as YYMMDD.
std::string ValidityDate(std::int64_t now) {
    const CivilTime today = CivilFromSeconds(now);
    const int day = today.month == 2 && today.day == 29 ? 28 : today.day;
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d", (today.year + 3) % 100, today.month, day);
    return text;
}

void AddSampleRecords(Terminal& terminal, int count, std::uint64_t firstSequence,
                      std::int64_t now) {
    for (int i = 0; i < count; ++i) {
        // Spread over the last hours, ten minutes apart.
        const std::int64_t when = now - static_cast<std::int64_t>(count - i) * 600;
        terminal.AddRecord(SampleTransaction(firstSequence + static_cast<std::uint64_t>(i)), when);
    }
}

} // namespace

Card BlankCard() {
    return Card::Blank(kCardSerial);
}

Card IssuedCard(int cardNumber, std::int64_t now) {
    Card card = BlankCard();
    CardRecordFields fields;
    fields.cardNumber = cardNumber;
    fields.name = kDemoHolder;
    fields.password = "802715";
    fields.date = ValidityDate(now);
    fields.flags = "0000";
    fields.minimumBalance = 0;
    fields.dailyLimit = 200 * 10000;
    fields.periodLimits = {255, 255, 255, 255};
    fields.typeCode = "41";
    if (const auto record = EncodeCardRecord(fields)) {
        card.WriteBlock(1, (*record)[0]);
        card.WriteBlock(2, (*record)[1]);
    }
    for (int block : {kFirstSectorPurse, kFirstSectorPurse + 1})
        card.AddValue(block, kDemoPersonalFen);
    for (int block : {kFirstSubsidyPurse, kFirstSubsidyPurse + 1})
        card.AddValue(block, kDemoSubsidyFen);
    return card;
}

Terminal NewTerminal(int port, int baud, int machine) {
    Terminal terminal;
    terminal.port = port;
    terminal.baud = baud;
    terminal.machine = machine;
    terminal.info = kTerminalInfo;
    terminal.loginTitle = kWelcomeTitle;
    terminal.standbyTitle = kWelcomeTitle;
    for (const char* code : {"41", "42", "43", "44", "45", "46", "47", "48", "49", "4A"})
        terminal.discounts[code] = 1000;
    return terminal;
}

DeviceState NewInstallation(std::int64_t now) {
    DeviceState state;
    state.reader.card = IssuedCard(kDemoCardNumber, now);

    Terminal first = NewTerminal(4, 19200, 1);
    first.clockOffset = -95; // a terminal clock a little slow, for the clock correction
    AddSampleRecords(first, 23, 1000, now);
    Terminal second = NewTerminal(4, 19200, 2);
    second.clockOffset = 40;
    AddSampleRecords(second, 8, 2000, now);
    state.terminals.push_back(std::move(first));
    state.terminals.push_back(std::move(second));
    return state;
}

} // namespace emulator
