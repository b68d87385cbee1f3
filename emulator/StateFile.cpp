#include "emulator/StateFile.h"

#include "emulator/CardRecord.h"
#include "emulator/Hex.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

namespace emulator {

namespace {

constexpr std::string_view kHeader = "project2-state 1";
constexpr std::int64_t kMaxClockOffset = 100LL * 366 * 86400;

std::string HexField(std::string_view text) {
    return text.empty() ? "-" : HexFromText(text);
}

std::optional<std::string> TextField(std::string_view field) {
    if (field == "-")
        return std::string();
    return TextFromHex(field);
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::optional<std::int64_t> Number(std::string_view field, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

void WriteTerminal(std::ostringstream& out, const Terminal& t) {
    out << "terminal " << t.port << ' ' << t.baud << ' ' << t.machine << '\n';
    out << "clock " << t.clockOffset << '\n';
    out << "capacity " << t.capacity << '\n';
    out << "info " << HexField(t.info) << '\n';
    out << "password " << HexField(t.password) << '\n';
    out << "password-function " << t.passwordFunction << '\n';
    out << "mode " << t.modeCode << '\n';
    out << "language " << t.languageCode << '\n';
    out << "free-sector " << t.freeSector << '\n';
    out << "max-amount " << t.maxAmountFen << '\n';
    out << "swipe-interval " << t.swipeInterval << '\n';
    out << "management-card " << t.managementCard << '\n';
    out << "login " << HexField(t.loginTitle) << '\n';
    out << "standby " << HexField(t.standbyTitle) << '\n';
    for (const auto& [code, perMille] : t.discounts)
        out << "discount " << code << ' ' << perMille << '\n';
    for (std::uint32_t card : t.lostCards)
        out << "lost " << card << '\n';
    for (std::uint32_t card : t.barredCards)
        out << "barred " << card << '\n';
    for (const auto& [card, entry] : t.cardAmounts)
        out << "card-amount " << card << ' ' << entry.group << ' ' << entry.number << ' '
            << entry.amountFen << '\n';
    for (const auto& [number, item] : t.menus)
        out << "menu " << number << ' ' << item.amountFen << ' ' << HexField(item.name) << '\n';
    out << "next-serial " << t.nextSerial << '\n';
    out << "taken " << t.taken << '\n';
    for (const std::string& record : t.records)
        out << "record " << record << '\n';
    for (const std::string& record : t.cleared)
        out << "cleared " << record << '\n';
    out << "end\n";
}

// Reads the state line by line; any line it does not understand makes the whole file broken.
class StateParser {
public:
    explicit StateParser(std::string_view text) : text_(text) {}

    std::optional<DeviceState> Parse() {
        if (!NextLine() || !IsHeader(line_))
            return std::nullopt;
        bool readerSeen = false;
        while (NextLine()) {
            const auto f = Split(line_);
            if (f[0] == "reader" && f.size() == 3 && !readerSeen) {
                if (!ParseReader(f))
                    return std::nullopt;
                readerSeen = true;
            } else if (f[0] == "card" && f.size() == 2) {
                if (!ParseCard(f[1]))
                    return std::nullopt;
            } else if (f[0] == "generated" && f.size() == 2) {
                const auto n = Number(f[1], 0, INT64_MAX);
                if (!n)
                    return std::nullopt;
                state_.transactionsGenerated = static_cast<std::uint64_t>(*n);
            } else if (f[0] == "terminal" && f.size() == 4) {
                if (!ParseTerminal(f))
                    return std::nullopt;
            } else {
                return std::nullopt;
            }
        }
        if (!readerSeen)
            return std::nullopt;
        return std::move(state_);
    }

private:
    static bool IsHeader(std::string_view line) {
        if (line.substr(0, kHeader.size()) != kHeader)
            return false;
        const std::string_view token = line.substr(kHeader.size());
        return token.empty() || (token[0] == ' ' && token.size() > 1 &&
                                 std::all_of(token.begin() + 1, token.end(), [](char c) {
                                     return std::isalnum(static_cast<unsigned char>(c)) != 0;
                                 }));
    }

    bool NextLine() {
        while (pos_ < text_.size()) {
            const std::size_t end = std::min(text_.find('\n', pos_), text_.size());
            line_ = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            if (!line_.empty() && line_.back() == '\r')
                line_.remove_suffix(1);
            if (!line_.empty())
                return true;
        }
        return false;
    }

    bool ParseReader(const std::vector<std::string_view>& f) {
        const auto port = Number(f[1], 1, 255);
        const auto password = TextField(f[2]);
        if (!port || !password || !IsReaderPassword(*password))
            return false;
        state_.reader.port = static_cast<int>(*port);
        state_.reader.password = *password;
        return true;
    }

    bool ParseCard(std::string_view presence) {
        if (presence == "none") {
            state_.reader.card.reset();
            return true;
        }
        if (presence != "present")
            return false;
        Card card;
        std::vector<bool> seen(kBlockCount, false);
        for (int i = 0; i < kBlockCount; ++i) {
            if (!NextLine())
                return false;
            const auto f = Split(line_);
            if (f.size() != 3 || f[0] != "block")
                return false;
            const auto block = Number(f[1], 0, kBlockCount - 1);
            const auto bytes = BytesFromHex(f[2]);
            if (!block || seen[static_cast<std::size_t>(*block)] || !bytes ||
                bytes->size() != kBlockSize)
                return false;
            seen[static_cast<std::size_t>(*block)] = true;
            std::copy(bytes->begin(), bytes->end(), card.Raw(static_cast<int>(*block)).begin());
        }
        state_.reader.card = card;
        return true;
    }

    bool ParseTerminal(const std::vector<std::string_view>& f) {
        Terminal t;
        const auto port = Number(f[1], 1, 255);
        const auto baud = Number(f[2], 0, INT32_MAX);
        const auto machine = Number(f[3], 1, 255);
        if (!port || !baud || !IsBaudRate(static_cast<int>(*baud)) || !machine)
            return false;
        t.port = static_cast<int>(*port);
        t.baud = static_cast<int>(*baud);
        t.machine = static_cast<int>(*machine);
        for (const Terminal& other : state_.terminals) {
            if (other.port == t.port && other.machine == t.machine)
                return false;
        }
        std::optional<std::size_t> taken;
        while (NextLine()) {
            const auto item = Split(line_);
            if (item[0] == "end" && item.size() == 1) {
                if (t.records.size() > t.capacity || t.cleared.size() > t.capacity)
                    return false;
                if (taken.value_or(0) > t.records.size())
                    return false;
                t.taken = taken.value_or(0);
                state_.terminals.push_back(std::move(t));
                return true;
            }
            if (!ParseTerminalItem(t, item, taken))
                return false;
        }
        return false;
    }

    static bool ParseTerminalItem(Terminal& t, const std::vector<std::string_view>& item,
                                  std::optional<std::size_t>& taken) {
        const std::string_view key = item[0];
        if (item.size() == 2) {
            const std::string_view v = item[1];
            if (key == "clock")
                return Set(t.clockOffset, Number(v, -kMaxClockOffset, kMaxClockOffset));
            if (key == "capacity")
                return Set(t.capacity, Number(v, 1, kMaxRecordCapacity));
            if (key == "info")
                return Set(t.info, TextField(v));
            if (key == "password") {
                const auto password = TextField(v);
                return password && IsPrintableAscii(*password, kMaxTerminalPasswordLength) &&
                       Set(t.password, password);
            }
            if (key == "password-function")
                return t.SetPasswordFunction(v);
            if (key == "mode")
                return t.SetMode(v);
            if (key == "language")
                return t.SetLanguage(v);
            if (key == "free-sector")
                return t.SetFreeSector(v);
            if (key == "max-amount")
                return Set(t.maxAmountFen, Number(v, 0, kMaxTransactionFen));
            if (key == "swipe-interval")
                return Set(t.swipeInterval, Number(v, 0, 255));
            if (key == "management-card")
                return Set(t.managementCard, Number(v, 0, kMaxCardNumber));
            if (key == "login") {
                const auto title = TextField(v);
                return title && t.SetLoginTitle(*title);
            }
            if (key == "standby") {
                const auto title = TextField(v);
                return title && t.SetStandbyTitle(*title);
            }
            if (key == "lost") {
                const auto card = Number(v, 0, kMaxCardNumber);
                return card && t.ReportLost(*card);
            }
            if (key == "barred") {
                const auto card = Number(v, 0, kMaxCardNumber);
                return card && t.BarCard(*card);
            }
            if (key == "next-serial")
                return Set(t.nextSerial, Number(v, 1, UINT32_MAX));
            if (key == "taken")
                return Set(taken, Number(v, 0, kMaxRecordCapacity));
            if (key == "record" && IsRecordText(v)) {
                t.records.emplace_back(v);
                return true;
            }
            if (key == "cleared" && IsRecordText(v)) {
                t.cleared.emplace_back(v);
                return true;
            }
            return false;
        }
        if (key == "discount" && item.size() == 3) {
            const auto perMille = Number(item[2], 0, 1000);
            return perMille && t.SetDiscount(item[1], static_cast<int>(*perMille));
        }
        if (key == "card-amount" && item.size() == 5) {
            const auto card = Number(item[1], 0, kMaxCardNumber);
            const auto group = Number(item[2], 0, 255);
            const auto number = Number(item[3], 0, 99);
            const auto fen = Number(item[4], 0, kMaxTransactionFen);
            return card && group && number && fen &&
                   t.PutCardAmount(static_cast<int>(*group), static_cast<int>(*number), *card,
                                   *fen * 100);
        }
        if (key == "menu" && item.size() == 4) {
            const auto number = Number(item[1], 0, 99);
            const auto fen = Number(item[2], 0, kMaxTransactionFen);
            const auto name = TextField(item[3]);
            return number && fen && name && t.SetMenu(static_cast<int>(*number), *fen * 100, *name);
        }
        return false;
    }

    template <class T, class V> static bool Set(T& target, const std::optional<V>& value) {
        if (!value)
            return false;
        target = static_cast<T>(*value);
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string_view line_;
    DeviceState state_;
};

} // namespace

std::string SerializeState(const DeviceState& state, const std::string& token) {
    std::ostringstream out;
    out << kHeader << (token.empty() ? "" : " ") << token << '\n';
    out << "reader " << state.reader.port << ' ' << HexField(state.reader.password) << '\n';
    if (state.reader.card) {
        out << "card present\n";
        for (int block = 0; block < kBlockCount; ++block)
            out << "block " << block << ' ' << HexFromBytes(state.reader.card->At(block)) << '\n';
    } else {
        out << "card none\n";
    }
    out << "generated " << state.transactionsGenerated << '\n';
    for (const Terminal& terminal : state.terminals)
        WriteTerminal(out, terminal);
    return out.str();
}

std::optional<DeviceState> ParseState(std::string_view text) {
    return StateParser(text).Parse();
}

StateFile::Stamp StateFile::CurrentStamp() const {
    Stamp stamp;
    std::error_code error;
    stamp.exists = std::filesystem::is_regular_file(path_, error);
    if (!stamp.exists)
        return stamp;
    stamp.time = std::filesystem::last_write_time(path_, error);
    stamp.size = std::filesystem::file_size(path_, error);
    if (error)
        stamp.size = 0;
    std::ifstream in(path_, std::ios::binary);
    char line[64] = {};
    in.getline(line, sizeof line);
    stamp.firstLine = line;
    return stamp;
}

bool StateFile::ChangedOnDisk() const {
    return !known_ || CurrentStamp() != *known_;
}

StateFile::LoadResult StateFile::Load() {
    LoadResult result;
    const Stamp stamp = CurrentStamp();
    if (!stamp.exists) {
        std::error_code error;
        result.status =
            std::filesystem::exists(path_, error) ? Status::Unreadable : Status::Missing;
        return result;
    }
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        result.status = Status::Unreadable;
        return result;
    }
    auto state = ParseState(text.str());
    if (!state) {
        result.status = Status::Broken;
        return result;
    }
    known_ = stamp;
    result.status = Status::Loaded;
    result.state = std::move(*state);
    return result;
}

bool StateFile::Save(const DeviceState& state) {
    // A name of our own beside the target, so that two programs saving at once never write
    // into the same temporary file.
    static const std::uint64_t kTag =
        (std::uint64_t{std::random_device{}()} << 32) | std::random_device{}();
    std::filesystem::path temporary = path_;
    temporary += ".tmp" + std::to_string(kTag);
    // Unique to this save among all programs and all state files of this one.
    static std::atomic<std::uint64_t> saves{0};
    char token[48];
    std::snprintf(token, sizeof token, "%016llX%08llX", static_cast<unsigned long long>(kTag),
                  static_cast<unsigned long long>(++saves & 0xFFFFFFFF));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << SerializeState(state, token);
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            // What is there now counts as seen: the state in memory stays the one in use
            // until another program writes the file.
            known_ = CurrentStamp();
            return false;
        }
    }
    // On Windows a file that another program has open for reading cannot be replaced; that
    // lasts only while it reads, so try again for a moment.
    std::error_code error;
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::filesystem::rename(temporary, path_, error);
        if (!error)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (error) {
        std::filesystem::remove(temporary, error);
        known_ = CurrentStamp();
        return false;
    }
    known_ = CurrentStamp();
    return true;
}

std::filesystem::path StateFile::MoveAside() {
    std::filesystem::path aside = path_;
    aside += ".broken";
    std::error_code error;
    std::filesystem::rename(path_, aside, error);
    known_.reset();
    return error ? std::filesystem::path() : aside;
}

} // namespace emulator
