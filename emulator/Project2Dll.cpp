// project2.dll: the terminal library's exports over the device model. Each export hands its
// arguments to the one Emulator of the process; a returned text lives in a buffer of its own
// export, valid until the next call of that export. Nothing escapes as an exception.

#include "devlib/Project2Api.h"

#include "emulator/Emulator.h"

#include <windows.h>

#include <mutex>
#include <string>

namespace {

// The folder of this library, where its state file lives by default.
std::filesystem::path LibraryFolder() {
    HMODULE self = nullptr;
    // GetModuleHandleExW: the module that holds this function, i.e. this DLL.
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&LibraryFolder), &self))
        return {};
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        // GetModuleFileNameW: the full path of this DLL; grows the buffer until it fits.
        const DWORD length = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

// GetEnvironmentVariableW: the process environment as the system keeps it, so that a value
// set by the program just before its first call counts.
std::filesystem::path PathFromEnvironment(const wchar_t* name) {
    std::wstring value(256, L'\0');
    DWORD length = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) {
        value.resize(length);
        length = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    }
    if (length == 0 || length >= value.size())
        return {};
    value.resize(length);
    return std::filesystem::path(value);
}

emulator::Emulator& Library() {
    static emulator::Emulator instance([] {
        emulator::EmulatorOptions options;
        options.statePath = PathFromEnvironment(L"PROJECT2_STATE");
        if (options.statePath.empty())
            options.statePath = LibraryFolder() / L"project2.state";
        options.tracePath = PathFromEnvironment(L"PROJECT2_TRACE");
        return options;
    }());
    return instance;
}

// Exports may be called from several threads; the result buffers are shared.
std::mutex& ShellMutex() {
    static std::mutex mutex;
    return mutex;
}

template <class Call> unsigned char Truth(const Call& call) {
    try {
        std::lock_guard lock(ShellMutex());
        return call() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

template <class Call> int Number(const Call& call) {
    try {
        std::lock_guard lock(ShellMutex());
        return call();
    } catch (...) {
        return -1;
    }
}

template <class Call> const char* Text(std::string& buffer, const Call& call) {
    try {
        std::lock_guard lock(ShellMutex());
        buffer = call();
    } catch (...) {
        buffer.clear();
    }
    return buffer.c_str();
}

} // namespace

extern "C" {

const char* __stdcall newreadcard(int port, const char* readerCode, const char* block,
                                  int blockCount) {
    static std::string buffer;
    return Text(buffer, [&] { return Library().newreadcard(port, readerCode, block, blockCount); });
}

unsigned char __stdcall newwritecard(int port, const char* readerCode, const char* block,
                                     int blockCount, const char* hex) {
    return Truth([&] { return Library().newwritecard(port, readerCode, block, blockCount, hex); });
}

unsigned char __stdcall writekh(int port, const char* readerCode, const char* block,
                                int cardNumber) {
    return Truth([&] { return Library().writekh(port, readerCode, block, cardNumber); });
}

unsigned char __stdcall tolvane(int port, const char* readerCode, const char* block, int cardNumber,
                                const char* name, const char* password, const char* date,
                                const char* flags, std::int64_t minimumBalance,
                                std::int64_t dailyLimit, int limit1, int limit2, int limit3,
                                int limit4, const char* cardTypeCode) {
    return Truth([&] {
        return Library().tolvane(port, readerCode, block, cardNumber, name, password, date, flags,
                                 minimumBalance, dailyLimit, limit1, limit2, limit3, limit4,
                                 cardTypeCode);
    });
}

const char* __stdcall newreadje(int port, const char* readerCode, int blockNumber) {
    static std::string buffer;
    return Text(buffer, [&] { return Library().newreadje(port, readerCode, blockNumber); });
}

unsigned char __stdcall addje(int port, const char* readerCode, int blockNumber, int fen) {
    return Truth([&] { return Library().addje(port, readerCode, blockNumber, fen); });
}

unsigned char __stdcall jk(int port, const char* readerCode, int blockNumber, int fen) {
    return Truth([&] { return Library().jk(port, readerCode, blockNumber, fen); });
}

unsigned char __stdcall money(int port, const char* readerCode, int blockNumber) {
    return Truth([&] { return Library().money(port, readerCode, blockNumber); });
}

unsigned char __stdcall downmmre(int port, const char* readerCode, const char* readerPassword) {
    return Truth([&] { return Library().downmmre(port, readerCode, readerPassword); });
}

const char* __stdcall readmm(int port) {
    static std::string buffer;
    return Text(buffer, [&] { return Library().readmm(port); });
}

unsigned char __stdcall settime(int port, int baud, int machine) {
    return Truth([&] { return Library().settime(port, baud, machine); });
}

unsigned char __stdcall cleardata(int port, int baud, int machine) {
    return Truth([&] { return Library().cleardata(port, baud, machine); });
}

unsigned char __stdcall clearallhmd(int port, int baud, int machine) {
    return Truth([&] { return Library().clearallhmd(port, baud, machine); });
}

unsigned char __stdcall clearallhmd1(int port, int baud, int machine) {
    return Truth([&] { return Library().clearallhmd1(port, baud, machine); });
}

unsigned char __stdcall clearallczj(int port, int baud, int machine) {
    return Truth([&] { return Library().clearallczj(port, baud, machine); });
}

const char* __stdcall gettime(int port, int baud, int machine) {
    static std::string buffer;
    return Text(buffer, [&] { return Library().gettime(port, baud, machine); });
}

const char* __stdcall getxx(int port, int baud, int machine) {
    static std::string buffer;
    return Text(buffer, [&] { return Library().getxx(port, baud, machine); });
}

const char* __stdcall downlssjrecd1(int port, int baud, int machine) {
    static std::string buffer;
    return Text(buffer, [&] { return Library().downlssjrecd1(port, baud, machine); });
}

int __stdcall getnum(int port, int baud, int machine) {
    return Number([&] { return Library().getnum(port, baud, machine); });
}

int __stdcall getje(int port, int baud, int machine) {
    return Number([&] { return Library().getje(port, baud, machine); });
}

int __stdcall getmaxnum(int port, int baud, int machine) {
    return Number([&] { return Library().getmaxnum(port, baud, machine); });
}

unsigned char __stdcall hfdata(int port, int baud, int machine, int count) {
    return Truth([&] { return Library().hfdata(port, baud, machine, count); });
}

unsigned char __stdcall gskh(int port, int baud, int machine, int cardNumber) {
    return Truth([&] { return Library().gskh(port, baud, machine, cardNumber); });
}

unsigned char __stdcall jgkh(int port, int baud, int machine, int cardNumber) {
    return Truth([&] { return Library().jgkh(port, baud, machine, cardNumber); });
}

unsigned char __stdcall gskh1(int port, int baud, int machine, int cardNumber) {
    return Truth([&] { return Library().gskh1(port, baud, machine, cardNumber); });
}

unsigned char __stdcall jgkh1(int port, int baud, int machine, int cardNumber) {
    return Truth([&] { return Library().jgkh1(port, baud, machine, cardNumber); });
}

unsigned char __stdcall clearczj(int port, int baud, int machine, int cardNumber) {
    return Truth([&] { return Library().clearczj(port, baud, machine, cardNumber); });
}

unsigned char __stdcall setglk(int port, int baud, int machine, int cardNumber) {
    return Truth([&] { return Library().setglk(port, baud, machine, cardNumber); });
}

unsigned char __stdcall downmaxje(int port, int baud, int machine, int fen) {
    return Truth([&] { return Library().downmaxje(port, baud, machine, fen); });
}

unsigned char __stdcall downsjjg(int port, int baud, int machine, int minutes) {
    return Truth([&] { return Library().downsjjg(port, baud, machine, minutes); });
}

unsigned char __stdcall setxfms(int port, int baud, int machine, const char* modeCode) {
    return Truth([&] { return Library().setxfms(port, baud, machine, modeCode); });
}

unsigned char __stdcall updateyy(int port, int baud, int machine, const char* languageCode) {
    return Truth([&] { return Library().updateyy(port, baud, machine, languageCode); });
}

unsigned char __stdcall downlogin(int port, int baud, int machine, const char* title) {
    return Truth([&] { return Library().downlogin(port, baud, machine, title); });
}

unsigned char __stdcall downloginxb(int port, int baud, int machine, const char* title) {
    return Truth([&] { return Library().downloginxb(port, baud, machine, title); });
}

unsigned char __stdcall setsq(int port, int baud, int machine, const char* sector) {
    return Truth([&] { return Library().setsq(port, baud, machine, sector); });
}

unsigned char __stdcall mmkg(int port, int baud, int machine, const char* functionCode) {
    return Truth([&] { return Library().mmkg(port, baud, machine, functionCode); });
}

const char* __stdcall downlssjrecd(int port, int baud, int machine, int start) {
    static std::string buffer;
    return Text(buffer, [&] { return Library().downlssjrecd(port, baud, machine, start); });
}

unsigned char __stdcall cleardbdata(int port, int baud, int machine, int recordsTaken) {
    return Truth([&] { return Library().cleardbdata(port, baud, machine, recordsTaken); });
}

unsigned char __stdcall downczj(int port, int baud, int machine, int group, int number,
                                int cardNumber, std::int64_t amount) {
    return Truth(
        [&] { return Library().downczj(port, baud, machine, group, number, cardNumber, amount); });
}

unsigned char __stdcall downcd(int port, int baud, int machine, int menuNumber, std::int64_t amount,
                               const char* dishName) {
    return Truth(
        [&] { return Library().downcd(port, baud, machine, menuNumber, amount, dishName); });
}

unsigned char __stdcall setzk(int port, int baud, int machine, const char* cardTypeCode,
                              int perMille) {
    return Truth([&] { return Library().setzk(port, baud, machine, cardTypeCode, perMille); });
}

unsigned char __stdcall downpassword(int port, int baud, int machine, const char* oldPassword,
                                     const char* newPassword) {
    return Truth(
        [&] { return Library().downpassword(port, baud, machine, oldPassword, newPassword); });
}

unsigned char __stdcall setjh(int port, int baud, int oldMachine, int newMachine) {
    return Truth([&] { return Library().setjh(port, baud, oldMachine, newMachine); });
}

unsigned char __stdcall setbtl(int port, int oldBaud, int machine, int rateCode) {
    return Truth([&] { return Library().setbtl(port, oldBaud, machine, rateCode); });
}

unsigned char __stdcall opencom1(const char* portName, int baud) {
    return Truth([&] { return Library().opencom1(portName, baud); });
}

unsigned char __stdcall closecom() {
    return Truth([&] { return Library().closecom(); });
}

} // extern "C"
