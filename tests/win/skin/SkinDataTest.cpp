// The skin component as the main window's form file gives it, and its loads.

#include "tests/win/skin/SkinTestSupport.h"

#include "skin/SkinImageGdi.h"
#include "tools/SkinPack.h"

namespace {

class SkinDataTest : public SkinnedMainWindowTest {};

} // namespace

TEST_F(SkinDataTest, MainWindowCarriesTheDefaultSkinWithItsSettings) {
    TSkinData& d = Data();
    EXPECT_TRUE(d.Active());
    EXPECT_FALSE(d.NoSkin());
    EXPECT_EQ(d.DisableTag(), 99);
    EXPECT_EQ(d.Options(), SkinBit(xoPreview) | SkinBit(xoToolbarBK));
    // With the frame skinned, owner-drawn menu items are left to the menu bar.
    EXPECT_EQ(d.SkinControls(), TSkinData::kDefaultSkinControls);
    EXPECT_FALSE(d.Skins(xcMenuItem));
    EXPECT_TRUE(d.Skins(xcSystemMenu));
    EXPECT_EQ(d.SkinFormtype(), TSkinFormType::sfMainform);
    EXPECT_EQ(GetStrProp(&d, "Version"), L"4.11.07.25");
    EXPECT_EQ(GetStrProp(&d, "SkinStore"), L"(none)");
    EXPECT_TRUE(d.MenuUpdate());
    EXPECT_FALSE(d.MenuMerge());
    EXPECT_EQ(d.Skin3rd()->ToVector(), TSkinData::DefaultSkin3rd());
    EXPECT_EQ(d.Skin3rd()->Count(), 117);

    const TSkinElements& s = d.Elements();
    EXPECT_EQ(s.SkinName, "Default");
    EXPECT_NE(d.FaceBrush(), nullptr);
    // The combo box strip is drawn at load: four cells of 50 x 21, the arrows cut from it.
    ASSERT_TRUE(s.ComboButton);
    EXPECT_EQ(s.ComboButton->Style, 2);
    EXPECT_EQ(s.ComboButton->Image.Width(), 200);
    EXPECT_EQ(s.ComboButton->Image.Height(), 21);
    EXPECT_EQ(s.ComboButton->RightWidth, GetSystemMetrics(SM_CXHSCROLL) + 4);
    EXPECT_EQ(s.SunkEdge->LeftWidth, GetSystemMetrics(SM_CXHSCROLL) + 4);
    EXPECT_EQ(s.ComboxArrow->Image.Height(), 17);
    EXPECT_EQ(s.ComboxArrow->Image.Width(), 17 * 4);
    // The strip's text area is left transparent.
    EXPECT_EQ(s.ComboButton->Image.Pixels().At(10, 10) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(d.MenuGlyphs()->Count(), 4);
    EXPECT_FALSE(d.AppIcon()->Empty());
}

TEST_F(SkinDataTest, Skin3rdAndWindowFilter) {
    TSkinData& d = Data();
    EXPECT_EQ(d.Skin3rdKind(L"TComboboxex"), L"combobox");
    EXPECT_EQ(d.Skin3rdKind(L"twwdbcombobox"), L"combobox");
    EXPECT_EQ(d.Skin3rdKind(L"TLMDGROUPBOX"), L"panel");
    EXPECT_EQ(d.Skin3rdKind(L"TDBCheckboxEh"), L"checkbox");
    EXPECT_EQ(d.Skin3rdKind(L"TButton"), L"");
    EXPECT_EQ(d.Skin3rdKind(L"TRzButtonEditX"), L"") << "the whole class name must match";
    d.Skin3rd()->Assign({L"TMine=NIL", L"TLong=" + std::wstring(80, L'x')});
    EXPECT_EQ(d.Skin3rdKind(L"tmine"), L"nil");
    EXPECT_EQ(d.Skin3rdKind(L"TLong").size(), 50u);

    EXPECT_TRUE(d.WantsWindow(L"TForm1"));
    EXPECT_FALSE(d.WantsWindow(L"SysMonthCal32"));
    EXPECT_TRUE(d.WantsWindow(L"TfrPreviewForm")) << "previews are skinned with xoPreview";
    d.SetSkinControls(d.SkinControls() | SkinBit(xcFastReport));
    EXPECT_FALSE(d.WantsWindow(L"TfrDesigner"));
    d.SetOptions(0);
    d.SetSkinControls(TSkinData::kDefaultSkinControls);
    EXPECT_FALSE(d.WantsWindow(L"TPrintPreviewDlg"));
    // OnFormSkin decides instead of the built-in rules, with the answer so far.
    std::vector<bool> asked;
    d.OnFormSkin = [&](TObject*, const std::wstring&, bool& doSkin) {
        asked.push_back(doSkin);
        doSkin = true;
    };
    EXPECT_TRUE(d.WantsWindow(L"SysMonthCal32"));
    EXPECT_TRUE(d.WantsWindow(L"xPreviewx"));
    EXPECT_EQ(asked, (std::vector<bool>{true, false}));
}

TEST_F(SkinDataTest, LoadsThatFailLeaveNoSkin) {
    TSkinData data(nullptr);
    EXPECT_TRUE(data.NoSkin());
    data.SetActive(true);
    EXPECT_FALSE(data.Active()) << "there is no skin to switch on";

    // A stream whose length word is 0 holds no skin.
    data.SetSkinStream({0, 0, 0, 0});
    EXPECT_TRUE(data.NoSkin());
    data.SetSkinStream({});
    EXPECT_TRUE(data.NoSkin());

    // A package of another format is refused with the one message.
    std::vector<std::uint8_t> package = BuildSkinPackage({{"a.ini", {'[', 'x', ']'}}});
    package[0] = 0x1F; // 19999
    package[1] = 0x4E;
    EXPECT_FALSE(data.LoadFromPacked(PackSkin(package)));
    EXPECT_TRUE(data.NoSkin());
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Shown()[0].text, L"This is Older Skin File\rPlease update to new version !");

    // A good skin loads, and its stream reads back as written.
    const std::vector<std::uint8_t> packed = PlainEdgeSkin(false);
    ASSERT_TRUE(data.LoadFromPacked(packed));
    EXPECT_FALSE(data.NoSkin());
    const std::vector<std::uint8_t> stream = data.SkinStream();
    ASSERT_EQ(stream.size(), packed.size() + 4);
    EXPECT_EQ(stream[0] | stream[1] << 8, static_cast<int>(packed.size()));
    TSkinData copy(nullptr);
    copy.SetSkinStream(stream);
    EXPECT_FALSE(copy.NoSkin());
    EXPECT_EQ(copy.Elements().Left->Image.Width(), 5);
}

TEST_F(SkinDataTest, ComponentsLeaveNoHandlesBehind) {
    {
        TSkinData warmUp(nullptr);
        warmUp.SetSkinStream(Data().SkinStream());
    }
    const int gdi = GdiObjectCount();
    const int windows = ThreadWindowCount();
    for (int i = 0; i < 5; ++i) {
        TSkinData data(nullptr);
        data.SetSkinStream(Data().SkinStream());
        data.Loaded();
        // Images become bitmaps when painters first ask for them.
        for (const auto& button : data.Elements().TitleButtons)
            EXPECT_EQ(ImageHandle(button->Image) != nullptr, !button->Image.Empty());
    }
    EXPECT_EQ(GdiObjectCount(), gdi);
    EXPECT_EQ(ThreadWindowCount(), windows);
}
