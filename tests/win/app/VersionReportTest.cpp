// DevTool.exe /version: the request is recognised, and the report names the project2.dll this
// process really loaded, with the file version its resource carries.

#include "app/VersionReport.h"
#include "tests/win/common/WinTest.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    // GetModuleFileNameW: the test program's own path; our project2.dll is built beside it.
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

TEST(VersionReport, RecognisesOnlyTheVersionArgument) {
    const struct {
        const wchar_t* arguments;
        bool request;
    } cases[] = {
        {L"/version", true},
        {L"/VERSION", true},
        {L"  -Version\t", true},
        {nullptr, false},
        {L"", false},
        {L"/versions", false},
        {L"/version x", false},
        {L"\"/version\"", true},
        {L"version", false},
        {L"/v", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsVersionRequest(c.arguments), c.request)
            << U8(c.arguments ? c.arguments : L"(null)");
}

// The library of this process is ours, from beside the program: the report gives its full
// path and the version and description of its resource, the program's own version first.
TEST(VersionReport, NamesTheLoadedLibraryAndItsFileVersion) {
    const std::wstring path = LoadedModulePath(L"project2.dll");
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(fs::equivalent(path, ProgramFolder() / L"project2.dll")) << U8(path);
    const FileVersion version = ReadFileVersion(path);
    EXPECT_EQ(version.number, DEVTOOL_VERSION_W L".0.0");
    EXPECT_EQ(version.description, L"DevTool terminal library emulator");
    EXPECT_EQ(VersionReportText(), L"设备调试工具 DevTool " DEVTOOL_VERSION_W L"\n\n"
                                   L"project2.dll: " +
                                       path +
                                       L"\n"
                                       L"File version: " DEVTOOL_VERSION_W L".0.0\n"
                                       L"Description: DevTool terminal library emulator");
    EXPECT_EQ(LoadedModulePath(L"no-such-library.dll"), L"");
}

// A vendor library without a version resource, or no readable file at all, reads as no
// version rather than failing.
TEST(VersionReport, FilesWithoutVersionResource) {
    const fs::path plain = fs::temp_directory_path() /
                           (L"version-report-" + std::to_wstring(GetCurrentProcessId()) + L".dll");
    std::ofstream(plain) << "not a program";
    const FileVersion none = ReadFileVersion(plain.wstring());
    EXPECT_EQ(none.number, L"");
    EXPECT_EQ(none.description, L"");
    fs::remove(plain);
    EXPECT_EQ(ReadFileVersion(plain.wstring()).number, L"");
}

TEST(VersionReport, ShowsOneInformationBox) {
    MessageBoxRecorder boxes;
    ShowVersionReport(*Application);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, VersionReportText());
    EXPECT_EQ(boxes.Shown()[0].caption, Application->Title());
    EXPECT_EQ(boxes.Shown()[0].flags, static_cast<unsigned>(MB_OK | MB_ICONINFORMATION));
}

} // namespace
