// project2.dll loaded by name as any program could: all 46 undecorated exports are there and
// answer through the stdcall frames the program uses.

#include "devlib/Project2Api.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr const char* kExports[] = {
    "newreadcard",  "newwritecard", "writekh",     "tolvane",     "newreadje", "addje",
    "jk",           "money",        "downmmre",    "readmm",      "settime",   "cleardata",
    "clearallhmd",  "clearallhmd1", "clearallczj", "gettime",     "getxx",     "downlssjrecd1",
    "getnum",       "getje",        "getmaxnum",   "hfdata",      "gskh",      "jgkh",
    "gskh1",        "jgkh1",        "clearczj",    "setglk",      "downmaxje", "downsjjg",
    "setxfms",      "updateyy",     "downlogin",   "downloginxb", "setsq",     "mmkg",
    "downlssjrecd", "cleardbdata",  "downczj",     "downcd",      "setzk",     "downpassword",
    "setjh",        "setbtl",       "opencom1",    "closecom"};

std::filesystem::path TempFile(const wchar_t* name) {
    return std::filesystem::temp_directory_path() /
           (std::wstring(name) + std::to_wstring(GetCurrentProcessId()));
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class Project2Dll : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        state_ = TempFile(L"p2-dll-state-");
        trace_ = TempFile(L"p2-dll-trace-");
        std::filesystem::remove(state_);
        std::filesystem::remove(trace_);
        SetEnvironmentVariableW(L"PROJECT2_STATE", state_.c_str());
        SetEnvironmentVariableW(L"PROJECT2_TRACE", trace_.c_str());
        module_ = LoadLibraryW(L"project2.dll");
    }
    static void TearDownTestSuite() {
        if (module_ != nullptr)
            FreeLibrary(module_);
        std::filesystem::remove(state_);
        std::filesystem::remove(trace_);
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "project2.dll did not load"; }

    template <class Function> static Function* Find(const char* name) {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    static inline HMODULE module_ = nullptr;
    static inline std::filesystem::path state_;
    static inline std::filesystem::path trace_;
};

TEST_F(Project2Dll, ExportsEveryCallUnderItsPlainName) {
    for (const char* name : kExports)
        EXPECT_NE(GetProcAddress(module_, name), nullptr) << name;
    EXPECT_EQ(GetProcAddress(module_, "_newreadcard@16"), nullptr);
    EXPECT_EQ(GetProcAddress(module_, "newreadcard@16"), nullptr);
}

TEST_F(Project2Dll, ReadsTheInstalledCardAndKeepsTextsPerExport) {
    auto read = Find<decltype(newreadcard)>("newreadcard");
    auto purse = Find<decltype(newreadje)>("newreadje");
    const char* record = read(3, "01", "01", 2);
    const char* personal = purse(3, "01", 4);
    // Each export keeps its own reply: the purse read leaves the record text alone.
    ASSERT_EQ(std::string(record).size(), 64u);
    EXPECT_EQ(std::string(record).substr(1, 5), "0007B");
    EXPECT_EQ(std::string(record).substr(16, 8), "D5C5C8FD");
    EXPECT_EQ(std::string(personal).substr(0, 8), "10270000");
    // A call that reaches no reader answers with an empty text, not a null pointer.
    const char* silent = read(5, "01", "01", 2);
    ASSERT_NE(silent, nullptr);
    EXPECT_STREQ(silent, "");
}

TEST_F(Project2Dll, PassesCurrencyByValueInTheStdcallFrame) {
    auto issue = Find<decltype(tolvane)>("tolvane");
    auto read = Find<decltype(newreadcard)>("newreadcard");
    ASSERT_NE(issue(3, "01", "05", 4660, "\xD5\xC5\xC8\xFD", "802715", "300131", "0000",
                    12 * 10000 + 3400, 9999999 * 10000LL + 9900, 1, 2, 3, 250, "4A"),
              0);
    const std::string record = read(3, "01", "05", 2);
    EXPECT_EQ(record.substr(0, 6), "001234");
    EXPECT_EQ(record.substr(32, 8), "000004D2"); // 12.34 yuan
    EXPECT_EQ(record.substr(46, 8), "3B9AC9FF"); // 9999999.99 yuan
    EXPECT_EQ(record.substr(54, 10), "010203FA4A");

    auto entry = Find<decltype(downczj)>("downczj");
    EXPECT_NE(entry(4, 19200, 1, 1, 1, 2, 125000), 0);
    EXPECT_EQ(entry(4, 19200, 1, 1, 1, 2, -125000), 0);
}

TEST_F(Project2Dll, AnswersTerminalCallsAndFailsSilently) {
    auto count = Find<decltype(getnum)>("getnum");
    auto clock = Find<decltype(gettime)>("gettime");
    auto batch = Find<decltype(downlssjrecd)>("downlssjrecd");
    EXPECT_EQ(count(4, 19200, 1), 23);
    EXPECT_EQ(count(4, 9600, 1), -1);
    EXPECT_EQ(std::string(clock(4, 19200, 2)).size(), 16u);
    EXPECT_EQ(std::string(batch(4, 19200, 1, 0)).size(), 490u);
    EXPECT_STREQ(batch(4, 19200, 1, 23), "85");
    EXPECT_EQ(Find<decltype(closecom)>("closecom")(), 0);
}

TEST_F(Project2Dll, SavesItsStateAndTracesEveryCall) {
    auto add = Find<decltype(addje)>("addje");
    ASSERT_NE(add(3, "01", 4, 150), 0);
    EXPECT_TRUE(std::filesystem::exists(state_));
    EXPECT_NE(ReadFile(state_).find("project2-state 1"), std::string::npos);
    EXPECT_NE(ReadFile(trace_).find("addje(3, \"01\", 4, 150) -> true"), std::string::npos);
}

} // namespace
