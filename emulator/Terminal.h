#pragma once
// One consumption terminal on a serial line: its link (port, baud rate, machine number), its
// clock, its stored transaction records and the lists and settings the library can change.
// Every operation checks its arguments and changes nothing when it refuses them.

#include "emulator/TerminalRecord.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

constexpr std::size_t kRecordBatchSize = 10;
constexpr char kNoMoreRecords[] = "85";
constexpr std::size_t kMaxRecordCapacity = 1000000;
constexpr std::size_t kMaxTitleBytes = 32;
constexpr std::size_t kMaxMenuNameBytes = 20;
constexpr std::size_t kMaxTerminalPasswordLength = 12;
constexpr std::uint32_t kMaxTransactionFen = 9999999; // the width of a record's amount

// The rates a terminal can run at, by the rate code of a baud rate change.
constexpr int kBaudRates[] = {9600, 19200, 38400, 57600, 115200};
bool IsBaudRate(int baud);

struct CardAmountEntry {
    int group = 0;
    int number = 0;
    std::uint32_t amountFen = 0;
};

struct MenuItem {
    std::uint32_t amountFen = 0;
    std::string name; // GBK
};

std::uint64_t NewRecordsMark();

struct Terminal {
    int port = 0;
    int baud = 0;
    int machine = 0;

    std::int64_t clockOffset = 0; // terminal clock minus the computer's clock, seconds
    std::size_t capacity = 50000;
    std::string info; // device description, GBK
    std::string password = "123456";
    std::string passwordFunction = "01";
    std::string modeCode = "00";
    std::string languageCode = "00";
    int freeSector = 0;
    std::uint32_t maxAmountFen = 9999900;
    int swipeInterval = 0;
    std::uint32_t managementCard = 1;
    std::string loginTitle;               // printed and start-up title
    std::string standbyTitle;             // standby title
    std::map<std::string, int> discounts; // type code "41"-"4A" -> per mille
    std::set<std::uint32_t> lostCards;
    std::set<std::uint32_t> barredCards; // cards refused on this machine
    std::map<std::uint32_t, CardAmountEntry> cardAmounts;
    std::map<int, MenuItem> menus;

    std::uint32_t nextSerial = 1;
    std::vector<std::string> records; // oldest first
    std::size_t taken = 0;            // records [0, taken) were collected by live monitoring
    std::vector<std::string> cleared; // records removed by clearing, restorable
    // Changes whenever the records or the cleared ones change other than by records added at
    // the end, so that the state file can write just the added ones: unique among all marks
    // handed out in this process.
    std::uint64_t recordsMark = NewRecordsMark();

    bool Matches(int callPort, int callBaud, int callMachine) const {
        return callPort == port && callBaud == baud && callMachine == machine;
    }

    // Clock.
    std::string ClockText(std::int64_t computerNow) const;
    void SetClock() { clockOffset = 0; }

    // Records.
    bool AddRecord(TransactionRecord record, std::int64_t computerNow);
    std::string RecordsFrom(int start) const; // empty for a bad start, "85" past the end
    std::string UntakenRecords() const;
    bool MarkTaken(int count);
    bool RestoreRecords(int count);
    void ClearRecords();
    std::uint32_t TotalAmountFen() const;

    // Lists.
    bool ReportLost(std::int64_t card);
    bool CancelLost(std::int64_t card);
    bool BarCard(std::int64_t card);
    bool AllowCard(std::int64_t card);
    bool PutCardAmount(int group, int number, std::int64_t card, std::int64_t amount);
    bool RemoveCardAmount(std::int64_t card);

    // Settings.
    bool SetManagementCard(std::int64_t card);
    bool SetSwipeInterval(int minutes);
    bool SetMaxAmount(int fen);
    bool SetMenu(int number, std::int64_t amount, std::string_view name);
    bool SetMode(std::string_view code);
    bool SetDiscount(std::string_view typeCode, int perMille);
    bool SetLoginTitle(std::string_view title);
    bool SetStandbyTitle(std::string_view title);
    bool SetLanguage(std::string_view code);
    bool SetFreeSector(std::string_view sector);
    bool SetPasswordFunction(std::string_view code);
    bool ChangePassword(std::string_view oldPassword, std::string_view newPassword);
};

} // namespace emulator
