#pragma once
// Texts and codes of the terminal pages: the clock line, the code tables of the settings, the
// transaction records and their lines, the download file name and summary, the card amount
// position and the per-mille rate.
//
// Text kinds:
// - Replies of the terminal library and everything formed from them (clock line, records,
//   record lines, the download summary) are std::string of GBK bytes. A record is 49 bytes as
//   the library counts them, so records are cut as bytes, never as converted characters; a
//   record line goes unchanged into the GBK download file and, converted from GBK, into the
//   list box.
// - Codes sent to the library are std::string (two ASCII characters); "none" is an empty
//   optional, sent as a null text.
// - Box texts, and the download file name, are std::wstring.
//
// Amounts of the terminal pages in fen use FenFromYuan of devlib/Conversions.h, in currency
// CurrencyFromText; card type codes for discounts use CardTypeCode of devlib/CardTypes.h.

#include "devlib/CardTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The clock list line from a `gettime` reply (yyyymmdd, one unread character, weekday digit,
// hhmmss): "yyyy-mm-dd  hh:mm:ss    星期" and the weekday as a Chinese numeral ("1" 一 to
// "6" 六, "7" 日; any other character as it came). A short reply gives short or empty pieces.
std::string ClockLine(std::string_view reply);

// The rate code `setbtl` takes for a new baud rate text: "9600" 0, "19200" 1, "38400" 2,
// "57600" 3, anything else ("115200" included) 4.
std::int32_t BaudRateCode(std::wstring_view text);

// Consumption mode: "固定消费" "00", "手动消费" "01", "菜单消费" "02", "下传消费" "03", else none.
std::optional<std::string> ModeCode(std::wstring_view text);

// Display language: "简体中文" "00", "繁体中文" "01", anything else ("英文" included) "02".
std::string LanguageCode(std::wstring_view text);

// Password function: "使用" "01", anything else ("不使用" included) "00".
std::string PasswordFunctionCode(std::wstring_view text);

// Transaction records.
inline constexpr std::size_t kRecordWidth = 49;

// The whole records of a reply, in order; characters past the last whole record are dropped.
// The views point into the reply.
std::vector<std::string_view> SplitRecords(std::string_view reply);

// A record line: the record, three spaces, the number as "%.5d" (1 gives 00001, 100000 stays).
std::string RecordLine(std::string_view record, std::int32_t number);

// The reply "85": nothing (more) to fetch.
bool IsEndMarker(std::string_view reply);

// How a record download treats one `downlssjrecd` reply.
enum class DownloadReply {
    End,     // "85": write the summary and end
    Records, // at least one whole record
    Failed,  // empty: the terminal did not answer
    Stalled, // neither: asking again with the same start index would repeat without end
};
DownloadReply ClassifyDownloadReply(std::string_view reply);

// The download stops after the batch that takes the start index above this.
inline constexpr std::int32_t kDownloadIndexLimit = 80000;

// The download summary line "共下载<total>条!".
std::string DownloadSummaryLine(std::int64_t total);

// The download file name "数据<short date>(hhmmss).txt", hh, mm and ss being characters 1-2,
// 4-5 and 7-8 of the long time text. Every character of the date and time parts that cannot
// stand in a Windows file name (\ / : * ? " < > | and control characters) becomes "-", so a
// date format such as 2024/5/6 still gives a file in the record folder.
std::wstring DownloadFileName(std::wstring_view shortDate, std::wstring_view longTime);

// The position of a card amount entry, kept in the group and number boxes.
struct CardAmountPosition {
    std::int32_t group = 1;
    std::int32_t number = 1;
    bool operator==(const CardAmountPosition&) const = default;
};

// The position after an entry was sent: number + 1; past 99 the number restarts at 1 and the
// group goes up by one. Sums wrap like 32-bit integers.
CardAmountPosition NextCardAmountPosition(CardAmountPosition position);

// A discount rate in per mille: the text read as a decimal number (four decimals, as every
// amount) whose shortest text is then read as a decimal integer, so "850.0" gives 850 and
// "850.5" raises "'850.5' is not a valid integer value"; a text that is no number raises the
// floating point error.
std::int32_t PerMilleFromText(std::wstring_view text, wchar_t decimalSeparator = L'.');
