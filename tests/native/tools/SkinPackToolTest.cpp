#include "tools/SkinPackTool.h"

#include "tests/native/common/TestFolder.h"
#include "tools/BmpWrite.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// A packed skin of the given entries, for skins no folder could make.
std::string PackedSkin(const std::vector<SkinEntry>& entries) {
    return Text(PackSkin(BuildSkinPackage(entries)));
}

SkinEntry Entry(const std::string& name, const std::string& data) {
    return {name, {data.begin(), data.end()}};
}

class SkinPackTool : public ::testing::Test {
protected:
    SkinPackTool() {
        const std::string image = Text(EncodeBmp24(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0}));
        folder_.Write("skin/skin.ini", "[Form]\r\nImage=a.bmp\r\n");
        folder_.Write("skin/a.bmp", image);
        folder_.Write("skin/b.bmp", image);
    }

    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return RunSkinPack(args, out_, err_);
    }
    std::string In(const std::string& name) const { return folder_ / name; }

    TestFolder folder_{"skinpack-test-"};
    std::ostringstream out_;
    std::ostringstream err_;
};

// Pack, list and unpack give back the files of the folder, names in lower case.
TEST_F(SkinPackTool, PacksListsAndUnpacks) {
    folder_.Write("skin/Upper.BMP", folder_.Read("skin/a.bmp"));
    ASSERT_EQ(Run({"pack", In("skin"), In("good.skn")}), 0) << err_.str();
    EXPECT_NE(out_.str().find("4 entries"), std::string::npos) << out_.str();
    ASSERT_EQ(Run({"list", In("good.skn")}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "21\tskin.ini\n70\tupper.bmp\n70\ta.bmp\n70\tb.bmp\n");
    ASSERT_EQ(Run({"unpack", In("good.skn"), In("out")}), 0) << err_.str();
    EXPECT_NE(out_.str().find("4 entries unpacked"), std::string::npos) << out_.str();
    for (const char* name : {"skin.ini", "a.bmp", "b.bmp"})
        EXPECT_EQ(folder_.Read(std::string("out/") + name),
                  folder_.Read(std::string("skin/") + name));
    EXPECT_EQ(folder_.Read("out/upper.bmp"), folder_.Read("skin/a.bmp"));
    // Packing again over an earlier skin replaces it.
    folder_.Write("skin/b.bmp", "not an image");
    ASSERT_EQ(Run({"pack", In("skin"), In("good.skn")}), 0) << err_.str();
    EXPECT_NE(err_.str().find("warning: b.bmp is not a BMP"), std::string::npos) << err_.str();
}

TEST_F(SkinPackTool, HelpSaysWhatTheToolDoes) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}, {"pack", "--help"}}) {
        EXPECT_EQ(Run(args), 0);
        EXPECT_NE(out_.str().find("Makes and opens packed skins"), std::string::npos);
        EXPECT_NE(out_.str().find("skinpack unpack SKIN.skn FOLDER"), std::string::npos);
        EXPECT_EQ(err_.str(), "");
    }
}

// Every bad input: the exit status, a message that names the file and the cause, and no file
// changed anywhere in the test's folder.
TEST_F(SkinPackTool, RefusesBadInputAndChangesNothing) {
    ASSERT_EQ(Run({"pack", In("skin"), In("good.skn")}), 0) << err_.str();
    const std::string good = folder_.Read("good.skn");
    folder_.Write("cut-by-one.skn", good.substr(0, good.size() - 1));
    folder_.Write("cut-in-half.skn", good.substr(0, good.size() / 2));
    folder_.Write("header-only.skn", good.substr(0, 4));
    folder_.Write("tiny.skn", "ab");
    folder_.Write("text.txt", "hello, this is text\n");
    std::string random(3000, '\0');
    std::mt19937 bytes(7);
    for (char& c : random)
        c = static_cast<char>(bytes());
    folder_.Write("random.bin", random);
    random.replace(0, 4, std::string("\x40\x00\x00\x00", 4)); // a small declared length
    folder_.Write("random-small.bin", random);
    std::vector<std::uint8_t> lying =
        BuildSkinPackage({Entry("a.ini", "[x]"), Entry("b.bmp", "BM")});
    lying[16 + 14 + 4] = 0x7F; // the size of b.bmp runs past the package
    folder_.Write("damaged.skn", Text(PackSkin(lying)));
    folder_.Write("twice.skn",
                  PackedSkin({Entry("a.ini", "1"), Entry("a.bmp", "2"), Entry("A.BMP", "3")}));
    folder_.Write("escape.skn", PackedSkin({Entry("a.ini", "1"), Entry("../up.bmp", "2")}));
    folder_.Write("clash/skin.ini", "[Form]\r\n");
    folder_.Write("clash/Extra.BMP", "1");
    folder_.Write("clash/extra.bmp", "2");
    folder_.Write("two-ini/a.ini", "");
    folder_.Write("two-ini/b.INI", "");
    folder_.Write("no-ini/a.bmp", "");
    folder_.Write("not-a-folder", "x");

    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{}, 2, "Usage: skinpack pack FOLDER OUT.skn"},
        {{"pak", "x"}, 2, "unknown command \"pak\""},
        {{"pack", In("skin")}, 2, "pack takes 2 arguments: skinpack pack FOLDER OUT.skn"},
        {{"list"}, 2, "list takes 1 argument"},
        {{"unpack", In("good.skn"), In("x"), In("y")}, 2, "unpack takes 2 arguments"},
        {{"unpack", In("cut-by-one.skn"), In("out")},
         1,
         In("cut-by-one.skn") + " is cut short: it ends before the"},
        {{"list", In("cut-in-half.skn")}, 1, In("cut-in-half.skn") + " is cut short"},
        {{"unpack", In("header-only.skn"), In("out")},
         1,
         In("header-only.skn") + " is not a packed skin, or is cut short"},
        {{"list", In("tiny.skn")}, 1, In("tiny.skn") + " is not a packed skin: it holds only 2"},
        {{"list", In("text.txt")},
         1,
         In("text.txt") + " is not a packed skin, or is damaged: it "
                          "declares 1819043176 bytes unpacked"},
        {{"unpack", In("random.bin"), In("out")}, 1, In("random.bin") + " is not a packed skin"},
        {{"unpack", In("random-small.bin"), In("out")},
         1,
         In("random-small.bin") + " is not a packed skin"},
        {{"unpack", In("damaged.skn"), In("out")},
         1,
         In("damaged.skn") + " is damaged: the sizes in its package run past"},
        {{"unpack", In("twice.skn"), In("out")},
         1,
         In("twice.skn") + " holds two entries named a.bmp; nothing was unpacked"},
        {{"unpack", In("escape.skn"), In("out")},
         1,
         In("escape.skn") + " is damaged: entry 2 has a name that is not a plain file name"},
        {{"list", In("skin")}, 1, In("skin") + " is a folder, not a file"},
        {{"list", In("none.skn")}, 1, In("none.skn") + ": no such file"},
        {{"unpack", In("good.skn"), In("not-a-folder")},
         1,
         "cannot make the folder " + In("not-a-folder") + ": a file of that name exists"},
        {{"pack", In("clash"), In("clash.skn")},
         1,
         In("clash") + " holds both Extra.BMP and extra.bmp, one entry name when case is "
                       "ignored"},
        {{"pack", In("two-ini"), In("x.skn")},
         1,
         In("two-ini") + " holds 2 descriptions (.ini files: a.ini b.INI)"},
        {{"pack", In("no-ini"), In("x.skn")}, 1, In("no-ini") + " holds no description"},
        {{"pack", In("none"), In("x.skn")}, 1, In("none") + ": no such folder"},
        {{"pack", In("not-a-folder"), In("x.skn")}, 1, In("not-a-folder") + " is not a folder"},
        {{"pack", In("skin"), In("none/x.skn")},
         1,
         "cannot write " + In("none/x.skn") + ": the folder " + In("none") + " does not exist"},
        {{"pack", In("skin"), In("skin")}, 1, "cannot write " + In("skin") + ": it is a folder"},
    };
    const auto before = folder_.Snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(Run(c.args), c.status);
        EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(folder_.Snapshot(), before);
    }
}

} // namespace
