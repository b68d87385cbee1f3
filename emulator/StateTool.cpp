#include "emulator/StateTool.h"

#include "emulator/CardRecord.h"
#include "emulator/Emulator.h"
#include "emulator/Hex.h"
#include "emulator/Installation.h"
#include "emulator/ValueBlock.h"

#include <cstdio>
#include <fstream>

namespace emulator {

namespace {

constexpr char kUsage[] =
    R"(Usage: p2state [--state FILE] COMMAND

Shows and changes the state of the emulated card reader and terminals, the file the
terminal library project2.dll keeps them in.

Commands:
  show                              the reader, its card and every terminal
  show blocks                       the same, with the card's 64 blocks in hex
  card blank                        put a blank card on the reader
  card issue [NUMBER]               put an issued card on the reader: card NUMBER (default 123,
                                    at most 1048575) of holder 张三, valid for three more years,
                                    100.00 yuan personal and 50.00 yuan subsidy money
  card remove                       take the card off the reader
  records add PORT BAUD MACHINE N   store N new transaction records on a terminal
  records clear PORT BAUD MACHINE   remove a terminal's records (as the clear-all call does)
  reset                             start again from a new installation
  trace [FILE]                      print the call trace (by default the file named by
                                    PROJECT2_TRACE)
  --help                            this text

The state file is FILE, else the file named by PROJECT2_STATE, else project2.state beside
this program (where the library keeps it too). A new installation holds the reader on port 3
(reader code 01) with an issued card, and terminals 1 and 2 on port 4 at 19200 baud.
)";

std::string Yuan(std::uint32_t fen) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%02u", fen / 100, fen % 100);
    return text;
}

// GBK bytes would come out garbled on most consoles: plain ASCII is shown as it is, anything
// else as its GBK bytes in hex.
std::string Shown(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return "GBK " + HexFromText(text);
    }
    return "\"" + text + "\"";
}

std::string Purse(const Card& card, int block) {
    const auto value = ValueOf(card.At(block));
    return value ? Yuan(*value) : std::string("no value");
}

void ShowCard(const Card& card, bool blocks, std::ostream& out) {
    out << "  serial number " << HexFromBytes(std::span(card.At(0)).first(4)) << '\n';
    const CardRecordView record = DecodeCardRecord(card.At(1), card.At(2));
    char number[16];
    std::snprintf(number, sizeof number, "%06u", record.cardNumber);
    out << "  record (sector 0): card " << number << ", valid 20" << record.date.substr(0, 2) << '-'
        << record.date.substr(2, 2) << '-' << record.date.substr(4, 2) << ", name "
        << Shown(record.name) << ", minimum balance " << Yuan(record.minimumBalanceFen)
        << ", daily limit " << Yuan(record.dailyLimitFen) << ", period limits "
        << record.periodLimits[0] << ' ' << record.periodLimits[1] << ' ' << record.periodLimits[2]
        << ' ' << record.periodLimits[3] << ", type code "
        << HexFromBytes(std::span(&record.typeCode, 1)) << '\n';
    out << "  personal purse (blocks 4, 5): " << Purse(card, 4) << " / " << Purse(card, 5) << '\n';
    out << "  subsidy purse (blocks 8, 9): " << Purse(card, 8) << " / " << Purse(card, 9) << '\n';
    if (!blocks)
        return;
    for (int block = 0; block < kBlockCount; ++block) {
        char label[16];
        std::snprintf(label, sizeof label, "  block %02d ", block);
        out << label << HexFromBytes(card.At(block)) << '\n';
    }
}

void ShowTerminal(const Terminal& t, std::ostream& out) {
    out << "terminal on port " << t.port << ", " << t.baud << " baud, machine " << t.machine
        << '\n';
    out << "  clock " << (t.clockOffset >= 0 ? "+" : "") << t.clockOffset
        << " s from the computer's, info " << Shown(t.info) << '\n';
    out << "  records " << t.records.size() << " of " << t.capacity << " (" << t.taken
        << " taken by monitoring, " << t.cleared.size() << " cleared and restorable), total "
        << Yuan(t.TotalAmountFen()) << ", next serial " << t.nextSerial << '\n';
    out << "  password " << Shown(t.password) << " (function " << t.passwordFunction << "), mode "
        << t.modeCode << ", language " << t.languageCode << ", free sector " << t.freeSector
        << ", largest amount " << Yuan(t.maxAmountFen) << ", swipe interval " << t.swipeInterval
        << " min, management card " << t.managementCard << '\n';
    out << "  titles " << Shown(t.loginTitle) << " / " << Shown(t.standbyTitle) << '\n';
    out << "  discounts";
    for (const auto& [code, perMille] : t.discounts)
        out << ' ' << code << '=' << perMille;
    out << "\n  lost cards";
    for (std::uint32_t card : t.lostCards)
        out << ' ' << card;
    out << "\n  barred cards";
    for (std::uint32_t card : t.barredCards)
        out << ' ' << card;
    out << "\n  card amounts";
    for (const auto& [card, entry] : t.cardAmounts)
        out << ' ' << card << '@' << entry.group << '-' << entry.number << '='
            << Yuan(entry.amountFen);
    out << "\n  menus";
    for (const auto& [number, item] : t.menus)
        out << ' ' << number << ':' << Shown(item.name) << '=' << Yuan(item.amountFen);
    out << '\n';
}

std::optional<int> Integer(const std::string& text) {
    return ParseDecimal(text, 9);
}

struct Link {
    int port = 0;
    int baud = 0;
    int machine = 0;
};

std::optional<Link> LinkFrom(const std::vector<std::string>& args, std::size_t first) {
    if (args.size() < first + 3)
        return std::nullopt;
    const auto port = Integer(args[first]);
    const auto baud = Integer(args[first + 1]);
    const auto machine = Integer(args[first + 2]);
    if (!port || !baud || !machine)
        return std::nullopt;
    return Link{*port, *baud, *machine};
}

int Fail(std::ostream& err, const std::string& message) {
    err << "p2state: " << message << '\n';
    return 2;
}

int PrintTrace(const std::filesystem::path& path, std::ostream& out, std::ostream& err) {
    if (path.empty())
        return Fail(err, "no trace file: name one, or set PROJECT2_TRACE");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Fail(err, "cannot read the trace file " + path.string());
    out << in.rdbuf();
    return 0;
}

int CardCommand(Emulator& emulator, const std::vector<std::string>& args, std::ostream& out,
                std::ostream& err) {
    const std::string what = args.size() > 1 ? args[1] : "";
    if (what == "blank" && args.size() == 2) {
        emulator.Change([](DeviceState& state) { state.reader.card = BlankCard(); });
        out << "A blank card is on the reader.\n";
        return 0;
    }
    if (what == "issue" && args.size() <= 3) {
        const auto number = args.size() == 3 ? Integer(args[2]) : kDemoCardNumber;
        if (!number || *number > static_cast<int>(kMaxCardNumber))
            return Fail(err, "a card number is 0 to 1048575");
        const std::int64_t now = emulator.Now();
        emulator.Change([&](DeviceState& state) { state.reader.card = IssuedCard(*number, now); });
        out << "Card " << *number << " is on the reader.\n";
        return 0;
    }
    if (what == "remove" && args.size() == 2) {
        emulator.Change([](DeviceState& state) { state.reader.card.reset(); });
        out << "The reader holds no card.\n";
        return 0;
    }
    return Fail(err, "card takes blank, issue [NUMBER] or remove");
}

int RecordsCommand(Emulator& emulator, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err) {
    const std::string what = args.size() > 1 ? args[1] : "";
    const auto link = LinkFrom(args, 2);
    const bool add = what == "add" && args.size() == 6;
    const bool clear = what == "clear" && args.size() == 5;
    if (!link || (!add && !clear))
        return Fail(err, "records takes add PORT BAUD MACHINE N or clear PORT BAUD MACHINE");
    const auto count = add ? Integer(args[5]) : std::optional<int>(0);
    if (!count || *count > static_cast<int>(kMaxRecordCapacity))
        return Fail(err, "the number of records is 0 to 1000000");
    bool found = false;
    int stored = 0;
    const std::int64_t now = emulator.Now();
    emulator.Change([&](DeviceState& state) {
        Terminal* terminal = state.FindTerminal(link->port, link->baud, link->machine);
        if (terminal == nullptr)
            return;
        found = true;
        if (clear) {
            terminal->ClearRecords();
            return;
        }
        for (int i = 0; i < *count; ++i) {
            if (!terminal->AddRecord(SampleTransaction(state.transactionsGenerated++), now))
                break;
            ++stored;
        }
    });
    if (!found)
        return Fail(err, "no terminal on that port, baud rate and machine number");
    if (clear)
        out << "The terminal's records are cleared.\n";
    else
        out << stored << " records stored" << (stored < *count ? " (the terminal is full)" : "")
            << ".\n";
    return 0;
}

} // namespace

int RunStateTool(const std::vector<std::string>& arguments,
                 const std::filesystem::path& defaultStatePath, std::ostream& out,
                 std::ostream& err) {
    std::vector<std::string> args = arguments;
    std::filesystem::path statePath;
    if (args.size() >= 2 && args[0] == "--state") {
        statePath = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage;
        return args.empty() ? 2 : 0;
    }

    EmulatorOptions options = OptionsFromEnvironment(defaultStatePath);
    if (!statePath.empty())
        options.statePath = statePath;
    const std::filesystem::path tracePath = options.tracePath;
    options.tracePath.clear(); // the tool's own changes are not library calls

    if (args[0] == "trace" && args.size() <= 2)
        return PrintTrace(args.size() == 2 ? std::filesystem::path(args[1]) : tracePath, out, err);

    Emulator emulator(options);
    if (args[0] == "show" && (args.size() == 1 || (args.size() == 2 && args[1] == "blocks"))) {
        const DeviceState& state = emulator.State();
        out << "state file " << options.statePath.string() << '\n';
        out << "reader on port " << state.reader.port << ", reader code " << kReaderCode
            << ", password " << Shown(state.reader.password) << '\n';
        if (state.reader.card)
            ShowCard(*state.reader.card, args.size() == 2, out);
        else
            out << "  no card\n";
        for (const Terminal& terminal : state.terminals)
            ShowTerminal(terminal, out);
        return 0;
    }
    if (args[0] == "card")
        return CardCommand(emulator, args, out, err);
    if (args[0] == "records")
        return RecordsCommand(emulator, args, out, err);
    if (args[0] == "reset" && args.size() == 1) {
        const std::int64_t now = emulator.Now();
        emulator.Change([&](DeviceState& state) { state = NewInstallation(now); });
        out << "New installation.\n";
        return 0;
    }
    return Fail(err, "unknown command; see p2state --help");
}

} // namespace emulator
