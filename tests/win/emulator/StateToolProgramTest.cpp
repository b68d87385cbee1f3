// p2state.exe run as a user runs it on Windows: from another folder it still takes the state
// file beside itself, and Chinese names and file names pass through its command line and its
// output (UTF-8 when the output goes to a pipe or a file).

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

struct CloseHandleDeleter {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, CloseHandleDeleter>;

fs::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    // GetModuleFileNameW: the test program's own path; p2state.exe is built beside it.
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

std::string Utf8(const std::wstring& wide) {
    const std::u8string text = fs::path(wide).u8string();
    return std::string(text.begin(), text.end());
}

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    return text;
}

struct ToolRun {
    DWORD status = 0;
    std::string out;
    std::string err;
};

// Runs p2state.exe with a command line in a folder, its output and errors through pipes. With
// `throughPath` the command prompt starts it by name, finding it on the PATH as a user's shell
// does (a program started by name directly would be found beside this test first), else the
// one built beside this test is started.
ToolRun RunTool(const std::wstring& arguments, const fs::path& folder, bool throughPath = false) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    // CreatePipe: the child writes into the inheritable ends; ours are kept from it.
    CreatePipe(&outRead, &outWrite, &inherit, 1 << 20);
    CreatePipe(&errRead, &errWrite, &inherit, 1 << 20);
    Handle outReader(outRead), outWriter(outWrite), errReader(errRead), errWriter(errWrite);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = outWrite;
    start.hStdError = errWrite;
    // The command line names the program alone, as when it is found on the PATH.
    const std::wstring program = (ProgramFolder() / L"p2state.exe").wstring();
    std::wstring line = (throughPath ? L"cmd.exe /c p2state " : L"p2state ") + arguments;
    PROCESS_INFORMATION process{};
    ToolRun run;
    if (!CreateProcessW(throughPath ? nullptr : program.c_str(), line.data(), nullptr, nullptr,
                        TRUE, CREATE_NO_WINDOW, nullptr, folder.c_str(), &start, &process)) {
        ADD_FAILURE() << "p2state.exe did not start";
        return run;
    }
    Handle child(process.hProcess), thread(process.hThread);
    outWriter.reset();
    errWriter.reset();
    run.out = ReadAll(outRead);
    run.err = ReadAll(errRead);
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.status);
    return run;
}

class StateToolProgram : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  (L"p2state-program-" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder_ / L"文件夹");
        SetEnvironmentVariableW(L"PROJECT2_STATE", nullptr);
        SetEnvironmentVariableW(L"PROJECT2_TRACE", nullptr);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

// Run from another folder, the tool names and uses the state file beside itself; showing it
// makes no file in the current folder.
TEST_F(StateToolProgram, DefaultStateFileIsBesideTheProgram) {
    const ToolRun run = RunTool(L"show", folder_);
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(
        run.out.rfind("state file " + Utf8((ProgramFolder() / L"project2.state").wstring()), 0), 0u)
        << run.out;
    EXPECT_FALSE(fs::exists(folder_ / L"project2.state"));
}

// A copy of the tool in a folder of its own, found through PATH from another folder, as after
// unpacking a release: it names the state file beside the copy, not the current folder's.
TEST_F(StateToolProgram, FoundThroughPathUsesTheStateFileBesideIt) {
    const fs::path tools = folder_ / L"工具";
    const fs::path work = folder_ / L"work";
    fs::create_directories(tools);
    fs::create_directories(work);
    fs::copy_file(ProgramFolder() / L"p2state.exe", tools / L"p2state.exe");
    wchar_t saved[32767] = {};
    const DWORD length = GetEnvironmentVariableW(L"PATH", saved, 32767);
    SetEnvironmentVariableW(L"PATH", (tools.wstring() + L";" + saved).c_str());
    const ToolRun run = RunTool(L"show", work, true);
    SetEnvironmentVariableW(L"PATH", length > 0 ? saved : nullptr);
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(run.out.rfind("state file " + Utf8((tools / L"project2.state").wstring()), 0), 0u)
        << run.out;
    EXPECT_FALSE(fs::exists(work / L"project2.state"));
}

// A Chinese file name on the command line, the holder's name in the output as text.
TEST_F(StateToolProgram, ChineseNamesPassThrough) {
    ToolRun run = RunTool(L"--state 文件夹\\状态.state card issue 7", folder_);
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(run.out, "Card 7 is on the reader.\n");
    EXPECT_TRUE(fs::is_regular_file(folder_ / L"文件夹" / L"状态.state"));
    run = RunTool(L"--state 文件夹\\状态.state show", folder_);
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_NE(run.out.find("state file 文件夹\\状态.state"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("card 000007"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("name \"张三\""), std::string::npos) << run.out;
    // A folder as the state file: refused with the folder's name, nothing made.
    run = RunTool(L"--state 文件夹 card blank", folder_);
    EXPECT_EQ(run.status, 1u);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "p2state: 文件夹 is a folder, not a state file\n");
}

} // namespace
