// Stored skins in real forms: the main window's empty store, a form whose store holds two
// skins read back and unpacked, and the duplicate-name error as the application shows it.

#include "skin/SkinBitmap.h"
#include "skin/SkinRead.h"
#include "skin/VarUdedStore.h"
#include "tests/win/common/MainWindowFixture.h"
#include "tests/win/skinstore/TestBmpFiles.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

namespace {

// A form read from text given by the test.
class TStoreForm : public TForm {
    DEVTOOL_CLASS(TStoreForm)
public:
    TStoreForm(TComponent* owner, const std::string& formText) : TForm(owner) {
        LoadFromFormText(formText);
    }
};

const TClassInfo& TStoreForm::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TStoreForm, TForm>("TStoreForm", nullptr, false);
    return info;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            text += "\n          ";
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::string StoreFormText(const std::vector<std::pair<std::string, std::string>>& items) {
    std::string text = "object StoreForm: TStoreForm\n"
                       "  Caption = 'Skins'\n"
                       "  object SkinStore1: TSkinStore\n"
                       "    Store = <";
    for (const auto& [name, dataHex] : items) {
        text += "\n      item\n"
                "        Name = '" +
                name + "'\n        DataStream = {" + dataHex + "}\n      end";
    }
    return text + ">\n  end\nend\n";
}

using MainWindowStore = MainWindowTest;

TEST_F(MainWindowStore, HoldsAnEmptyStoreOfFurtherSkins) {
    auto* store = dynamic_cast<TSkinStore*>(Form().FindComponent(L"SkinStore1"));
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->Owner(), &Form());
    EXPECT_EQ(store->Store()->Count(), 0);
}

TEST(StoreForm, TwoStoredSkinsAreReadBackAndUnpack) {
    const TestBmpFile image = TestBmpFiles().at(4); // 8 bits per pixel, bottom-up
    const std::string ini = "[Personality]\r\nTop=" + image.name + "\r\n";
    const std::vector<std::uint8_t> packed = PackSkin(
        BuildSkinPackage({{"blue.ini", {ini.begin(), ini.end()}}, {image.name, image.bytes}}));
    const std::vector<std::uint8_t> other = {0x10, 0x00, 0x00, 0x00, 0xFF};

    TStoreForm form(nullptr, StoreFormText({{"Blue", Hex(packed)}, {"Spare", Hex(other)}}));
    auto* store = form.Control<TSkinStore>(L"SkinStore1");
    ASSERT_EQ(store->Store()->Count(), 2);
    const TSkinCollectionItem* blue = store->Store()->Items(0);
    const TSkinCollectionItem* spare = store->Store()->Items(1);
    EXPECT_EQ(blue->Name(), L"Blue");
    EXPECT_EQ(blue->DataSize(), static_cast<int>(packed.size()));
    EXPECT_EQ(GetOrdProp(const_cast<TSkinCollectionItem*>(blue), "DataSize"),
              static_cast<int>(packed.size()));
    EXPECT_EQ(spare->Name(), L"Spare");
    EXPECT_EQ(std::vector<std::uint8_t>(spare->Data().begin(), spare->Data().end()), other);

    // The first one is a whole skin: its package opens and its image draws.
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(blue->Data()));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"blue.ini", image.name}));
    TBitmap top;
    ASSERT_TRUE(LoadBitmapFromEntry(top, reader, image.name));
    EXPECT_EQ(top.Pixels(), image.picture.pixels);
}

TEST(StoreForm, ADuplicateNameStopsTheFormAndIsShownAsAnError) {
    MessageBoxRecorder boxes;
    const int windowsBefore = ThreadWindowCount();
    try {
        TStoreForm form(nullptr, StoreFormText({{"Blue", "01"}, {"Blue", "02"}}));
        ADD_FAILURE() << "the form was read";
    } catch (const std::exception& error) {
        Application->ShowException(error);
    }
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, L"The name Blue is already used.");
    EXPECT_EQ(boxes.Shown()[0].caption, Application->Title());
    EXPECT_EQ(boxes.Shown()[0].flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
}

} // namespace
