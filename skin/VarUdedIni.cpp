#include "skin/VarUdedIni.h"

#include "skin/SkinRead.h"

#include <limits>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Removes characters 0 to 32 at both ends.
std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

bool IsHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

void TQuickIni::LoadFromStream(std::span<const std::uint8_t> bytes) {
    lines_.clear();
    sections_.clear();
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = Trim(text.substr(start, end - start));
        if (!line.empty() && line.front() != ';') {
            if (IsHeader(line)) {
                sections_.emplace_back(std::string(line), static_cast<int>(lines_.size()));
            }
            lines_.emplace_back(line);
        }
        // CR LF is one break; a lone CR or LF is one too.
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
}

int TQuickIni::SectionLine(std::string_view section) const {
    const std::string wanted = "[" + std::string(section) + "]";
    for (const auto& [header, position] : sections_) {
        if (EqualsIgnoringCase(header, wanted)) {
            return position;
        }
    }
    return -1;
}

void TQuickIni::ReadSectionNames(std::vector<std::string>& list) const {
    list.clear();
    for (const auto& entry : sections_) {
        const std::string_view header = entry.first;
        list.emplace_back(Trim(header.substr(1, header.size() - 2)));
    }
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    const int at = SectionLine(section);
    if (at < 0) {
        return std::string(def);
    }
    const std::string wanted = AsciiLower(key);
    for (std::size_t i = static_cast<std::size_t>(at) + 1; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (IsHeader(line)) {
            break;
        }
        const std::size_t equals = line.find('=');
        const std::string_view lineKey =
            equals == std::string_view::npos ? std::string_view() : Trim(line.substr(0, equals));
        if (AsciiLower(lineKey) != wanted) {
            continue;
        }
        // The first line with the key decides, even when its value is empty.
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : Trim(line.substr(equals + 1));
        return value.empty() ? std::string(def) : std::string(value);
    }
    return std::string(def);
}

std::optional<std::int32_t> ParseSkinInteger(std::string_view text) {
    std::string s(text);
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.replace(0, 2, "$");
    }
    std::string_view t = s;
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    if (t.front() == '$') {
        // Hexadecimal holds up to 32 bits and wraps into the signed range ($FFFFFFFF is -1).
        t.remove_prefix(1);
        if (t.empty()) {
            return std::nullopt;
        }
        for (char c : t) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + digit;
            if (value > 0xFFFFFFFFLL) {
                return std::nullopt;
            }
        }
        const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(bits)) : bits;
    }
    for (char c : t) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t def) const {
    return ParseSkinInteger(ReadString(section, key, "")).value_or(def);
}

std::optional<TColour> ParseColourTriple(std::string_view text) {
    text = Trim(text);
    if (text.empty()) {
        return std::nullopt;
    }
    std::int32_t parts[3] = {0, 0, 0};
    int count = 0;
    std::int64_t run = -1; // -1: not inside a run of digits
    for (std::size_t i = 0; i <= text.size() && count < 3; ++i) {
        const bool digit = i < text.size() && text[i] >= '0' && text[i] <= '9';
        if (digit) {
            run = (run < 0 ? 0 : run) * 10 + (text[i] - '0');
            if (run > std::numeric_limits<std::int32_t>::max()) {
                break; // this component and the later ones stay 0
            }
            continue;
        }
        // A run counts when a non-digit ends it; only the third also counts at the end of the
        // text, so "12" and the "2" of "1,2" are dropped.
        if (run >= 0 && (i < text.size() || count == 2)) {
            parts[count++] = static_cast<std::int32_t>(run % 256);
        }
        run = -1;
    }
    return parts[0] | parts[1] << 8 | parts[2] << 16;
}

TColour ReadColourInteger(const TQuickIni& ini, std::string_view section, std::string_view key,
                          TColour def) {
    return ini.ReadInteger(section, key, def);
}

TColour ReadColourTriple(const TQuickIni& ini, std::string_view section, std::string_view key,
                         TColour def) {
    return ParseColourTriple(ini.ReadString(section, key, "")).value_or(def);
}

TColour ReadColourKeys(const TQuickIni& ini, std::string_view section, std::string_view name,
                       TColour def) {
    const std::string base(name);
    const std::int32_t r = ini.ReadInteger(section, base + "R", -1);
    const std::int32_t g = ini.ReadInteger(section, base + "G", -1);
    const std::int32_t b = ini.ReadInteger(section, base + "B", -1);
    if (r < 0 || g < 0 || b < 0) {
        return def;
    }
    return (r % 256) | (g % 256) << 8 | (b % 256) << 16;
}

std::string ImageEntryName(std::string_view value) {
    const std::size_t cut = value.find_last_of("\\:");
    const std::string_view name = cut == std::string_view::npos ? value : value.substr(cut + 1);
    const std::size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") {
        return {};
    }
    return std::string(name);
}

TBmpImage ReadImage(const TQuickIni& ini, const TSkinReader& reader, std::string_view section,
                    std::string_view key) {
    const std::string name = ImageEntryName(ini.ReadString(section, key, ""));
    if (name.empty()) {
        return {};
    }
    TByteBuffer entry;
    reader.ExtractEntry(name, entry);
    return DecodeBmp(entry);
}
