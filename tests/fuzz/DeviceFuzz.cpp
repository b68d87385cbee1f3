// libFuzzer harness for what the program and the library read from outside: the emulator's
// state file (another program, a crash or a hand edit may have left anything in it) and the
// replies of the terminal library (another project2.dll may answer anything). The first byte
// picks the entry point:
//   0  state file text, snapshot and journal; a state it accepts must write back to a text it
//      accepts again
//   1  card record blocks and consumption blocks (card reader replies)
//   2  purse block, water count and the block texts formed from a read block
//   3  terminal texts: clock reply, device description, download and poll replies

#include "cardpage/CardLayout.h"
#include "devlib/Conversions.h"
#include "emulator/StateFile.h"
#include "framework/Exception.h"
#include "terminalpages/TerminalFormats.h"

#include <cstdlib>
#include <string_view>

namespace {

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void StateText(std::string_view text) {
    const emulator::StateFileText read = emulator::ReadStateFileText(text);
    Check(read.snapshotBytes <= read.readableBytes && read.readableBytes <= text.size());
    if (!read.state) {
        return;
    }
    const std::string again = emulator::SerializeState(*read.state);
    const auto reparsed = emulator::ParseState(again);
    Check(reparsed.has_value());
    Check(emulator::SerializeState(*reparsed) == again);
}

void CardReplies(std::string_view hex) {
    const CardRecord record = DecodeCardRecord(hex);
    if (record.validity) {
        Check(record.validity->month >= 1 && record.validity->month <= 12);
        Check(record.validity->day >= 1 && record.validity->day <= 31);
    }
    CardNumberText(record.cardNumber);
    if (const auto consumption = DecodeConsumption(hex)) {
        Check(consumption->dayDate.size() <= 8);
    }
}

void BlockReplies(std::string_view hex) {
    PurseValue(hex);
    const std::int32_t count = WaterCount(hex);
    Check(count >= 0 && count <= 0xFFFF);
    for (int period = 0; period <= 5; ++period) {
        if (const auto block = LimitChangeBlock(hex, period, 200)) {
            Check(block->size() == 32);
        }
    }
    for (std::int32_t change : {-70000, -1, 1, 70000}) {
        if (const auto block = WaterCountBlock(hex, change)) {
            Check(block->size() == 32);
        }
    }
}

void TerminalReplies(std::string_view reply) {
    ClockLine(reply);
    try {
        HexToText(reply);
    } catch (const Exception&) {
        // A description that is not hex is refused like any conversion error.
    }
    const auto records = SplitRecords(reply);
    Check(records.size() == reply.size() / kRecordWidth);
    for (std::string_view record : records) {
        Check(record.size() == kRecordWidth);
        Check(RecordLine(record, 100000).size() == kRecordWidth + 3 + 6);
    }
    const auto kind = ClassifyDownloadReply(reply);
    Check((kind == DownloadReply::Records) == !records.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0:
        StateText(input);
        break;
    case 1:
        CardReplies(input);
        break;
    case 2:
        BlockReplies(input);
        break;
    case 3:
        TerminalReplies(input);
        break;
    }
    return 0;
}
