#include "tools/defaultskin/SkinArt.h"

#include "tests/native/common/TestFolder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

namespace fs = std::filesystem;

class SkinArtTool : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return RunSkinArt(args, out_, err_);
    }

    TestFolder folder_{"skinart-test-"};
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(SkinArtTool, DrawsIntoANewFolder) {
    ASSERT_EQ(Run({folder_ / "art/default"}), 0) << err_.str();
    EXPECT_NE(out_.str().find(" images in " + (folder_ / "art/default")), std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(folder_.Path() / "art/default/close.bmp"));
}

// Help and wrong command lines make no folder, neither one named after an option nor any in
// the test's folder; a folder that cannot be made is told with its cause.
TEST_F(SkinArtTool, HelpAndBadArguments) {
    folder_.Write("a-file", "x");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message; // on the output for help, else on the errors
    } cases[] = {
        {{"--help"}, 0, "Draws the images of the program's default skin"},
        {{"-h"}, 0, "Usage: skinart FOLDER"},
        {{folder_ / "x", "--help"}, 0, "Usage: skinart FOLDER"},
        {{}, 2, "skinart: name the folder to draw into"},
        {{folder_ / "x", folder_ / "y"}, 2, "skinart: one folder only"},
        {{"--colour=red"}, 2, "unknown option \"--colour=red\""},
        {{folder_ / "a-file"},
         1,
         "cannot make the folder " + (folder_ / "a-file") + ": a file of that name exists"},
        {{folder_ / "a-file/art"}, 1, "cannot make the folder " + (folder_ / "a-file/art")},
    };
    const auto before = folder_.Snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(Run(c.args), c.status);
        EXPECT_NE((c.status == 0 ? out_ : err_).str().find(c.message), std::string::npos)
            << out_.str() << err_.str();
        EXPECT_EQ(folder_.Snapshot(), before);
        for (const auto& word : c.args)
            EXPECT_FALSE(word.starts_with("-") && fs::exists(word)) << word;
    }
}

} // namespace
