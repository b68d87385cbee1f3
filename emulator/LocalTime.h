#pragma once
// Wall-clock time as the terminals keep it: local time, counted in seconds since
// 1970-01-01 00:00:00 of the local calendar (no time zone inside the model).

#include <cstdint>
#include <string>

namespace emulator {

struct CivilTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4; // 1 = Monday ... 7 = Sunday
};

CivilTime CivilFromSeconds(std::int64_t localSeconds);
std::int64_t SecondsFromCivil(int year, int month, int day, int hour, int minute, int second);

// The computer's local time now.
std::int64_t LocalNowSeconds();

// The terminal clock reply: YYYYMMDD, "0", the weekday digit 1-7, HHMMSS (16 characters).
std::string TerminalClockText(std::int64_t localSeconds);
// Date and time of a record: YYYYMMDDHHMMSS.
std::string RecordTimeText(std::int64_t localSeconds);

} // namespace emulator
