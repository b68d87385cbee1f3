#include "emulator/StateTool.h"

#include "emulator/CardRecord.h"
#include "emulator/Emulator.h"
#include "emulator/GbkToUtf8.h"
#include "emulator/Hex.h"
#include "emulator/Installation.h"
#include "emulator/LocalTime.h"
#include "emulator/StateFile.h"
#include "emulator/StateFileCheck.h"
#include "emulator/ValueBlock.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

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
  --help, -h                        this text

The state file is FILE, else the file named by PROJECT2_STATE, else project2.state beside
this program (where the library keeps it too). A new installation holds the reader on port 3
(reader code 01) with an issued card, and terminals 1 and 2 on port 4 at 19200 baud.

show and trace only read. A file that is not a state file is refused and left as it is, by
every command. The exit status is 0 when the command was done, 1 when it could not be done
and 2 for a wrong command line.
)";

std::string Yuan(std::uint32_t fen) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%02u", fen / 100, fen % 100);
    return text;
}

bool HasControlCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A device text (GBK) as the tool's output shows it: as text in quotes, or, when it is no GBK
// text or holds control characters that would upset a console, as its bytes in hex.
std::string Shown(const std::string& text) {
    const std::optional<std::string> utf8 = Utf8FromGbk(text);
    if (!utf8 || HasControlCharacters(*utf8))
        return "GBK " + HexFromText(text);
    return "\"" + *utf8 + "\"";
}

// Paths come in and go out as UTF-8, on every system.
std::filesystem::path PathFromArgument(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
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

// The words that should be a number, named when one is not.
std::string NotANumber(const std::string& word, const std::string& what) {
    return "\"" + word + "\" is not " + what;
}

// The port, baud rate and machine number from three words; names the first that is no number.
std::optional<Link> LinkFrom(const std::vector<std::string>& args, std::size_t first,
                             std::string& wrong) {
    const char* const what[] = {"a port number", "a baud rate", "a machine number"};
    int values[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = Integer(args[first + i]);
        if (!value) {
            wrong = NotANumber(args[first + i], what[i]);
            return std::nullopt;
        }
        values[i] = *value;
    }
    return Link{values[0], values[1], values[2]};
}

// A wrong command line.
int Fail(std::ostream& err, const std::string& message) {
    err << "p2state: " << message << '\n';
    return 2;
}

// A command that could not be done.
int Refuse(std::ostream& err, const std::string& message) {
    err << "p2state: " << message << '\n';
    return 1;
}

int PrintTrace(const std::filesystem::path& path, std::ostream& out, std::ostream& err) {
    if (path.empty())
        return Fail(err, "no trace file: name one, or set PROJECT2_TRACE");
    std::error_code error;
    const auto type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::not_found)
        return Refuse(err, PathText(path) + ": no such file (the library writes its trace only "
                                            "while PROJECT2_TRACE names a file)");
    if (type == std::filesystem::file_type::directory)
        return Refuse(err, PathText(path) + " is a folder, not a trace file");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || type != std::filesystem::file_type::regular)
        return Refuse(err, "cannot read the trace file " + PathText(path));
    out << text.str();
    return 0;
}

// Why a state file cannot be used, for the kinds that cannot.
std::string Unusable(const std::filesystem::path& path, StateFileKind kind) {
    switch (kind) {
    case StateFileKind::Folder:
        return PathText(path) + " is a folder, not a state file";
    case StateFileKind::Unreadable:
        return "cannot read the state file " + PathText(path);
    case StateFileKind::NotState:
        return PathText(path) + " is not a state file, or is damaged; it was left as it is "
                                "(remove it, or name another file with --state, to start "
                                "from a new installation)";
    case StateFileKind::Missing:
    case StateFileKind::State:
        break;
    }
    return "";
}

void ShowState(const DeviceState& state, bool blocks, std::ostream& out) {
    out << "reader on port " << state.reader.port << ", reader code " << kReaderCode
        << ", password " << Shown(state.reader.password) << '\n';
    if (state.reader.card)
        ShowCard(*state.reader.card, blocks, out);
    else
        out << "  no card\n";
    for (const Terminal& terminal : state.terminals)
        ShowTerminal(terminal, out);
}

// Shows the state without touching the file: a missing file is shown as the new installation
// the library would start it with.
int Show(const std::filesystem::path& path, bool blocks, std::ostream& out, std::ostream& err) {
    const StateFileCheck check = CheckStateFile(path);
    if (check.kind == StateFileKind::Missing) {
        out << "state file " << PathText(path)
            << " (not there yet; the library starts it with this new installation)\n";
        ShowState(NewInstallation(LocalNowSeconds()), blocks, out);
        return 0;
    }
    if (check.kind != StateFileKind::State)
        return Refuse(err, Unusable(path, check.kind));
    out << "state file " << PathText(path) << '\n';
    ShowState(check.state, blocks, out);
    return 0;
}

// What a change command did: the text to show when it is saved, or why it was not done.
struct Outcome {
    bool done = true;
    std::string text;
};
// A change runs on the emulator; `before` is the state it starts from.
using ChangeCommand = std::function<Outcome(Emulator& emulator, const DeviceState& before)>;

Outcome Done(const std::string& text) {
    return {true, text};
}

Outcome NotDone(const std::string& text) {
    return {false, text};
}

// The change of a "card" command line; empty when the words are not one.
ChangeCommand CardChange(const std::vector<std::string>& args, std::string& wrong) {
    const std::string what = args.size() > 1 ? args[1] : "";
    if (what == "blank" && args.size() == 2) {
        return [](Emulator& emulator, const DeviceState&) {
            emulator.Change([](DeviceState& state) { state.reader.card = BlankCard(); });
            return Done("A blank card is on the reader.\n");
        };
    }
    if (what == "issue" && args.size() <= 3) {
        const auto number = args.size() == 3 ? Integer(args[2]) : kDemoCardNumber;
        if (!number || *number > static_cast<int>(kMaxCardNumber)) {
            wrong = NotANumber(args[2], "a card number: a card number is 0 to 1048575");
            return {};
        }
        return [number = *number](Emulator& emulator, const DeviceState&) {
            const std::int64_t now = emulator.Now();
            emulator.Change(
                [&](DeviceState& state) { state.reader.card = IssuedCard(number, now); });
            return Done("Card " + std::to_string(number) + " is on the reader.\n");
        };
    }
    if (what == "remove" && args.size() == 2) {
        return [](Emulator& emulator, const DeviceState&) {
            emulator.Change([](DeviceState& state) { state.reader.card.reset(); });
            return Done("The reader holds no card.\n");
        };
    }
    wrong = "card takes blank, issue [NUMBER] or remove";
    return {};
}

// The change of a "records" command line; empty when the words are not one.
ChangeCommand RecordsChange(const std::vector<std::string>& args, std::string& wrong) {
    const std::string what = args.size() > 1 ? args[1] : "";
    const bool add = what == "add" && args.size() == 6;
    const bool clear = what == "clear" && args.size() == 5;
    if (!add && !clear) {
        wrong = "records takes add PORT BAUD MACHINE N or clear PORT BAUD MACHINE";
        return {};
    }
    const auto link = LinkFrom(args, 2, wrong);
    if (!link)
        return {};
    const auto count = add ? Integer(args[5]) : std::optional<int>(0);
    if (!count || *count > static_cast<int>(kMaxRecordCapacity)) {
        wrong = NotANumber(args[5], "a number of records: the number is 0 to 1000000");
        return {};
    }
    return [link = *link, clear, count = *count](Emulator& emulator, const DeviceState& before) {
        // A terminal that is not there changes nothing, not even the file.
        if (std::none_of(before.terminals.begin(), before.terminals.end(),
                         [&](const Terminal& terminal) {
                             return terminal.Matches(link.port, link.baud, link.machine);
                         }))
            return NotDone("no terminal on that port, baud rate and machine number");
        int stored = 0;
        const std::int64_t now = emulator.Now();
        emulator.Change([&](DeviceState& state) {
            Terminal* terminal = state.FindTerminal(link.port, link.baud, link.machine);
            if (terminal == nullptr)
                return;
            if (clear) {
                terminal->ClearRecords();
                return;
            }
            for (int i = 0; i < count; ++i) {
                if (!terminal->AddRecord(SampleTransaction(state.transactionsGenerated++), now))
                    break;
                ++stored;
            }
        });
        if (clear)
            return Done("The terminal's records are cleared.\n");
        return Done(std::to_string(stored) + " records stored" +
                    (stored < count ? " (the terminal is full)" : "") + ".\n");
    };
}

// Whether a change can be made in the file: an existing state file, or a new one in an
// existing folder. Anything else is left as it is.
std::optional<std::string> CannotChange(const std::filesystem::path& path, StateFileKind kind) {
    if (kind == StateFileKind::State)
        return std::nullopt;
    if (kind != StateFileKind::Missing)
        return Unusable(path, kind);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::error_code error;
    const auto type = std::filesystem::status(folder, error).type();
    if (type == std::filesystem::file_type::not_found)
        return "cannot make the state file " + PathText(path) + ": the folder " + PathText(folder) +
               " does not exist";
    if (type != std::filesystem::file_type::directory)
        return "cannot make the state file " + PathText(path) + ": " + PathText(folder) +
               " is not a folder";
    return std::nullopt;
}

// The library notes a failed save only in its trace; the tool reads the file back, so that a
// change that did not reach the file is never reported as made.
bool SavedInFile(Emulator& emulator, const std::filesystem::path& path) {
    const StateFileCheck check = CheckStateFile(path);
    return check.kind == StateFileKind::State &&
           SerializeState(check.state) == SerializeState(emulator.State());
}

int RunChange(const ChangeCommand& change, const EmulatorOptions& options, std::ostream& out,
              std::ostream& err) {
    StateFileCheck check = CheckStateFile(options.statePath);
    if (const auto why = CannotChange(options.statePath, check.kind))
        return Refuse(err, *why);
    if (check.kind == StateFileKind::Missing)
        check.state = NewInstallation(LocalNowSeconds());
    Emulator emulator(options);
    const Outcome outcome = change(emulator, check.state);
    if (!outcome.done)
        return Fail(err, outcome.text);
    if (!SavedInFile(emulator, options.statePath))
        return Refuse(err, "the change could not be written to the state file " +
                               PathText(options.statePath));
    out << outcome.text;
    return 0;
}

} // namespace

int RunStateTool(const std::vector<std::string>& arguments,
                 const std::filesystem::path& defaultStatePath, std::ostream& out,
                 std::ostream& err) {
    const auto asksHelp = [](const std::string& word) { return word == "--help" || word == "-h"; };
    if (std::any_of(arguments.begin(), arguments.end(), asksHelp) ||
        (!arguments.empty() && arguments[0] == "help")) {
        out << kUsage;
        return 0;
    }
    std::vector<std::string> args = arguments;
    std::optional<std::filesystem::path> statePath;
    while (!args.empty() && args[0].starts_with("-")) {
        if (args[0] != "--state")
            return Fail(err, "unknown option \"" + args[0] + "\"; see p2state --help");
        if (args.size() < 2 || args[1].empty())
            return Fail(err, "--state needs the name of the state file: p2state --state FILE "
                             "COMMAND");
        statePath = PathFromArgument(args[1]);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) {
        err << kUsage;
        return 2;
    }

    EmulatorOptions options = OptionsFromEnvironment(defaultStatePath);
    if (statePath)
        options.statePath = *statePath;
    const std::filesystem::path tracePath = options.tracePath;
    options.tracePath.clear(); // the tool's own changes are not library calls

    const std::string& command = args[0];
    if (command == "trace" && args.size() <= 2)
        return PrintTrace(args.size() == 2 ? PathFromArgument(args[1]) : tracePath, out, err);
    if (command == "show" && (args.size() == 1 || (args.size() == 2 && args[1] == "blocks")))
        return Show(options.statePath, args.size() == 2, out, err);
    if (command == "show") {
        const std::string& extra = args[1] == "blocks" ? args[2] : args[1];
        return Fail(err, "show takes nothing or blocks, not \"" + extra + "\"");
    }
    if (command == "trace")
        return Fail(err, "trace takes at most one file, not \"" + args[2] + "\"");

    std::string wrong;
    ChangeCommand change;
    if (command == "card")
        change = CardChange(args, wrong);
    else if (command == "records")
        change = RecordsChange(args, wrong);
    else if (command == "reset" && args.size() == 1)
        change = [](Emulator& emulator, const DeviceState&) {
            const std::int64_t now = emulator.Now();
            emulator.Change([&](DeviceState& state) { state = NewInstallation(now); });
            return Done("New installation.\n");
        };
    else if (command == "reset")
        wrong = "reset takes nothing, not \"" + args[1] + "\"";
    else
        wrong = "unknown command \"" + command + "\"; see p2state --help";
    if (!change)
        return Fail(err, wrong);
    return RunChange(change, options, out, err);
}

} // namespace emulator
