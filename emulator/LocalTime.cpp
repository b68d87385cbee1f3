#include "emulator/LocalTime.h"

#include <cstdio>
#include <ctime>

namespace emulator {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// Texts keep their fixed widths: times are held to the years 1970-9999.
std::int64_t Clamped(std::int64_t localSeconds) {
    constexpr std::int64_t kLast = 253402300799; // 9999-12-31 23:59:59
    return localSeconds < 0 ? 0 : localSeconds > kLast ? kLast : localSeconds;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace

CivilTime CivilFromSeconds(std::int64_t localSeconds) {
    const std::int64_t days = FloorDiv(localSeconds, 86400);
    const std::int64_t rest = localSeconds - days * 86400;
    CivilTime t;
    CivilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    // 1970-01-01 was a Thursday.
    t.weekday = static_cast<int>((days % 7 + 7 + 3) % 7) + 1;
    return t;
}

std::int64_t SecondsFromCivil(int year, int month, int day, int hour, int minute, int second) {
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
}

std::int64_t LocalNowSeconds() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return SecondsFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec);
}

std::string TerminalClockText(std::int64_t localSeconds) {
    const CivilTime t = CivilFromSeconds(Clamped(localSeconds));
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d0%d%02d%02d%02d", t.year, t.month, t.day,
                  t.weekday, t.hour, t.minute, t.second);
    return text;
}

std::string RecordTimeText(std::int64_t localSeconds) {
    const CivilTime t = CivilFromSeconds(Clamped(localSeconds));
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

} // namespace emulator
