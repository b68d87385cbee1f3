// The terminals' calls.

#include "emulator/EmulatorCall.h"

#include "emulator/Hex.h"

#include <algorithm>
#include <cctype>

namespace emulator {

namespace {

// The port of a serial port name: "COM" and 1 to 3 digits naming ports 1-255.
std::optional<int> PortFromName(const char* name) {
    if (name == nullptr)
        return std::nullopt;
    const std::string_view text(name);
    if (text.size() < 4)
        return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i])
            return std::nullopt;
    }
    const auto port = ParseDecimal(text.substr(3), 3);
    if (!port || *port < 1 || *port > 255)
        return std::nullopt;
    return port;
}

} // namespace

template <class Operation, class... Extra>
bool Emulator::TerminalCommand(const char* name, int port, int baud, int machine,
                               const Operation& operation, const Extra&... extra) {
    return Run(
        name, [&] { return ArgumentList(port, baud, machine, extra...); }, false,
        [&](DeviceState&) {
            Terminal* terminal = TerminalFor(port, baud, machine);
            return terminal != nullptr && Changed(operation(*terminal));
        });
}

template <class Result, class Operation, class... Extra>
Result Emulator::TerminalQuery(const char* name, Result failure, int port, int baud, int machine,
                               const Operation& operation, const Extra&... extra) {
    return Run(
        name, [&] { return ArgumentList(port, baud, machine, extra...); }, failure,
        [&](DeviceState&) {
            const Terminal* terminal = TerminalFor(port, baud, machine);
            return terminal == nullptr ? failure : Result(operation(*terminal));
        });
}

bool Emulator::settime(int port, int baud, int machine) {
    return TerminalCommand("settime", port, baud, machine, [](Terminal& t) {
        t.SetClock();
        return true;
    });
}

bool Emulator::cleardata(int port, int baud, int machine) {
    return TerminalCommand("cleardata", port, baud, machine, [](Terminal& t) {
        t.ClearRecords();
        return true;
    });
}

bool Emulator::clearallhmd(int port, int baud, int machine) {
    return TerminalCommand("clearallhmd", port, baud, machine, [](Terminal& t) {
        t.lostCards.clear();
        return true;
    });
}

bool Emulator::clearallhmd1(int port, int baud, int machine) {
    return TerminalCommand("clearallhmd1", port, baud, machine, [](Terminal& t) {
        t.barredCards.clear();
        return true;
    });
}

bool Emulator::clearallczj(int port, int baud, int machine) {
    return TerminalCommand("clearallczj", port, baud, machine, [](Terminal& t) {
        t.cardAmounts.clear();
        return true;
    });
}

std::string Emulator::gettime(int port, int baud, int machine) {
    const std::int64_t now = Now();
    return TerminalQuery("gettime", std::string(), port, baud, machine,
                         [&](const Terminal& t) { return t.ClockText(now); });
}

std::string Emulator::getxx(int port, int baud, int machine) {
    return TerminalQuery("getxx", std::string(), port, baud, machine,
                         [](const Terminal& t) { return HexFromText(t.info); });
}

std::string Emulator::downlssjrecd1(int port, int baud, int machine) {
    return TerminalQuery("downlssjrecd1", std::string(), port, baud, machine,
                         [](const Terminal& t) { return t.UntakenRecords(); });
}

int Emulator::getnum(int port, int baud, int machine) {
    return TerminalQuery("getnum", -1, port, baud, machine,
                         [](const Terminal& t) { return static_cast<int>(t.records.size()); });
}

int Emulator::getje(int port, int baud, int machine) {
    return TerminalQuery("getje", -1, port, baud, machine,
                         [](const Terminal& t) { return static_cast<int>(t.TotalAmountFen()); });
}

int Emulator::getmaxnum(int port, int baud, int machine) {
    return TerminalQuery("getmaxnum", -1, port, baud, machine,
                         [](const Terminal& t) { return static_cast<int>(t.capacity); });
}

bool Emulator::hfdata(int port, int baud, int machine, int count) {
    return TerminalCommand(
        "hfdata", port, baud, machine, [&](Terminal& t) { return t.RestoreRecords(count); }, count);
}

bool Emulator::gskh(int port, int baud, int machine, int cardNumber) {
    return TerminalCommand(
        "gskh", port, baud, machine, [&](Terminal& t) { return t.ReportLost(cardNumber); },
        cardNumber);
}

bool Emulator::jgkh(int port, int baud, int machine, int cardNumber) {
    return TerminalCommand(
        "jgkh", port, baud, machine, [&](Terminal& t) { return t.CancelLost(cardNumber); },
        cardNumber);
}

bool Emulator::gskh1(int port, int baud, int machine, int cardNumber) {
    return TerminalCommand(
        "gskh1", port, baud, machine, [&](Terminal& t) { return t.BarCard(cardNumber); },
        cardNumber);
}

bool Emulator::jgkh1(int port, int baud, int machine, int cardNumber) {
    return TerminalCommand(
        "jgkh1", port, baud, machine, [&](Terminal& t) { return t.AllowCard(cardNumber); },
        cardNumber);
}

bool Emulator::clearczj(int port, int baud, int machine, int cardNumber) {
    return TerminalCommand(
        "clearczj", port, baud, machine,
        [&](Terminal& t) { return t.RemoveCardAmount(cardNumber); }, cardNumber);
}

bool Emulator::setglk(int port, int baud, int machine, int cardNumber) {
    return TerminalCommand(
        "setglk", port, baud, machine, [&](Terminal& t) { return t.SetManagementCard(cardNumber); },
        cardNumber);
}

bool Emulator::downmaxje(int port, int baud, int machine, int fen) {
    return TerminalCommand(
        "downmaxje", port, baud, machine, [&](Terminal& t) { return t.SetMaxAmount(fen); }, fen);
}

bool Emulator::downsjjg(int port, int baud, int machine, int minutes) {
    return TerminalCommand(
        "downsjjg", port, baud, machine, [&](Terminal& t) { return t.SetSwipeInterval(minutes); },
        minutes);
}

std::string Emulator::downlssjrecd(int port, int baud, int machine, int start) {
    return TerminalQuery(
        "downlssjrecd", std::string(), port, baud, machine,
        [&](const Terminal& t) { return t.RecordsFrom(start); }, start);
}

bool Emulator::cleardbdata(int port, int baud, int machine, int count) {
    return TerminalCommand(
        "cleardbdata", port, baud, machine, [&](Terminal& t) { return t.MarkTaken(count); }, count);
}

bool Emulator::setxfms(int port, int baud, int machine, const char* modeCode) {
    return TerminalCommand(
        "setxfms", port, baud, machine,
        [&](Terminal& t) { return modeCode != nullptr && t.SetMode(modeCode); }, modeCode);
}

bool Emulator::updateyy(int port, int baud, int machine, const char* languageCode) {
    return TerminalCommand(
        "updateyy", port, baud, machine,
        [&](Terminal& t) { return languageCode != nullptr && t.SetLanguage(languageCode); },
        languageCode);
}

bool Emulator::downlogin(int port, int baud, int machine, const char* title) {
    return TerminalCommand(
        "downlogin", port, baud, machine,
        [&](Terminal& t) { return title != nullptr && t.SetLoginTitle(title); }, title);
}

bool Emulator::downloginxb(int port, int baud, int machine, const char* title) {
    return TerminalCommand(
        "downloginxb", port, baud, machine,
        [&](Terminal& t) { return title != nullptr && t.SetStandbyTitle(title); }, title);
}

bool Emulator::setsq(int port, int baud, int machine, const char* sector) {
    return TerminalCommand(
        "setsq", port, baud, machine,
        [&](Terminal& t) { return sector != nullptr && t.SetFreeSector(sector); }, sector);
}

bool Emulator::mmkg(int port, int baud, int machine, const char* functionCode) {
    return TerminalCommand(
        "mmkg", port, baud, machine,
        [&](Terminal& t) { return functionCode != nullptr && t.SetPasswordFunction(functionCode); },
        functionCode);
}

bool Emulator::downczj(int port, int baud, int machine, int group, int number, int cardNumber,
                       std::int64_t amount) {
    return TerminalCommand(
        "downczj", port, baud, machine,
        [&](Terminal& t) { return t.PutCardAmount(group, number, cardNumber, amount); }, group,
        number, cardNumber, Currency{amount});
}

bool Emulator::downcd(int port, int baud, int machine, int menuNumber, std::int64_t amount,
                      const char* name) {
    return TerminalCommand(
        "downcd", port, baud, machine,
        [&](Terminal& t) { return name != nullptr && t.SetMenu(menuNumber, amount, name); },
        menuNumber, Currency{amount}, name);
}

bool Emulator::setzk(int port, int baud, int machine, const char* typeCode, int perMille) {
    return TerminalCommand(
        "setzk", port, baud, machine,
        [&](Terminal& t) { return typeCode != nullptr && t.SetDiscount(typeCode, perMille); },
        typeCode, perMille);
}

bool Emulator::downpassword(int port, int baud, int machine, const char* oldPassword,
                            const char* newPassword) {
    // An empty old password box arrives as null: it matches only a terminal without one.
    return TerminalCommand(
        "downpassword", port, baud, machine,
        [&](Terminal& t) {
            return newPassword != nullptr &&
                   t.ChangePassword(oldPassword == nullptr ? "" : oldPassword, newPassword);
        },
        oldPassword, newPassword);
}

bool Emulator::setjh(int port, int baud, int oldMachine, int newMachine) {
    return Run(
        "setjh", [&] { return ArgumentList(port, baud, oldMachine, newMachine); }, false,
        [&](DeviceState& state) {
            Terminal* terminal = TerminalFor(port, baud, oldMachine);
            if (terminal == nullptr || newMachine < 1 || newMachine > 255)
                return false;
            // Two terminals with one machine number on a line would both answer every call.
            const bool taken = std::any_of(
                state.terminals.begin(), state.terminals.end(), [&](const Terminal& other) {
                    return &other != terminal && other.port == port && other.machine == newMachine;
                });
            if (taken)
                return false;
            terminal->machine = newMachine;
            return Changed(true);
        });
}

bool Emulator::setbtl(int port, int oldBaud, int machine, int rateCode) {
    return Run(
        "setbtl", [&] { return ArgumentList(port, oldBaud, machine, rateCode); }, false,
        [&](DeviceState&) {
            Terminal* terminal = TerminalFor(port, oldBaud, machine);
            if (terminal == nullptr || rateCode < 0 ||
                rateCode >= static_cast<int>(std::size(kBaudRates)))
                return false;
            terminal->baud = kBaudRates[rateCode];
            return Changed(true);
        });
}

bool Emulator::opencom1(const char* portName, int baud) {
    return Run(
        "opencom1", [&] { return ArgumentList(portName, baud); }, false,
        [&](DeviceState& state) {
            const auto port = PortFromName(portName);
            if (!port || !IsBaudRate(baud) || *port == state.reader.port)
                return false;
            const bool hasTerminal =
                std::any_of(state.terminals.begin(), state.terminals.end(),
                            [&](const Terminal& t) { return t.port == *port; });
            if (!hasTerminal)
                return false;
            monitor_ = MonitorLine{*port, baud, Now() + kTransactionInterval};
            return true;
        });
}

bool Emulator::closecom() {
    return Run(
        "closecom", [] { return std::string(); }, false,
        [&](DeviceState&) {
            const bool wasOpen = monitor_.has_value();
            monitor_.reset();
            return wasOpen;
        });
}

} // namespace emulator
