#include "tests/win/common/PrivateLibrary.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace {

// A name no other test, run or program uses.
std::wstring UniqueName(const wchar_t* stem, const wchar_t* extension) {
    static int serial = 0;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::wstring(stem) + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++serial) + L"-" + (test ? WideFromUtf8(test->name()) : L"") + extension;
}

} // namespace

std::filesystem::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

void PrivateLibrary::Open(const wchar_t* stem,
                          const std::function<void(const std::filesystem::path&)>& prepare) {
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    state_ = temp / UniqueName(stem, L".state");
    library_ = temp / UniqueName(stem, L".dll");
    std::filesystem::remove(state_);
    ASSERT_FALSE(std::filesystem::exists(state_));
    if (prepare)
        prepare(state_);
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
}

void PrivateLibrary::Close() {
    scope_.reset();
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
    std::error_code ignored;
    if (!library_.empty())
        std::filesystem::remove(library_, ignored);
    if (!state_.empty())
        std::filesystem::remove(state_, ignored);
}
