#pragma once
// Every call of the program into the terminal library goes through one table of the 46
// functions. By default the table holds the imports of project2.dll; tests put a recording
// fake in its place.

#include <cstdint>

extern "C" {
#define PROJECT2_EXPORT(ret, name, params, args) typedef ret(__stdcall* name##_fn) params;
#include "devlib/Project2Exports.inc"
#undef PROJECT2_EXPORT
}

struct TerminalLibrary {
#define PROJECT2_EXPORT(ret, name, params, args) name##_fn name = nullptr;
#include "devlib/Project2Exports.inc"
#undef PROJECT2_EXPORT
};

// The table bound to the imports of project2.dll.
const TerminalLibrary& ImportedLibrary();

// The table the program calls through.
const TerminalLibrary& Library();

// Puts another table in place for as long as it lives (tests).
class ScopedLibrary {
public:
    explicit ScopedLibrary(const TerminalLibrary& replacement);
    ~ScopedLibrary();
    ScopedLibrary(const ScopedLibrary&) = delete;
    ScopedLibrary& operator=(const ScopedLibrary&) = delete;

private:
    const TerminalLibrary* previous_;
};
