#pragma once
// The terminal library's calls over the device model. Each call loads the state file again when
// another program changed it, lets the transaction generator catch up, does its work, saves the
// state when something changed and writes its trace line. A call that reaches no device, or
// whose arguments the device would refuse, fails like a silent device: false, an empty text or
// -1, and changes nothing.
//
// The methods carry the names and argument orders of the library's exports. Texts may be null;
// currency is raw fixed point (value x 10000).

#include "emulator/DeviceState.h"
#include "emulator/StateFile.h"
#include "emulator/Trace.h"
#include "emulator/TransactionGenerator.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace emulator {

struct EmulatorOptions {
    std::filesystem::path statePath;     // empty: the state lives in memory only
    std::filesystem::path tracePath;     // empty: no trace
    std::function<std::int64_t()> clock; // local seconds; the computer's clock when empty
};

// PROJECT2_STATE and PROJECT2_TRACE, with the state file beside the library by default.
EmulatorOptions OptionsFromEnvironment(const std::filesystem::path& defaultStatePath);

class Emulator {
public:
    explicit Emulator(EmulatorOptions options);

    // Card reader.
    std::string newreadcard(int port, const char* readerCode, const char* block, int count);
    bool newwritecard(int port, const char* readerCode, const char* block, int count,
                      const char* hex);
    bool writekh(int port, const char* readerCode, const char* block, int cardNumber);
    bool tolvane(int port, const char* readerCode, const char* block, int cardNumber,
                 const char* name, const char* password, const char* date, const char* flags,
                 std::int64_t minimumBalance, std::int64_t dailyLimit, int limit1, int limit2,
                 int limit3, int limit4, const char* typeCode);
    std::string newreadje(int port, const char* readerCode, int block);
    bool addje(int port, const char* readerCode, int block, int fen);
    bool jk(int port, const char* readerCode, int block, int fen);
    bool money(int port, const char* readerCode, int block);
    bool downmmre(int port, const char* readerCode, const char* password);
    std::string readmm(int port);

    // Terminals: link only.
    bool settime(int port, int baud, int machine);
    bool cleardata(int port, int baud, int machine);
    bool clearallhmd(int port, int baud, int machine);
    bool clearallhmd1(int port, int baud, int machine);
    bool clearallczj(int port, int baud, int machine);
    std::string gettime(int port, int baud, int machine);
    std::string getxx(int port, int baud, int machine);
    std::string downlssjrecd1(int port, int baud, int machine);
    int getnum(int port, int baud, int machine);
    int getje(int port, int baud, int machine);
    int getmaxnum(int port, int baud, int machine);

    // Terminals: link and one integer.
    bool hfdata(int port, int baud, int machine, int count);
    bool gskh(int port, int baud, int machine, int cardNumber);
    bool jgkh(int port, int baud, int machine, int cardNumber);
    bool gskh1(int port, int baud, int machine, int cardNumber);
    bool jgkh1(int port, int baud, int machine, int cardNumber);
    bool clearczj(int port, int baud, int machine, int cardNumber);
    bool setglk(int port, int baud, int machine, int cardNumber);
    bool downmaxje(int port, int baud, int machine, int fen);
    bool downsjjg(int port, int baud, int machine, int minutes);
    std::string downlssjrecd(int port, int baud, int machine, int start);
    bool cleardbdata(int port, int baud, int machine, int count);

    // Terminals: link and one text.
    bool setxfms(int port, int baud, int machine, const char* modeCode);
    bool updateyy(int port, int baud, int machine, const char* languageCode);
    bool downlogin(int port, int baud, int machine, const char* title);
    bool downloginxb(int port, int baud, int machine, const char* title);
    bool setsq(int port, int baud, int machine, const char* sector);
    bool mmkg(int port, int baud, int machine, const char* functionCode);

    // Terminals: the rest.
    bool downczj(int port, int baud, int machine, int group, int number, int cardNumber,
                 std::int64_t amount);
    bool downcd(int port, int baud, int machine, int menuNumber, std::int64_t amount,
                const char* name);
    bool setzk(int port, int baud, int machine, const char* typeCode, int perMille);
    bool downpassword(int port, int baud, int machine, const char* oldPassword,
                      const char* newPassword);
    bool setjh(int port, int baud, int oldMachine, int newMachine);
    bool setbtl(int port, int oldBaud, int machine, int rateCode);
    bool opencom1(const char* portName, int baud);
    bool closecom();

    // For the state tool and tests: the current state (re-read when another program changed
    // it), and a change to it that is saved like any call's.
    const DeviceState& State();
    void Change(const std::function<void(DeviceState&)>& change);
    std::int64_t Now() const;

private:
    template <class Result, class Describe, class Operation>
    Result Run(const char* name, const Describe& describe, Result failure,
               const Operation& operation);
    // A call to one terminal: `operation` runs on the addressed terminal, if one answers.
    // Commands change the terminal when they succeed; queries only read it.
    template <class Operation, class... Extra>
    bool TerminalCommand(const char* name, int port, int baud, int machine,
                         const Operation& operation, const Extra&... extra);
    template <class Result, class Operation, class... Extra>
    Result TerminalQuery(const char* name, Result failure, int port, int baud, int machine,
                         const Operation& operation, const Extra&... extra);
    void Sync();
    // Saves a change; `whole` writes the whole state anew instead of appending the change.
    void Persist(bool whole = false);
    void Note(const std::string& message);
    bool Changed(bool done) {
        changed_ = changed_ || done;
        return done;
    }
    Card* CardFor(int port, const char* readerCode);
    Terminal* TerminalFor(int port, int baud, int machine);

    std::recursive_mutex mutex_;
    std::optional<StateFile> file_;
    Trace trace_;
    std::function<std::int64_t()> clock_;
    std::optional<DeviceState> state_;
    std::optional<MonitorLine> monitor_;
    bool changed_ = false;
    bool saveBlocked_ = false;
};

} // namespace emulator
