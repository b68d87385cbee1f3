// Skin images into bitmaps: BMP files of every depth and row order, alone and as entries of a
// skin package, come out as the same pixels, seen both in memory and by GDI.

#include "skin/SkinBitmap.h"
#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"
#include "tests/win/skinstore/TestBmpFiles.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

namespace {

// Compares the bitmap with the picture in memory and through a DC, where GDI answers
// 0x00BBGGRR.
void ExpectShows(TBitmap& bitmap, const TestPicture& picture) {
    ASSERT_EQ(bitmap.Width(), picture.width);
    ASSERT_EQ(bitmap.Height(), picture.height);
    EXPECT_EQ(bitmap.Pixels(), picture.pixels);
    HDC dc = bitmap.Canvas()->Handle();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t rgb =
                picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
            EXPECT_EQ(GetPixel(dc, x, y), RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF))
                << "at " << x << "," << y;
        }
    }
}

TEST(SkinBitmap, EveryDepthAndRowOrderGivesThePicture) {
    for (const TestBmpFile& file : TestBmpFiles()) {
        SCOPED_TRACE(file.name);
        TBitmap bitmap;
        ASSERT_TRUE(LoadBitmapFromBmp(bitmap, file.bytes));
        ExpectShows(bitmap, file.picture);
    }
}

TEST(SkinBitmap, PackageEntriesAndDescriptionKeysGiveTheirImages) {
    const std::vector<TestBmpFile> files = TestBmpFiles();
    std::string ini = "[Images]\r\n";
    std::vector<SkinEntry> entries = {{"skin.ini", {}}};
    for (std::size_t i = 0; i < files.size(); ++i) {
        ini += "Image" + std::to_string(i) + "=C:\\art\\" + files[i].name + "\r\n";
        entries.push_back({files[i].name, files[i].bytes});
    }
    ini += "Upper=" + files[0].name.substr(0, 6) + ".BMP\r\n";
    entries[0].data.assign(ini.begin(), ini.end());

    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(PackSkin(BuildSkinPackage(entries))));
    TQuickIni description;
    TByteBuffer text;
    std::string name;
    reader.FindEntry(".ini", text, name);
    description.LoadFromStream(text);

    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name);
        TBitmap fromEntry;
        std::string upper = files[i].name;
        for (char& c : upper)
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        ASSERT_TRUE(LoadBitmapFromEntry(fromEntry, reader, upper));
        ExpectShows(fromEntry, files[i].picture);

        TBitmap fromKey;
        ASSERT_TRUE(
            ReadBitmap(fromKey, description, reader, "Images", "Image" + std::to_string(i)));
        EXPECT_EQ(fromKey.Pixels(), files[i].picture.pixels);
    }

    // What gives no image empties a bitmap that held one.
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    EXPECT_FALSE(ReadBitmap(bitmap, description, reader, "Images", "Upper"));
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(3, 3);
    EXPECT_FALSE(LoadBitmapFromEntry(bitmap, reader, "missing.bmp"));
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(3, 3);
    EXPECT_FALSE(LoadBitmapFromEntry(bitmap, reader, "skin.ini"));
    EXPECT_TRUE(bitmap.Empty());
}

TEST(SkinBitmap, DamagedFilesEmptyTheBitmap) {
    const TestBmpFile file = TestBmpFiles().front();
    TBitmap bitmap;
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{2}, std::size_t{30}, file.bytes.size() - 4}) {
        SCOPED_TRACE(cut);
        bitmap.SetSize(2, 2);
        const std::vector<std::uint8_t> truncated(file.bytes.begin(),
                                                  file.bytes.begin() + static_cast<long>(cut));
        EXPECT_FALSE(LoadBitmapFromBmp(bitmap, truncated));
        EXPECT_TRUE(bitmap.Empty());
    }
}

} // namespace
