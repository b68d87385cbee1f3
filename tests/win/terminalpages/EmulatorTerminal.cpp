#include "tests/win/terminalpages/EmulatorTerminal.h"

#include "emulator/Installation.h"
#include "emulator/LocalTime.h"
#include "emulator/StateFile.h"

namespace {

std::filesystem::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

// A name no other test, run or program uses.
std::wstring UniqueName(const wchar_t* stem, const wchar_t* extension) {
    static int serial = 0;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::wstring(stem) + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++serial) + L"-" + WideFromUtf8(test->name()) + extension;
}

} // namespace

void EmulatorTerminalTest::SetUp() {
    filesBefore_ = RecordFiles();
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    state_ = temp / UniqueName(L"terminal-state-", L".state");
    library_ = temp / UniqueName(L"terminal-project2-", L".dll");
    std::filesystem::remove(state_);
    ASSERT_FALSE(std::filesystem::exists(state_));
    // A new installation written out at once, so the state file can be read back before the
    // first command changes it.
    ASSERT_TRUE(emulator::StateFile(state_).Save(
        emulator::NewInstallation(emulator::LocalNowSeconds())));
    SetEnvironmentVariableW(L"PROJECT2_STATE", state_.c_str());
    SetEnvironmentVariableW(L"PROJECT2_TRACE", nullptr);
    std::filesystem::copy_file(ProgramFolder() / L"project2.dll", library_,
                               std::filesystem::copy_options::overwrite_existing);
    module_ = LoadLibraryW(library_.c_str());
    ASSERT_NE(module_, nullptr) << "the copy of project2.dll did not load";
#define PROJECT2_EXPORT(ret, name, params, args)                                                   \
    table_.name =                                                                                  \
        reinterpret_cast<name##_fn>(reinterpret_cast<void (*)()>(GetProcAddress(module_, #name))); \
    ASSERT_NE(table_.name, nullptr) << #name;
#include "devlib/Project2Exports.inc"
#undef PROJECT2_EXPORT
    scope_ = std::make_unique<ScopedLibrary>(table_);
    MainWindowTest::SetUp();
}

void EmulatorTerminalTest::TearDown() {
    MainWindowTest::TearDown();
    scope_.reset();
    if (module_)
        FreeLibrary(module_);
    std::error_code ignored;
    std::filesystem::remove(library_, ignored);
    std::filesystem::remove(state_, ignored);
    for (const auto& file : NewRecordFiles())
        std::filesystem::remove(file, ignored);
}

emulator::DeviceState EmulatorTerminalTest::State() const {
    emulator::StateFile file(state_);
    emulator::StateFile::LoadResult loaded = file.Load();
    EXPECT_EQ(loaded.status, emulator::StateFile::Status::Loaded);
    return loaded.state;
}

emulator::Terminal EmulatorTerminalTest::TerminalOf(int machine) const {
    for (const emulator::Terminal& terminal : State().terminals) {
        if (terminal.port == 4 && terminal.machine == machine)
            return terminal;
    }
    ADD_FAILURE() << "no terminal with machine number " << machine;
    return {};
}

std::vector<std::wstring> EmulatorTerminalTest::TakeShown() {
    std::vector<std::wstring> texts;
    for (const ShownMessage& m : boxes_.Shown())
        texts.push_back(m.text);
    boxes_.Clear();
    return texts;
}

std::vector<std::filesystem::path> EmulatorTerminalTest::NewRecordFiles() const {
    std::vector<std::filesystem::path> made;
    for (const auto& file : RecordFiles()) {
        if (!filesBefore_.count(file))
            made.push_back(file);
    }
    return made;
}

void EmulatorTerminalTest::ShowPage(int index) {
    Get<TPageControl>(L"PageControl1")->SetActivePageIndex(index);
    PumpMessages(50);
}
