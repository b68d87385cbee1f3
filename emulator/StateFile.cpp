#include "emulator/StateFile.h"

#include "emulator/CardRecord.h"
#include "emulator/Hex.h"
#include "emulator/StateJournal.h"

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
#include <utility>
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

// Everything of a terminal but its link, its records and the counts that move with them.
void WriteTerminalSettings(std::ostringstream& out, const Terminal& t) {
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
}

void WriteTerminal(std::ostringstream& out, const Terminal& t) {
    out << "terminal " << t.port << ' ' << t.baud << ' ' << t.machine << '\n';
    WriteTerminalSettings(out, t);
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
    explicit StateParser(std::string_view text, DeviceState base = {})
        : text_(text), state_(std::move(base)) {}

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
                if (!ParseGenerated(f[1]))
                    return std::nullopt;
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

    // Applies the lines of one journal change to the state given; false when a line does not
    // fit or the result is not consistent (the state is then left half changed).
    bool ApplyChange() {
        while (NextLine()) {
            const auto f = Split(line_);
            bool applied = false;
            if (f[0] == "reader" && f.size() == 3)
                applied = ParseReader(f);
            else if (f[0] == "card" && f.size() == 2)
                applied = ParseCard(f[1]);
            else if (f[0] == "generated" && f.size() == 2)
                applied = ParseGenerated(f[1]);
            else if (f[0] == "settings" && f.size() == 5)
                applied = ParseSettings(f);
            else if (f[0] == "counts" && f.size() == 4)
                applied = ParseCounts(f);
            else if (f[0] == "add" && f.size() == 3)
                applied = ParseAdd(f);
            if (!applied)
                return false;
        }
        return Consistent();
    }
    DeviceState& State() { return state_; }

private:
    bool ParseGenerated(std::string_view field) {
        const auto n = Number(field, 0, INT64_MAX);
        if (!n)
            return false;
        state_.transactionsGenerated = static_cast<std::uint64_t>(*n);
        return true;
    }

    Terminal* TerminalAt(std::string_view field) {
        const auto index = Number(field, 0, static_cast<std::int64_t>(state_.terminals.size()) - 1);
        return index ? &state_.terminals[static_cast<std::size_t>(*index)] : nullptr;
    }

    // "settings INDEX PORT BAUD MACHINE", the terminal's settings up to "end": they replace
    // those of the terminal at INDEX, which keeps its records.
    bool ParseSettings(const std::vector<std::string_view>& f) {
        Terminal* old = TerminalAt(f[1]);
        if (old == nullptr)
            return false;
        std::optional<Terminal> t = ParseTerminalBlock(f[2], f[3], f[4], true);
        if (!t)
            return false;
        t->records = std::move(old->records);
        t->cleared = std::move(old->cleared);
        t->taken = old->taken;
        t->nextSerial = old->nextSerial;
        *old = std::move(*t);
        return true;
    }

    // "counts INDEX NEXT-SERIAL TAKEN".
    bool ParseCounts(const std::vector<std::string_view>& f) {
        Terminal* t = TerminalAt(f[1]);
        const auto next = Number(f[2], 1, UINT32_MAX);
        const auto taken = Number(f[3], 0, kMaxRecordCapacity);
        if (t == nullptr || !next || !taken)
            return false;
        t->nextSerial = static_cast<std::uint32_t>(*next);
        t->taken = static_cast<std::size_t>(*taken);
        return true;
    }

    // "add INDEX RECORD": a record stored at the end of the terminal's records.
    bool ParseAdd(const std::vector<std::string_view>& f) {
        Terminal* t = TerminalAt(f[1]);
        if (t == nullptr || !IsRecordText(f[2]) || t->records.size() >= t->capacity)
            return false;
        t->records.emplace_back(f[2]);
        return true;
    }

    bool Consistent() const {
        const auto& all = state_.terminals;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Terminal& t = all[i];
            if (t.records.size() > t.capacity || t.cleared.size() > t.capacity ||
                t.taken > t.records.size())
                return false;
            for (std::size_t j = 0; j < i; ++j) {
                if (all[j].port == t.port && all[j].machine == t.machine)
                    return false;
            }
        }
        return true;
    }

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
        std::optional<Terminal> t = ParseTerminalBlock(f[1], f[2], f[3], false);
        if (!t)
            return false;
        for (const Terminal& other : state_.terminals) {
            if (other.port == t->port && other.machine == t->machine)
                return false;
        }
        state_.terminals.push_back(std::move(*t));
        return true;
    }

    // A terminal's items up to "end"; with `settingsOnly` its records and their counts are
    // refused.
    std::optional<Terminal> ParseTerminalBlock(std::string_view portField,
                                               std::string_view baudField,
                                               std::string_view machineField, bool settingsOnly) {
        Terminal t;
        const auto port = Number(portField, 1, 255);
        const auto baud = Number(baudField, 0, INT32_MAX);
        const auto machine = Number(machineField, 1, 255);
        if (!port || !baud || !IsBaudRate(static_cast<int>(*baud)) || !machine)
            return std::nullopt;
        t.port = static_cast<int>(*port);
        t.baud = static_cast<int>(*baud);
        t.machine = static_cast<int>(*machine);
        std::optional<std::size_t> taken;
        while (NextLine()) {
            const auto item = Split(line_);
            if (item[0] == "end" && item.size() == 1) {
                if (t.records.size() > t.capacity || t.cleared.size() > t.capacity)
                    return std::nullopt;
                if (taken.value_or(0) > t.records.size())
                    return std::nullopt;
                t.taken = taken.value_or(0);
                return t;
            }
            const bool counted = item[0] == "record" || item[0] == "cleared" ||
                                 item[0] == "taken" || item[0] == "next-serial";
            if ((settingsOnly && counted) || !ParseTerminalItem(t, item, taken))
                return std::nullopt;
        }
        return std::nullopt;
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

namespace {

void WriteReader(std::ostringstream& out, const DeviceState& state) {
    out << "reader " << state.reader.port << ' ' << HexField(state.reader.password) << '\n';
    if (state.reader.card) {
        out << "card present\n";
        for (int block = 0; block < kBlockCount; ++block)
            out << "block " << block << ' ' << HexFromBytes(state.reader.card->At(block)) << '\n';
    } else {
        out << "card none\n";
    }
}

// The journal grows to the snapshot's size, and at least to this, before a new snapshot.
constexpr std::size_t kMinJournalBytes = 64 * 1024;

} // namespace

std::string SerializeState(const DeviceState& state, const std::string& token) {
    std::ostringstream out;
    out << kHeader << (token.empty() ? "" : " ") << token << '\n';
    WriteReader(out, state);
    out << "generated " << state.transactionsGenerated << '\n';
    for (const Terminal& terminal : state.terminals)
        WriteTerminal(out, terminal);
    return out.str();
}

std::optional<DeviceState> ParseState(std::string_view text) {
    return StateParser(text).Parse();
}

StateFileText ReadStateFileText(std::string_view text) {
    StateFileText read;
    read.snapshotBytes = JournalStart(text);
    // A change that does not fit leaves the state half changed: then the state is read again,
    // up to that change.
    std::size_t limit = text.size();
    for (;;) {
        read.state = ParseState(text.substr(0, read.snapshotBytes));
        read.readableBytes = read.snapshotBytes;
        if (!read.state)
            return read;
        bool misfit = false;
        while (read.readableBytes < limit) {
            const auto entry = ReadJournalEntry(text, read.readableBytes);
            if (!entry)
                break;
            StateParser change(entry->change, std::move(*read.state));
            misfit = !change.ApplyChange();
            read.state = std::move(change.State());
            if (misfit)
                break;
            read.readableBytes = entry->end;
        }
        if (!misfit)
            return read;
        limit = read.readableBytes;
    }
}

StateFile::Image StateFile::ImageOf(const DeviceState& state) {
    Image image;
    std::ostringstream reader;
    WriteReader(reader, state);
    image.reader = reader.str();
    image.generated = state.transactionsGenerated;
    for (const Terminal& t : state.terminals) {
        TerminalImage& ti = image.terminals.emplace_back();
        std::ostringstream settings;
        settings << t.port << ' ' << t.baud << ' ' << t.machine << '\n';
        WriteTerminalSettings(settings, t);
        ti.settings = settings.str();
        ti.nextSerial = t.nextSerial;
        ti.taken = t.taken;
        ti.recordsMark = t.recordsMark;
        ti.records = t.records.size();
        ti.lastRecord = t.records.empty() ? std::string() : t.records.back();
        ti.cleared = t.cleared.size();
    }
    return image;
}

std::optional<std::string> StateFile::ChangeFrom(const Image& before, const Image& after,
                                                 const DeviceState& state) {
    if (after.terminals.size() != before.terminals.size())
        return std::nullopt;
    std::ostringstream change;
    if (after.reader != before.reader)
        change << after.reader;
    if (after.generated != before.generated)
        change << "generated " << after.generated << '\n';
    for (std::size_t i = 0; i < after.terminals.size(); ++i) {
        const TerminalImage& was = before.terminals[i];
        const TerminalImage& is = after.terminals[i];
        // Records changed other than by adding at the end need a new snapshot; the last one
        // written is compared too, as a check on the mark.
        const std::vector<std::string>& records = state.terminals[i].records;
        if (is.recordsMark != was.recordsMark || is.records < was.records ||
            is.cleared != was.cleared ||
            (was.records > 0 && records[was.records - 1] != was.lastRecord))
            return std::nullopt;
        if (is.settings != was.settings)
            change << "settings " << i << ' ' << is.settings << "end\n";
        if (is.nextSerial != was.nextSerial || is.taken != was.taken)
            change << "counts " << i << ' ' << is.nextSerial << ' ' << is.taken << '\n';
        for (std::size_t r = was.records; r < is.records; ++r)
            change << "add " << i << ' ' << records[r] << '\n';
    }
    return change.str();
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
    const bool changed = !known_ || CurrentStamp() != *known_;
    confirmed_ = !changed;
    return changed;
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
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!in) {
        result.status = Status::Unreadable;
        return result;
    }
    const std::string text = buffer.str();
    StateFileText read = ReadStateFileText(text);
    if (!read.state) {
        result.status = Status::Broken;
        return result;
    }
    known_ = stamp;
    confirmed_ = false;
    image_.reset();
    // A change is appended only where the last one read ends: after an ignored tail, or when
    // the file grew while it was read, the next save writes a new snapshot.
    if (read.readableBytes == text.size() && text.size() == stamp.size) {
        image_ = ImageOf(*read.state);
        snapshotBytes_ = read.snapshotBytes;
        fileBytes_ = text.size();
    }
    result.status = Status::Loaded;
    result.state = std::move(*read.state);
    return result;
}

bool StateFile::Save(const DeviceState& state, bool whole) {
    // A change is appended only to the file this object knows; checked once per call of the
    // library (the check costs more than the append).
    const bool confirmed = std::exchange(confirmed_, false);
    if (whole || !image_ || !known_ || (!confirmed && CurrentStamp() != *known_))
        return Rewrite(state);
    Image after = ImageOf(state);
    const std::optional<std::string> change = ChangeFrom(*image_, after, state);
    if (!change)
        return Rewrite(state);
    if (change->empty())
        return true;
    const std::string entry = JournalEntry(*change);
    if (fileBytes_ - snapshotBytes_ + entry.size() > std::max(snapshotBytes_, kMinJournalBytes))
        return Rewrite(state);
    // The file replaced since it was checked: the last writer wins, as between two snapshots.
    const std::optional<bool> appended = Append(entry, std::move(after));
    return appended ? *appended : Rewrite(state);
}

std::optional<bool> StateFile::Append(const std::string& entry, Image after) {
    const std::size_t expected = fileBytes_ + entry.size();
    std::streamoff end = -1;
    {
        // One opening both checks that the file is still the one this object knows (opening a
        // file costs far more than anything else here, under Wine above all) and appends.
        // Unbuffered, so that the entry goes to the end of the file in one write even when
        // another program appends at the same moment.
        std::fstream file;
        file.rdbuf()->pubsetbuf(nullptr, 0);
        file.open(path_, std::ios::binary | std::ios::in | std::ios::out | std::ios::app);
        char line[64] = {};
        file.getline(line, sizeof line);
        if (!file || line != known_->firstLine)
            return std::nullopt;
        file.clear(); // a first line that ends the file leaves the end-of-file flag set
        file.seekp(0, std::ios::end);
        file.write(entry.data(), static_cast<std::streamsize>(entry.size()));
        file.flush();
        if (file)
            end = file.tellp();
    }
    if (end < 0) {
        // Perhaps part of the entry is there: the next save writes the whole state.
        known_ = CurrentStamp();
        image_.reset();
        return false;
    }
    if (static_cast<std::size_t>(end) != expected) {
        // Another program appended at the same time: read the file again at the next call.
        known_.reset();
        image_.reset();
        return true;
    }
    std::error_code error;
    known_->time = std::filesystem::last_write_time(path_, error);
    known_->size = expected;
    image_ = std::move(after);
    fileBytes_ = expected;
    return true;
}

bool StateFile::Rewrite(const DeviceState& state) {
    image_.reset();
    confirmed_ = false;
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
    const std::string text = SerializeState(state, token);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
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
    if (known_->size == text.size()) {
        image_ = ImageOf(state);
        snapshotBytes_ = fileBytes_ = text.size();
    }
    return true;
}

std::filesystem::path StateFile::MoveAside() {
    std::filesystem::path aside = path_;
    aside += ".broken";
    std::error_code error;
    std::filesystem::rename(path_, aside, error);
    known_.reset();
    confirmed_ = false;
    image_.reset();
    return error ? std::filesystem::path() : aside;
}

} // namespace emulator
