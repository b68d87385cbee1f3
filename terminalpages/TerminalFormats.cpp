#include "terminalpages/TerminalFormats.h"

#include "devlib/Conversions.h"

#include <array>
#include <cstdio>

namespace {

// GBK bytes of the fixed Chinese words of the lines.
constexpr std::string_view kWeekWord = "\xD0\xC7\xC6\xDA"; // 星期
constexpr std::array<std::string_view, 7> kWeekdayNumerals = {
    "\xD2\xBB", // 一
    "\xB6\xFE", // 二
    "\xC8\xFD", // 三
    "\xCB\xC4", // 四
    "\xCE\xE5", // 五
    "\xC1\xF9", // 六
    "\xC8\xD5", // 日
};
constexpr std::string_view kDownloadedWord = "\xB9\xB2\xCF\xC2\xD4\xD8"; // 共下载
constexpr std::string_view kRecordsWord = "\xCC\xF5";                    // 条

// Characters first..first+count-1 (from 1), cut at the end of the text.
template <typename Char>
std::basic_string_view<Char> Piece(std::basic_string_view<Char> text, std::size_t first,
                                   std::size_t count) {
    if (first > text.size())
        return {};
    return text.substr(first - 1, count);
}

bool FitsFileName(wchar_t c) {
    if (c < 32)
        return false;
    return std::wstring_view(L"\\/:*?\"<>|").find(c) == std::wstring_view::npos;
}

std::wstring FileNamePart(std::wstring_view text) {
    std::wstring part(text);
    for (wchar_t& c : part) {
        if (!FitsFileName(c))
            c = L'-';
    }
    return part;
}

std::int32_t WrappingIncrement(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + 1u);
}

} // namespace

std::string ClockLine(std::string_view reply) {
    std::string weekday(Piece(reply, 10, 1));
    if (weekday.size() == 1 && weekday[0] >= '1' && weekday[0] <= '7')
        weekday = kWeekdayNumerals[static_cast<std::size_t>(weekday[0] - '1')];
    std::string line;
    line += Piece(reply, 1, 4);
    line += '-';
    line += Piece(reply, 5, 2);
    line += '-';
    line += Piece(reply, 7, 2);
    line += "  ";
    line += Piece(reply, 11, 2);
    line += ':';
    line += Piece(reply, 13, 2);
    line += ':';
    line += Piece(reply, 15, 2);
    line += "    ";
    line += kWeekWord;
    line += weekday;
    return line;
}

std::int32_t BaudRateCode(std::wstring_view text) {
    constexpr std::array<std::wstring_view, 4> rates = {L"9600", L"19200", L"38400", L"57600"};
    for (std::size_t i = 0; i < rates.size(); ++i) {
        if (text == rates[i])
            return static_cast<std::int32_t>(i);
    }
    return 4;
}

std::optional<std::string> ModeCode(std::wstring_view text) {
    constexpr std::array<std::wstring_view, 4> modes = {L"固定消费", L"手动消费", L"菜单消费",
                                                        L"下传消费"};
    constexpr std::array<const char*, 4> codes = {"00", "01", "02", "03"};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        if (text == modes[i])
            return std::string(codes[i]);
    }
    return std::nullopt;
}

std::string LanguageCode(std::wstring_view text) {
    if (text == L"简体中文")
        return "00";
    if (text == L"繁体中文")
        return "01";
    return "02";
}

std::string PasswordFunctionCode(std::wstring_view text) {
    return text == L"使用" ? "01" : "00";
}

std::vector<std::string_view> SplitRecords(std::string_view reply) {
    std::vector<std::string_view> records;
    records.reserve(reply.size() / kRecordWidth);
    for (std::size_t at = 0; at + kRecordWidth <= reply.size(); at += kRecordWidth)
        records.push_back(reply.substr(at, kRecordWidth));
    return records;
}

std::string RecordLine(std::string_view record, std::int32_t number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.5d", static_cast<int>(number));
    std::string line(record);
    line += "   ";
    line += digits;
    return line;
}

bool IsEndMarker(std::string_view reply) {
    return reply == "85";
}

DownloadReply ClassifyDownloadReply(std::string_view reply) {
    if (IsEndMarker(reply))
        return DownloadReply::End;
    if (reply.size() >= kRecordWidth)
        return DownloadReply::Records;
    return reply.empty() ? DownloadReply::Failed : DownloadReply::Stalled;
}

std::string DownloadSummaryLine(std::int64_t total) {
    std::string line(kDownloadedWord);
    line += std::to_string(total);
    line += kRecordsWord;
    line += '!';
    return line;
}

std::wstring DownloadFileName(std::wstring_view shortDate, std::wstring_view longTime) {
    std::wstring name = L"数据";
    name += FileNamePart(shortDate);
    name += L'(';
    name += FileNamePart(Piece(longTime, 1, 2));
    name += FileNamePart(Piece(longTime, 4, 2));
    name += FileNamePart(Piece(longTime, 7, 2));
    name += L").txt";
    return name;
}

CardAmountPosition NextCardAmountPosition(CardAmountPosition position) {
    position.number = WrappingIncrement(position.number);
    if (position.number > 99) {
        position.number = 1;
        position.group = WrappingIncrement(position.group);
    }
    return position;
}

std::int32_t PerMilleFromText(std::wstring_view text, wchar_t decimalSeparator) {
    const std::int64_t raw = CurrencyFromText(text, decimalSeparator);
    return IntFromText(CurrencyText(raw, decimalSeparator));
}
