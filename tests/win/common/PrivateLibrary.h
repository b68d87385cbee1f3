#pragma once
// Our project2.dll for one test alone: a private copy of the library with a state file of its
// own.
//
// The library reads PROJECT2_STATE once, at its first call, and keeps one device model per
// loaded module; a state file that does not exist yet gives a new installation. So each test
// points PROJECT2_STATE at a new temporary file and loads a private copy of the library, which
// starts from that file: no test sees another's cards or terminals.

#include "devlib/TerminalLibrary.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>

class PrivateLibrary {
public:
    PrivateLibrary() = default;
    ~PrivateLibrary() { Close(); }
    PrivateLibrary(const PrivateLibrary&) = delete;
    PrivateLibrary& operator=(const PrivateLibrary&) = delete;

    // Loads the copy and puts its table in place of the program's; `prepare` may write the
    // state file before the library first reads it. Fails the current test when it cannot.
    void Open(const wchar_t* stem,
              const std::function<void(const std::filesystem::path& state)>& prepare = {});
    // Puts the program's table back, unloads the copy and removes its files.
    void Close();
    const std::filesystem::path& StatePath() const { return state_; }

private:
    std::filesystem::path state_;
    std::filesystem::path library_;
    HMODULE module_ = nullptr;
    TerminalLibrary table_;
    std::unique_ptr<ScopedLibrary> scope_;
};

// The folder of the running program, where the build puts project2.dll and the tests.
std::filesystem::path ProgramFolder();
