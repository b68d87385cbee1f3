// The program's binding to the terminal library, driven against our project2.dll.

#include "devlib/Conversions.h"
#include "devlib/GbkText.h"
#include "devlib/TerminalLibrary.h"
#include "tests/win/common/FakeLibrary.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

class Binding : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // A state file of this program's own, so the library starts from a fresh installation.
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        statePath_ = std::wstring(dir) + L"devlib-binding-" +
                     std::to_wstring(GetCurrentProcessId()) + L".state";
        DeleteFileW(statePath_.c_str());
        SetEnvironmentVariableW(L"PROJECT2_STATE", statePath_.c_str());
    }
    static void TearDownTestSuite() { DeleteFileW(statePath_.c_str()); }
    static std::wstring statePath_;
};
std::wstring Binding::statePath_;

TEST_F(Binding, ReadsTheDemoCardThroughTheTable) {
    const TerminalLibrary& lib = Library();
    EXPECT_EQ(&lib, &ImportedLibrary());
    std::string record = CopyReply(lib.newreadcard(3, "01", "01", 2));
    ASSERT_EQ(record.size(), 64u);
    EXPECT_EQ(HexToInt(record.substr(1, 5)), 123);
    std::string name = HexToText(record.substr(16, 16));
    EXPECT_EQ(WideFromGbk(name.c_str()), L"张三");
    // The reader answers only its own code and port.
    EXPECT_EQ(CopyReply(lib.newreadcard(3, "02", "01", 2)), "");
    EXPECT_EQ(CopyReply(lib.newreadcard(5, "01", "01", 2)), "");
    // Currency travels by value in the stdcall frame: a whole record written and read back.
    ASSERT_TRUE(lib.tolvane(3, "01", "09", 77, TextArg(L"李四").get(), "802715", "300101", "0000",
                            1234500, 99999999900, 1, 2, 3, 255, "43"));
    std::string written = CopyReply(lib.newreadcard(3, "01", "09", 2));
    ASSERT_EQ(written.size(), 64u);
    EXPECT_EQ(HexToInt(written.substr(1, 5)), 77);
    EXPECT_EQ(WideFromGbk(HexToText(written.substr(16, 16)).c_str()), L"李四");
    EXPECT_EQ(HexToInt(written.substr(32, 8)), 12345); // minimum balance in fen
    EXPECT_EQ(written.substr(62, 2), "43");
}

TEST_F(Binding, TerminalsAnswerThroughTheTable) {
    const TerminalLibrary& lib = Library();
    EXPECT_EQ(CopyReply(lib.gettime(4, 19200, 1)).size(), 16u);
    EXPECT_GT(lib.getnum(4, 19200, 2), 0);
    EXPECT_EQ(lib.getnum(4, 9600, 1), -1); // wrong rate: a silent device
    EXPECT_EQ(CopyReply(lib.gettime(4, 19200, 9)), "");
}

TEST_F(Binding, AFakeTakesThePlaceOfTheLibraryWhileItLives) {
    {
        FakeLibrary fake;
        fake.ReplyText("readmm", "123456");
        EXPECT_NE(&Library(), &ImportedLibrary());
        EXPECT_EQ(CopyReply(Library().readmm(3)), "123456");
        EXPECT_EQ(CopyReply(Library().readmm(3)), ""); // replies used up: a failure
        EXPECT_FALSE(Library().settime(4, 19200, 1));
        EXPECT_EQ(Library().getnum(4, 19200, 1), -1);
        Library().downczj(4, 19200, 1, 1, 2, 3, 125000);
        Library().setxfms(4, 19200, 1, TextArg(L"").get());
        EXPECT_EQ(fake.Calls(),
                  (std::vector<std::string>{
                      "readmm(3)", "readmm(3)", "settime(4, 19200, 1)", "getnum(4, 19200, 1)",
                      "downczj(4, 19200, 1, 1, 2, 3, 125000cur)", "setxfms(4, 19200, 1, null)"}));
    }
    EXPECT_EQ(&Library(), &ImportedLibrary());
}

TEST(GbkText, CrossesTheBoundaryBothWays) {
    EXPECT_EQ(GbkFromWide(L"张三"), "\xD5\xC5\xC8\xFD");
    EXPECT_EQ(WideFromGbk("\xD5\xC5\xC8\xFD"), L"张三");
    EXPECT_EQ(GbkFromWide(L"家常凉菜").size(), 8u);
    EXPECT_EQ(TextArg(L"").get(), nullptr);
    EXPECT_STREQ(TextArg(L"01").get(), "01");
    EXPECT_EQ(CopyReply(nullptr), "");
}

} // namespace
