#include "app/VersionReport.h"

#include "framework/Forms.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <vector>

#ifndef DEVTOOL_VERSION
#error "DEVTOOL_VERSION names the program's version (set by cmake/Version.cmake)"
#endif

namespace {

#define DEVTOOL_WIDEN2(text) L##text
#define DEVTOOL_WIDEN(text) DEVTOOL_WIDEN2(text)
constexpr const wchar_t* kProgramVersion = DEVTOOL_WIDEN(DEVTOOL_VERSION);

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring Trimmed(const wchar_t* text) {
    std::wstring result = text ? text : L"";
    const auto first = result.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    const auto last = result.find_last_not_of(L" \t");
    return result.substr(first, last - first + 1);
}

// The text of one value of the version resource's first language, e.g. "FileDescription".
std::wstring StringValue(const std::vector<char>& data, const wchar_t* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT size = 0;
    // VerQueryValueW: the languages and code pages the resource holds texts for.
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &size) ||
        size < sizeof(Translation))
        return {};
    wchar_t key[64];
    swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translations[0].language,
             translations[0].codePage, name);
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&value), &length) || length == 0)
        return {};
    std::wstring text(value, length);
    // The length may count the terminating zero.
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

} // namespace

bool IsVersionRequest(const wchar_t* arguments) {
    std::wstring argument = Lower(Trimmed(arguments));
    // A shortcut or script may quote the argument.
    if (argument.size() >= 2 && argument.front() == L'"' && argument.back() == L'"')
        argument = argument.substr(1, argument.size() - 2);
    return argument == L"/version" || argument == L"-version";
}

FileVersion ReadFileVersion(const std::wstring& path) {
    DWORD ignored = 0;
    // GetFileVersionInfoSizeW: size of the file's version resource, 0 when it has none.
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    FileVersion version;
    // VerQueryValueW with "\\": the fixed part, which holds the numeric file version.
    if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
        length >= sizeof(VS_FIXEDFILEINFO) && fixed->dwSignature == VS_FFI_SIGNATURE) {
        version.number = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                         std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                         std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                         std::to_wstring(LOWORD(fixed->dwFileVersionLS));
    }
    version.description = StringValue(data, L"FileDescription");
    return version;
}

std::wstring LoadedModulePath(const wchar_t* name) {
    // GetModuleHandleW: the module if this process has loaded it; no reference is taken.
    const HMODULE module = GetModuleHandleW(name);
    if (!module)
        return {};
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        // GetModuleFileNameW: the module's full path; it fills the buffer when cut short.
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring VersionReportText() {
    std::wstring text = L"设备调试工具 DevTool " + std::wstring(kProgramVersion) + L"\n\n";
    const std::wstring library = LoadedModulePath(L"project2.dll");
    if (library.empty())
        return text + L"project2.dll: not loaded";
    text += L"project2.dll: " + library + L"\n";
    const FileVersion version = ReadFileVersion(library);
    if (version.number.empty() && version.description.empty())
        return text + L"File version: none (the file carries no version information)";
    text += L"File version: " + (version.number.empty() ? L"none" : version.number);
    if (!version.description.empty())
        text += L"\nDescription: " + version.description;
    return text;
}

void ShowVersionReport(TApplication& application) {
    application.MessageBox(VersionReportText(), application.Title(), MB_OK | MB_ICONINFORMATION);
}
