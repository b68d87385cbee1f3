// TSkinStore: item names, the read-only and design-time properties, and stores read from form
// files with their packed skins intact.

#include "framework/FormReader.h"
#include "skin/SkinClasses.h"
#include "skin/SkinRead.h"
#include "skin/VarUdedStore.h"
#include "tools/BmpWrite.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The root of the test form files: a bare component standing in for the main window.
class TStoreHost : public TComponent {
    DEVTOOL_CLASS(TStoreHost)
public:
    explicit TStoreHost(TComponent* owner) : TComponent(owner) {}
};

const TClassInfo& TStoreHost::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TStoreHost, TComponent>("TStoreHost", nullptr, false);
    return info;
}

std::wstring ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return L"(no error)";
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            text += "\n        ";
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> span) {
    return {span.begin(), span.end()};
}

class SkinStoreForm : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinClasses(); }

    TSkinStore& Read(const std::string& text) {
        ReadFormText(host_, text);
        auto* store = dynamic_cast<TSkinStore*>(host_.FindComponent(L"SkinStore1"));
        if (!store)
            throw std::runtime_error("no SkinStore1 in the form");
        return *store;
    }

    TStoreHost host_{nullptr};
};

TEST(SkinCollection, NewItemsAreNamedAfterIdsThatAreNeverReused) {
    TSkinStore store(nullptr);
    TSkinCollection& skins = *store.Store();
    EXPECT_EQ(skins.Add()->Name(), L"SkinItem0");
    EXPECT_EQ(skins.Add()->Name(), L"SkinItem1");
    skins.Delete(0);
    TSkinCollectionItem* third = skins.Add();
    EXPECT_EQ(third->ID(), 2);
    EXPECT_EQ(third->Name(), L"SkinItem2");
    EXPECT_EQ(third->DisplayName(), L"SkinItem2");
    skins.Clear();
    EXPECT_EQ(skins.Add()->Name(), L"SkinItem3");
}

TEST(SkinCollection, ANameUsedByAnotherItemIsRefusedAndTheOldNameStays) {
    TSkinStore store(nullptr);
    TSkinCollectionItem* first = store.Store()->Add();
    TSkinCollectionItem* second = store.Store()->Add();
    first->SetName(L"Blue");

    EXPECT_EQ(ErrorOf([&] { second->SetName(L"Blue"); }), L"The name Blue is already used.");
    EXPECT_EQ(second->Name(), L"SkinItem1");
    // Through the property table, as the form reader sets it.
    EXPECT_EQ(ErrorOf([&] { SetStrProp(second, "Name", L"Blue"); }),
              L"The name Blue is already used.");
    EXPECT_EQ(GetStrProp(second, "Name"), L"SkinItem1");

    // Only other items count, and case matters.
    first->SetName(L"Blue");
    second->SetName(L"blue");
    EXPECT_EQ(second->Name(), L"blue");
}

TEST(SkinCollection, SkinDataIsAFixedTextAndDataSizeFollowsTheData) {
    TSkinStore store(nullptr);
    TSkinCollectionItem* item = store.Store()->Add();
    EXPECT_EQ(GetStrProp(item, "SkinData"), L"Load Skin");
    SetStrProp(item, "SkinData", L"C:\\skins\\blue.skn");
    EXPECT_EQ(GetStrProp(item, "SkinData"), L"Load Skin");
    EXPECT_EQ(GetOrdProp(item, "DataSize"), 0);

    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5};
    item->SetData(bytes);
    EXPECT_EQ(item->DataSize(), 5);
    SetOrdProp(item, "DataSize", 99);
    EXPECT_EQ(GetOrdProp(item, "DataSize"), 5);
    EXPECT_EQ(Bytes(item->Data()), bytes);
}

TEST(SkinCollection, AssignCopiesNameAndDataAndChecksTheName) {
    TSkinStore from(nullptr);
    TSkinCollectionItem* source = from.Store()->Add();
    source->SetName(L"Green");
    source->SetData(std::vector<std::uint8_t>{9, 8, 7});

    TSkinStore to(nullptr);
    TSkinCollectionItem* copy = to.Store()->Add();
    copy->Assign(*source);
    EXPECT_EQ(copy->Name(), L"Green");
    EXPECT_EQ(Bytes(copy->Data()), (std::vector<std::uint8_t>{9, 8, 7}));

    TSkinCollectionItem* other = to.Store()->Add();
    EXPECT_EQ(ErrorOf([&] { other->Assign(*source); }), L"The name Green is already used.");
    EXPECT_EQ(other->DataSize(), 0);
}

TEST_F(SkinStoreForm, TheClassIsKnownToTheFormReader) {
    const TClassInfo* info = FindClass("TSkinStore");
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->InheritsFrom("TComponent"));
    TSkinStore& store = Read("object Host: TStoreHost\n"
                             "  object SkinStore1: TSkinStore\n"
                             "  end\n"
                             "end\n");
    EXPECT_EQ(store.Store()->Count(), 0);
    EXPECT_EQ(GetObjectProp(&store, "Store"), store.Store());
}

TEST_F(SkinStoreForm, TwoItemsComeBackWithNamesAndDataStreams) {
    TSkinStore& store = Read("object Host: TStoreHost\n"
                             "  object SkinStore1: TSkinStore\n"
                             "    Store = <\n"
                             "      item\n"
                             "        Name = 'Blue'\n"
                             "        DataStream = {\n"
                             "          0001FF7F\n"
                             "          80}\n"
                             "      end\n"
                             "      item\n"
                             "        Name = 'SkinItem0'\n"
                             "        SkinData = 'Load Skin'\n"
                             "        DataStream = {}\n"
                             "      end>\n"
                             "  end\n"
                             "end\n");
    ASSERT_EQ(store.Store()->Count(), 2);
    const TSkinCollectionItem* blue = store.Store()->Items(0);
    EXPECT_EQ(blue->Name(), L"Blue");
    EXPECT_EQ(blue->DataSize(), 5);
    EXPECT_EQ(Bytes(blue->Data()), (std::vector<std::uint8_t>{0x00, 0x01, 0xFF, 0x7F, 0x80}));
    const TSkinCollectionItem* second = store.Store()->Items(1);
    EXPECT_EQ(second->Name(), L"SkinItem0");
    EXPECT_EQ(second->DataSize(), 0);
}

TEST_F(SkinStoreForm, ADuplicateNameInTheFileStopsTheReadWithTheNameError) {
    const std::string text = "object Host: TStoreHost\n"
                             "  object SkinStore1: TSkinStore\n"
                             "    Store = <\n"
                             "      item\n"
                             "        Name = 'Blue'\n"
                             "      end\n"
                             "      item\n"
                             "        Name = 'Blue'\n"
                             "      end>\n"
                             "  end\n"
                             "end\n";
    EXPECT_EQ(ErrorOf([&] { Read(text); }), L"The name Blue is already used.");
}

TEST_F(SkinStoreForm, AStoredSkinUnpacksWithItsEntries) {
    const std::vector<std::uint8_t> image = EncodeBmp24(2, 1, {0xFF0000, 0x00FF00});
    const std::string ini = "[TitlebarSkin]\r\nSkinName=Stored\r\n";
    const std::vector<std::uint8_t> packed = PackSkin(
        BuildSkinPackage({{"stored.ini", {ini.begin(), ini.end()}}, {"frame.bmp", image}}));

    TSkinStore& store = Read("object Host: TStoreHost\n"
                             "  object SkinStore1: TSkinStore\n"
                             "    Store = <\n"
                             "      item\n"
                             "        Name = 'Stored'\n"
                             "        DataStream = {" +
                             Hex(packed) +
                             "}\n"
                             "      end>\n"
                             "  end\n"
                             "end\n");
    ASSERT_EQ(store.Store()->Count(), 1);
    const TSkinCollectionItem* item = store.Store()->Items(0);
    EXPECT_EQ(item->DataSize(), static_cast<int>(packed.size()));

    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(item->Data()));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"stored.ini", "frame.bmp"}));
    TByteBuffer entry;
    reader.ExtractEntry("Frame.BMP", entry);
    EXPECT_EQ(entry, image);
    std::string name;
    reader.FindEntry(".ini", entry, name);
    EXPECT_EQ(std::string(entry.begin(), entry.end()), ini);
}

} // namespace
