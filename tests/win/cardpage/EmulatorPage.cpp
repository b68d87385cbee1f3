#include "tests/win/cardpage/EmulatorPage.h"

#include "emulator/StateTool.h"

#include <sstream>

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

void EmulatorPageTest::SetUp() {
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    state_ = temp / UniqueName(L"cardpage-state-", L".state");
    library_ = temp / UniqueName(L"cardpage-project2-", L".dll");
    std::filesystem::remove(state_);
    ASSERT_FALSE(std::filesystem::exists(state_));
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

void EmulatorPageTest::TearDown() {
    MainWindowTest::TearDown();
    scope_.reset();
    if (module_)
        FreeLibrary(module_);
    std::error_code ignored;
    std::filesystem::remove(library_, ignored);
    std::filesystem::remove(state_, ignored);
}

void EmulatorPageTest::StateTool(const std::string& commandLine) {
    std::vector<std::string> args{"--state", state_.string()};
    std::istringstream words(commandLine);
    for (std::string word; words >> word;)
        args.push_back(word);
    std::ostringstream out, err;
    ASSERT_EQ(emulator::RunStateTool(args, state_, out, err), 0) << err.str();
}

std::vector<std::wstring> EmulatorPageTest::TakeShown() {
    std::vector<std::wstring> texts;
    for (const ShownMessage& m : boxes_.Shown())
        texts.push_back(m.text);
    boxes_.Clear();
    return texts;
}
