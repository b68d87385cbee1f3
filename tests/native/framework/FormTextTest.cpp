#include "framework/FormText.h"

#include <gtest/gtest.h>

namespace {

std::string ErrorOf(std::string_view text) {
    try {
        ParseFormText(text);
    } catch (const EFormError& e) {
        return e.what();
    }
    return "no error";
}

TEST(FormText, ReadsEveryValueKind) {
    FormObject root = ParseFormText(R"(object Form1: TForm1
  Left = 174
  Top = -5
  Hex = $FF
  Ratio = 1.5
  Caption = '设备 ''调试'''#13#10'x' +
    'y'
  Visible = False
  Align = alClient
  Font.Style = [fsBold, fsItalic]
  Empty = []
  Items.Strings = (
    '1'
    '二')
  SkinStream = {
    0A1B2c
    FF}
  Panels = <
    item
      Text = '  状态:'
      Width = 50
    end
    item
      Width = 50
    end>
  OnClick = Button8Click
  object Child: TButton
    Caption = 'OK'
  end
end
)");
    EXPECT_EQ(root.name, "Form1");
    EXPECT_EQ(root.className, "TForm1");
    EXPECT_EQ(root.Find("Left")->value.integer, 174);
    EXPECT_EQ(root.Find("Top")->value.integer, -5);
    EXPECT_EQ(root.Find("Hex")->value.integer, 255);
    EXPECT_DOUBLE_EQ(root.Find("Ratio")->value.number, 1.5);
    EXPECT_EQ(root.Find("Caption")->value.text, L"设备 '调试'\r\nxy");
    EXPECT_EQ(root.Find("Visible")->value.kind, FormValue::Kind::Identifier);
    EXPECT_EQ(root.Find("Visible")->value.text, L"False");
    EXPECT_EQ(root.Find("Font.Style")->value.items,
              (std::vector<std::wstring>{L"fsBold", L"fsItalic"}));
    EXPECT_TRUE(root.Find("Empty")->value.items.empty());
    EXPECT_EQ(root.Find("Items.Strings")->value.items, (std::vector<std::wstring>{L"1", L"二"}));
    EXPECT_EQ(root.Find("SkinStream")->value.bytes, (std::vector<uint8_t>{0x0A, 0x1B, 0x2C, 0xFF}));
    const FormValue& panels = root.Find("Panels")->value;
    ASSERT_EQ(panels.collection.size(), 2u);
    EXPECT_EQ(panels.collection[0].properties[0].value.text, L"  状态:");
    EXPECT_EQ(panels.collection[1].properties[0].name, "Width");
    EXPECT_EQ(root.Find("OnClick")->value.text, L"Button8Click");
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(root.children[0].line, 27);
    EXPECT_EQ(root.Find("Missing"), nullptr);
}

TEST(FormText, FaultsNameTheirLine) {
    EXPECT_NE(ErrorOf("object A: TForm\n  Left = \nend").find("line 3"), std::string::npos);
    EXPECT_NE(ErrorOf("object A: TForm\n  Caption = 'open\nend").find("line 2"), std::string::npos);
    EXPECT_NE(ErrorOf("object A: TForm\n  Data = {0A1}\nend").find("odd number"),
              std::string::npos);
    EXPECT_NE(ErrorOf("object A: TForm\n  Data = {0G}\nend").find("line 2"), std::string::npos);
    EXPECT_NE(ErrorOf("object A: TForm\n  Left = 1\n").find("'end'"), std::string::npos);
    EXPECT_NE(ErrorOf("object A: TForm\nend\nextra").find("after the last"), std::string::npos);
    EXPECT_NE(ErrorOf("object A TForm\nend").find("':'"), std::string::npos);
    EXPECT_NE(ErrorOf("object A: TForm\n  Big = 99999999999999999999999\nend").find("range"),
              std::string::npos);
    EXPECT_NE(ErrorOf("").find("name was expected"), std::string::npos);
    EXPECT_NE(ErrorOf("object A: TForm\n  P = <\n item\n  X = 1\n").find("collection item"),
              std::string::npos);
}

} // namespace
