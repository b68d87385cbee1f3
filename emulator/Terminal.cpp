#include "emulator/Terminal.h"

#include "emulator/CardRecord.h"
#include "emulator/Hex.h"
#include "emulator/LocalTime.h"

#include <algorithm>
#include <atomic>

namespace emulator {

namespace {

bool IsCardNumber(std::int64_t card) {
    return card >= 0 && card <= kMaxCardNumber;
}

bool IsOneOf(std::string_view code, std::initializer_list<std::string_view> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string Concatenated(const std::vector<std::string>& records, std::size_t first) {
    if (first >= records.size())
        return kNoMoreRecords;
    const std::size_t last = std::min(records.size(), first + kRecordBatchSize);
    std::string reply;
    reply.reserve((last - first) * kRecordLength);
    for (std::size_t i = first; i < last; ++i)
        reply += records[i];
    return reply;
}

} // namespace

std::uint64_t NewRecordsMark() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

bool IsBaudRate(int baud) {
    return std::find(std::begin(kBaudRates), std::end(kBaudRates), baud) != std::end(kBaudRates);
}

std::string Terminal::ClockText(std::int64_t computerNow) const {
    return TerminalClockText(computerNow + clockOffset);
}

bool Terminal::AddRecord(TransactionRecord record, std::int64_t computerNow) {
    if (records.size() >= capacity)
        return false;
    record.machine = machine;
    record.serial = nextSerial++;
    record.time = computerNow + clockOffset;
    record.modeCode = modeCode;
    records.push_back(FormatRecord(record));
    return true;
}

std::string Terminal::RecordsFrom(int start) const {
    if (start < 0)
        return {};
    return Concatenated(records, static_cast<std::size_t>(start));
}

std::string Terminal::UntakenRecords() const {
    return Concatenated(records, taken);
}

bool Terminal::MarkTaken(int count) {
    if (count < 0)
        return false;
    taken = std::min(records.size(), taken + static_cast<std::size_t>(count));
    return true;
}

bool Terminal::RestoreRecords(int count) {
    if (count < 0)
        return false;
    // The most recently cleared records come back in front of anything stored since, as
    // already collected: they can be downloaded again but do not show up as new.
    const std::size_t room = capacity > records.size() ? capacity - records.size() : 0;
    const std::size_t n = std::min({cleared.size(), static_cast<std::size_t>(count), room});
    const auto first = cleared.end() - static_cast<std::ptrdiff_t>(n);
    records.insert(records.begin(), first, cleared.end());
    cleared.erase(first, cleared.end());
    taken += n;
    recordsMark = NewRecordsMark();
    return true;
}

void Terminal::ClearRecords() {
    cleared.insert(cleared.end(), records.begin(), records.end());
    if (cleared.size() > capacity)
        cleared.erase(cleared.begin(), cleared.end() - static_cast<std::ptrdiff_t>(capacity));
    records.clear();
    taken = 0;
    recordsMark = NewRecordsMark();
}

std::uint32_t Terminal::TotalAmountFen() const {
    std::uint64_t total = 0;
    for (const std::string& record : records)
        total += RecordAmountFen(record);
    // The reply is a signed 32-bit count; -1 is reserved for a silent terminal.
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(total, INT32_MAX));
}

bool Terminal::ReportLost(std::int64_t card) {
    if (!IsCardNumber(card))
        return false;
    lostCards.insert(static_cast<std::uint32_t>(card));
    return true;
}

bool Terminal::CancelLost(std::int64_t card) {
    if (!IsCardNumber(card))
        return false;
    lostCards.erase(static_cast<std::uint32_t>(card));
    return true;
}

bool Terminal::BarCard(std::int64_t card) {
    if (!IsCardNumber(card))
        return false;
    barredCards.insert(static_cast<std::uint32_t>(card));
    return true;
}

bool Terminal::AllowCard(std::int64_t card) {
    if (!IsCardNumber(card))
        return false;
    barredCards.erase(static_cast<std::uint32_t>(card));
    return true;
}

bool Terminal::PutCardAmount(int group, int number, std::int64_t card, std::int64_t amount) {
    const auto fen = FenFromCurrency(amount);
    if (group < 1 || group > 255 || number < 1 || number > 99 || !IsCardNumber(card) || !fen ||
        *fen > kMaxTransactionFen)
        return false;
    cardAmounts[static_cast<std::uint32_t>(card)] = CardAmountEntry{group, number, *fen};
    return true;
}

bool Terminal::RemoveCardAmount(std::int64_t card) {
    if (!IsCardNumber(card))
        return false;
    cardAmounts.erase(static_cast<std::uint32_t>(card));
    return true;
}

bool Terminal::SetManagementCard(std::int64_t card) {
    if (!IsCardNumber(card))
        return false;
    managementCard = static_cast<std::uint32_t>(card);
    return true;
}

bool Terminal::SetSwipeInterval(int minutes) {
    if (minutes < 0 || minutes > 255)
        return false;
    swipeInterval = minutes;
    return true;
}

bool Terminal::SetMaxAmount(int fen) {
    if (fen < 0 || static_cast<std::uint32_t>(fen) > kMaxTransactionFen)
        return false;
    maxAmountFen = static_cast<std::uint32_t>(fen);
    return true;
}

bool Terminal::SetMenu(int number, std::int64_t amount, std::string_view name) {
    const auto fen = FenFromCurrency(amount);
    if (number < 1 || number > 99 || !fen || *fen > kMaxTransactionFen || name.empty() ||
        name.size() > kMaxMenuNameBytes)
        return false;
    menus[number] = MenuItem{*fen, std::string(name)};
    return true;
}

bool Terminal::SetMode(std::string_view code) {
    if (!IsOneOf(code, {"00", "01", "02", "03"}))
        return false;
    modeCode = std::string(code);
    return true;
}

bool Terminal::SetDiscount(std::string_view typeCode, int perMille) {
    const std::string code = UpperCase(typeCode);
    if (!IsCardTypeCode(code) || perMille < 0 || perMille > 1000)
        return false;
    discounts[code] = perMille;
    return true;
}

bool Terminal::SetLoginTitle(std::string_view title) {
    if (title.size() > kMaxTitleBytes)
        return false;
    loginTitle = title;
    return true;
}

bool Terminal::SetStandbyTitle(std::string_view title) {
    if (title.size() > kMaxTitleBytes)
        return false;
    standbyTitle = title;
    return true;
}

bool Terminal::SetLanguage(std::string_view code) {
    if (!IsOneOf(code, {"00", "01", "02"}))
        return false;
    languageCode = std::string(code);
    return true;
}

bool Terminal::SetFreeSector(std::string_view sector) {
    const auto value = ParseDecimal(sector, 2);
    if (!value || *value > 15)
        return false;
    freeSector = *value;
    return true;
}

bool Terminal::SetPasswordFunction(std::string_view code) {
    if (!IsOneOf(code, {"00", "01"}))
        return false;
    passwordFunction = std::string(code);
    return true;
}

bool Terminal::ChangePassword(std::string_view oldPassword, std::string_view newPassword) {
    if (oldPassword != password || !IsPrintableAscii(newPassword, kMaxTerminalPasswordLength))
        return false;
    password = newPassword;
    return true;
}

} // namespace emulator
