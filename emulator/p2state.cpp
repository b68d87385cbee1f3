// p2state: the state tool of the emulated terminal library (see StateTool.h). This file holds
// what differs between the systems: the command line, where the program lies, and the console.
// The tool itself speaks UTF-8 in and out.

#include "emulator/StateTool.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

#ifdef _WIN32

std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    // WideCharToMultiByte: UTF-16 to UTF-8.
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    // MultiByteToWideChar: UTF-8 to UTF-16.
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

// The command line as typed, in UTF-8: the ANSI arguments of main would lose every character
// outside the system's code page.
std::vector<std::string> Arguments() {
    struct Release {
        void operator()(LPWSTR* words) const { LocalFree(words); }
    };
    int count = 0;
    // CommandLineToArgvW: the wide command line split into words, released with LocalFree.
    const std::unique_ptr<LPWSTR, Release> words(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int i = 1; words && i < count; ++i)
        arguments.push_back(Utf8FromWide(words.get()[i]));
    return arguments;
}

// The state file beside this program, where the library beside it keeps it too, whatever the
// current folder.
std::filesystem::path DefaultStatePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        // GetModuleFileNameW: this program's full path; it fills the buffer when cut short.
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return "project2.state";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path() / "project2.state";
}

// A console shows wide characters whatever its code page; a file or a pipe gets UTF-8.
void Write(DWORD stream, const std::string& text) {
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    DWORD written = 0;
    if (!GetConsoleMode(handle, &mode)) {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::wstring wide = WideFromUtf8(text);
    constexpr std::size_t kPiece = 8192; // consoles take large writes badly
    for (std::size_t at = 0; at < wide.size(); at += kPiece) {
        const std::size_t size = std::min(kPiece, wide.size() - at);
        WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(size), &written, nullptr);
    }
}

int Run() {
    std::ostringstream out, err;
    int status = 1;
    try {
        status = emulator::RunStateTool(Arguments(), DefaultStatePath(), out, err);
    } catch (const std::exception& error) {
        err << "p2state: " << error.what() << '\n';
    }
    Write(STD_OUTPUT_HANDLE, out.str());
    Write(STD_ERROR_HANDLE, err.str());
    return status;
}

#else

// The state file beside this program, where the library beside it keeps it too.
std::filesystem::path DefaultStatePath(const char* argv0) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        program = std::filesystem::absolute(argv0 != nullptr ? argv0 : "p2state", error);
    return program.parent_path() / "project2.state";
}

#endif

} // namespace

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    return Run();
#else
    try {
        const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        return emulator::RunStateTool(arguments, DefaultStatePath(argc > 0 ? argv[0] : nullptr),
                                      std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "p2state: " << error.what() << '\n';
        return 1;
    }
#endif
}
