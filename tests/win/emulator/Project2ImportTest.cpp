// A program bound to project2.dll at load time through the import library: it starts only if
// the library exports the plain names the import library asks for.

#include "devlib/Project2Api.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class Project2Import : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        state_ = std::filesystem::temp_directory_path() /
                 (L"p2-import-state-" + std::to_wstring(GetCurrentProcessId()));
        std::filesystem::remove(state_);
        SetEnvironmentVariableW(L"PROJECT2_STATE", state_.c_str());
    }
    static void TearDownTestSuite() { std::filesystem::remove(state_); }
    static inline std::filesystem::path state_;
};

TEST_F(Project2Import, CallsTheReaderDirectly) {
    EXPECT_STREQ(readmm(3), "FFFFFFFFFFFF");
    ASSERT_NE(downmmre(3, "01", "A1B2C3"), 0);
    EXPECT_STREQ(readmm(3), "A1B2C3");
    ASSERT_NE(addje(3, "01", 4, 250), 0);
    EXPECT_EQ(std::string(newreadje(3, "01", 4)).substr(0, 8), "0A280000"); // 10250 fen
    EXPECT_EQ(jk(3, "01", 4, 20000), 0);
}

TEST_F(Project2Import, CallsTheTerminalsDirectly) {
    EXPECT_EQ(getmaxnum(4, 19200, 2), 50000);
    ASSERT_NE(setbtl(4, 19200, 2, 0), 0);
    EXPECT_EQ(getnum(4, 19200, 2), -1);
    EXPECT_EQ(getnum(4, 9600, 2), 8);
    ASSERT_NE(downcd(4, 9600, 2, 1, 100 * 10000LL, "\xBC\xD2\xB3\xA3\xC1\xB9\xB2\xCB"), 0);
    EXPECT_NE(opencom1("COM4", 9600), 0);
    EXPECT_NE(closecom(), 0);
}

} // namespace
