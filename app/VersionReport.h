#pragma once
// DevTool.exe /version: one box naming the program's version and the terminal library the
// program runs on, so a technician tells our emulator from a site's vendor library at a glance.

#include <string>

class TApplication;

// True when the program's arguments (the command line after the program name) ask for the
// report: "/version" or "-version", in any case.
bool IsVersionRequest(const wchar_t* arguments);

// What a file's version resource says; both empty when the file has none.
struct FileVersion {
    std::wstring number;      // "2.18.0.0", from the fixed part
    std::wstring description; // its FileDescription text
};
FileVersion ReadFileVersion(const std::wstring& path);

// The full path of the loaded module `name`; empty when the process has not loaded it.
std::wstring LoadedModulePath(const wchar_t* name);

// The text of the report: the program and its version, then the full path and file version
// of the project2.dll that this process loaded.
std::wstring VersionReportText();

// Shows the report in one information box captioned with the application title.
void ShowVersionReport(TApplication& application);
