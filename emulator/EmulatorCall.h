#pragma once
// The frame every library call runs in; shared by the files that implement the calls.

#include "emulator/Emulator.h"
#include "emulator/LocalTime.h"

#include <cstdio>
#include <exception>
#include <string>

namespace emulator {

// A currency argument, so that the trace shows it as a decimal value.
struct Currency {
    std::int64_t raw;
};

inline std::string TraceArgument(const char* text) {
    return TraceValue(text);
}
inline std::string TraceArgument(int value) {
    return TraceValue(value);
}
inline std::string TraceArgument(Currency value) {
    return TraceCurrency(value.raw);
}

template <class... Arguments> std::string ArgumentList(const Arguments&... arguments) {
    std::string list;
    ((list += (list.empty() ? "" : ", ") + TraceArgument(arguments)), ...);
    return list;
}

inline std::string TraceTimeStamp(std::int64_t now) {
    const CivilTime t = CivilFromSeconds(now);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

template <class Result, class Describe, class Operation>
Result Emulator::Run(const char* name, const Describe& describe, Result failure,
                     const Operation& operation) {
    std::lock_guard lock(mutex_);
    changed_ = false;
    saveBlocked_ = false;
    Result result = failure;
    try {
        Sync();
        if (monitor_ && GenerateTransactions(*state_, *monitor_, Now()) > 0)
            changed_ = true;
        result = operation(*state_);
        Persist();
    } catch (const std::exception& error) {
        result = failure;
        Note(std::string(name) + " failed inside the library: " + error.what());
    }
    if (trace_.Enabled()) {
        trace_.Write(TraceTimeStamp(Now()) + name + "(" + describe() + ") -> " +
                     TraceValue(result));
    }
    return result;
}

} // namespace emulator
