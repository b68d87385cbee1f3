#pragma once
// Dates as days since 30 December 1899 with the time of day as the fraction. Free of Win32.

struct TDateParts {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0, millisecond = 0;
};

using TDateTime = double;

bool IsValidDate(int year, int month, int day);
// The date's day number; throws EConvertError for an impossible date.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(const TDateParts& parts);
TDateParts DecodeDateTime(TDateTime value);
// Local date and time of the computer.
TDateTime Now();
