// Every control of the main window is in its form file with the class, parent, texts, lists,
// limits and visibility the handlers rely on, and every event names a handler of the window.

#include "tests/native/form/MainFormFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Shown: on screen at start. Hidden: Visible = False on the control itself. InHiddenGroup:
// visible itself, but inside a group created hidden.
enum class Shown { Yes, Hidden, InHiddenGroup };

using Texts = std::vector<std::wstring>;

struct ExpectedControl {
    const char* name;
    const char* className;
    const char* parent;
    const wchar_t* text = nullptr; // caption or default text; nullptr: not checked
    Shown shown = Shown::Yes;
    int maxLength = 0;                     // 0: no limit
    const wchar_t* passwordChar = nullptr; // nullptr: shown in clear
    std::optional<Texts> items = std::nullopt;
};

const Texts kPorts = {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};
const Texts kSectors = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10"};
const Texts kBlocks = {L"00", L"01", L"02", L"03", L"04", L"05", L"06", L"07", L"08", L"09", L"10",
                       L"11", L"12", L"13", L"14", L"15", L"16", L"17", L"18", L"19", L"20", L"21"};
const Texts kBauds = {L"9600", L"19200", L"38400", L"57600", L"115200"};
const Texts kTypes = {L"A", L"B", L"C", L"D", L"E", L"F", L"G", L"H", L"I", L"J"};

constexpr Shown Y = Shown::Yes;
constexpr Shown H = Shown::Hidden;
constexpr Shown G = Shown::InHiddenGroup;

const std::vector<ExpectedControl>& Controls() {
    static const std::vector<ExpectedControl> table = {
        {"PageControl1", "TPageControl", "Form1"},
        {"Timer1", "TTimer", "Form1"},
        {"SkinStore1", "TSkinStore", "Form1"},
        {"SkinData1", "TSkinData", "Form1"},

        // Card-reader page.
        {"TabSheet1", "TTabSheet", "PageControl1", L"IC读卡器程序"},
        {"sb", "TStatusBar", "TabSheet1"},
        {"GroupBox1", "TGroupBox", "TabSheet1", L"读卡器设置"},
        {"Label1", "TLabel", "GroupBox1", L"串口号："},
        {"ComboBox1", "TComboBox", "GroupBox1", L"3", Y, 0, nullptr, kPorts},
        {"Label2", "TLabel", "GroupBox1", L"扇区："},
        {"sq", "TComboBox", "GroupBox1", L"0", Y, 0, nullptr, kSectors},
        {"Label3", "TLabel", "GroupBox1", L"密码："},
        {"Edit1", "TEdit", "GroupBox1", L"", Y, 12, L"*"},
        {"Button1", "TButton", "GroupBox1", L"设置读卡器密码   "},
        {"Button2", "TButton", "GroupBox1", L"读发卡器密码   ", H},

        {"GroupBox5", "TGroupBox", "TabSheet1", L"读卡"},
        {"Label4", "TLabel", "GroupBox5", L"卡号  "},
        {"Edit11", "TEdit", "GroupBox5", L""},
        {"Label5", "TLabel", "GroupBox5", L"状态  "},
        {"Edit12", "TEdit", "GroupBox5", L""},
        {"Label8", "TLabel", "GroupBox5", L"个人金额  "},
        {"Edit13", "TEdit", "GroupBox5", L""},
        {"Label9", "TLabel", "GroupBox5", L"补贴金额  "},
        {"Edit14", "TEdit", "GroupBox5", L""},
        {"Label6", "TLabel", "GroupBox5", L"姓名  "},
        {"Edit15", "TEdit", "GroupBox5", L""},
        {"Label12", "TLabel", "GroupBox5", L"有效日期   "},
        {"DateTimePicker1", "TDateTimePicker", "GroupBox5"},
        {"Label13", "TLabel", "GroupBox5", L"一时段限次  "},
        {"Edit20", "TEdit", "GroupBox5", L""},
        {"Label14", "TLabel", "GroupBox5", L"二时段限次  "},
        {"Edit21", "TEdit", "GroupBox5", L""},
        {"Label15", "TLabel", "GroupBox5", L"三时段限次  "},
        {"Edit22", "TEdit", "GroupBox5", L""},
        {"Label16", "TLabel", "GroupBox5", L"四时段限次  "},
        {"Edit23", "TEdit", "GroupBox5", L""},
        {"Label7", "TLabel", "GroupBox5", L"卡类型  "},
        {"Edit60", "TEdit", "GroupBox5", L""},
        {"Label10", "TLabel", "GroupBox5", L"最低余额  "},
        {"Edit62", "TEdit", "GroupBox5", L""},
        {"Label11", "TLabel", "GroupBox5", L"每日限额  "},
        {"Edit64", "TEdit", "GroupBox5", L""},
        {"Button8", "TButton", "GroupBox5", L"读卡 "},
        {"Button27", "TButton", "GroupBox5", L"读余额"},
        {"Label17", "TLabel", "GroupBox5", L"块号："},
        {"ComboBox2", "TComboBox", "GroupBox5", L"00", Y, 0, nullptr, kBlocks},
        {"Edit2", "TEdit", "GroupBox5", L""},
        {"Button3", "TButton", "GroupBox5", L"读卡"},
        {"Edit3", "TEdit", "GroupBox5", L"00000000000000000000000000000000", Y, 32},
        {"Button4", "TButton", "GroupBox5", L"写卡"},

        {"GroupBox4", "TGroupBox", "TabSheet1", L"写卡", H},
        {"Button9", "TButton", "GroupBox4", L"写卡号", G},
        {"Edit16", "TEdit", "GroupBox4", L"1", G, 6},
        {"Button10", "TButton", "GroupBox4", L"个人加款", G},
        {"Edit17", "TEdit", "GroupBox4", L"0", G},
        {"Button69", "TButton", "GroupBox4", L"个人减款", G},
        {"Edit103", "TEdit", "GroupBox4", L"0", G},
        {"Button17", "TButton", "GroupBox4", L"补贴加款", G},
        {"Edit19", "TEdit", "GroupBox4", L"0", G},
        {"Button89", "TButton", "GroupBox4", L"补贴减款", H},
        {"Edit104", "TEdit", "GroupBox4", nullptr, G},
        {"Button13", "TButton", "GroupBox4", L"个人余额清零   ", G},
        {"Button14", "TButton", "GroupBox4", L"补贴余额清零   ", G},
        {"Button18", "TButton", "GroupBox4", L"写全部信息  ", G},
        {"Label53", "TLabel", "GroupBox4", L"姓名  ", G},
        {"Edit18", "TEdit", "GroupBox4", L"张三", G},
        {"Label54", "TLabel", "GroupBox4", L"有效日期", G},
        {"DateTimePicker2", "TDateTimePicker", "GroupBox4", nullptr, G},
        {"Label55", "TLabel", "GroupBox4", L"卡片类型", G},
        {"ComboBox8", "TComboBox", "GroupBox4", L"A", G, 0, nullptr, kTypes},
        {"Label56", "TLabel", "GroupBox4", L"密      码", G},
        {"Edit72", "TEdit", "GroupBox4", L"802715", G},
        {"Label57", "TLabel", "GroupBox4", L"每日限额  ", G},
        {"Edit63", "TEdit", "GroupBox4", L"9999999.99", G},
        {"Label58", "TLabel", "GroupBox4", L"卡内最低余额  ", G},
        {"Edit65", "TEdit", "GroupBox4", L"0", G},
        {"Label59", "TLabel", "GroupBox4", L"一时段限次  ", G},
        {"Edit24", "TEdit", "GroupBox4", L"255", G},
        {"Label60", "TLabel", "GroupBox4", L"二时段限次  ", G},
        {"Edit25", "TEdit", "GroupBox4", L"255", G},
        {"Label61", "TLabel", "GroupBox4", L"三时段限次  ", G},
        {"Edit26", "TEdit", "GroupBox4", L"255", G},
        {"Label62", "TLabel", "GroupBox4", L"四时段限次  ", G},
        {"Edit27", "TEdit", "GroupBox4", L"255", G},
        {"Button6", "TButton", "GroupBox4", L"读已消费限额限次     ", G},
        {"Label66", "TLabel", "GroupBox4", L"一时段限次  ", G},
        {"Edit9", "TEdit", "GroupBox4", L"", G},
        {"Label70", "TLabel", "GroupBox4", L"一时段日期", G},
        {"Edit80", "TEdit", "GroupBox4", L"", G},
        {"Label67", "TLabel", "GroupBox4", L"二时段限次  ", G},
        {"Edit10", "TEdit", "GroupBox4", L"", G},
        {"Label71", "TLabel", "GroupBox4", L"二时段日期", G},
        {"Edit81", "TEdit", "GroupBox4", L"", G},
        {"Label68", "TLabel", "GroupBox4", L"三时段限次  ", G},
        {"Edit77", "TEdit", "GroupBox4", L"", G},
        {"Label72", "TLabel", "GroupBox4", L"三时段日期", G},
        {"Edit82", "TEdit", "GroupBox4", L"", G},
        {"Label69", "TLabel", "GroupBox4", L"四时段限次  ", G},
        {"Edit78", "TEdit", "GroupBox4", L"", G},
        {"Label73", "TLabel", "GroupBox4", L"四时段日期", G},
        {"Edit83", "TEdit", "GroupBox4", L"", G},
        {"Label74", "TLabel", "GroupBox4", L"每日限额     ", G},
        {"Edit79", "TEdit", "GroupBox4", L"", G},
        {"Edit84", "TEdit", "GroupBox4", L"", G},
        {"GroupBox23", "TGroupBox", "GroupBox4", L"水控", H},
        {"Label75", "TLabel", "GroupBox23", L"次数", G},
        {"Edit107", "TEdit", "GroupBox23", L"", G},
        {"Label76", "TLabel", "GroupBox23", L"增减次数", G},
        {"Edit108", "TEdit", "GroupBox23", L"0", G},
        {"Button70", "TButton", "GroupBox23", L"读水控次数", G},
        {"Button71", "TButton", "GroupBox23", L"提交", G},

        // First terminal page.
        {"TabSheet2", "TTabSheet", "PageControl1", L"IC消费机程序1"},
        {"sb1", "TStatusBar", "TabSheet2"},
        {"GroupBox7", "TGroupBox", "TabSheet2", L"常用操作"},
        {"Label30", "TLabel", "GroupBox7", L"串口：  "},
        {"Edit30", "TEdit", "GroupBox7", L"4"},
        {"Label31", "TLabel", "GroupBox7", L"机号："},
        {"Edit31", "TEdit", "GroupBox7", L"1"},
        {"Label32", "TLabel", "GroupBox7", L"老机号："},
        {"Edit36", "TEdit", "GroupBox7", L"1"},
        {"Label33", "TLabel", "GroupBox7", L"波特率：  "},
        {"ComboBox3", "TComboBox", "GroupBox7", L"19200", Y, 0, nullptr, kBauds},
        {"ListBox1", "TListBox", "GroupBox7"},
        {"Button24", "TButton", "GroupBox7", L"设置机号"},
        {"Button47", "TButton", "GroupBox7", L"设备信息"},
        {"Button25", "TButton", "GroupBox7", L"获取时间"},
        {"Button26", "TButton", "GroupBox7", L"检正时间"},
        {"Button43", "TButton", "GroupBox7", L"最大存储数 "},
        {"Button41", "TButton", "GroupBox7", L"实时监控"},
        {"Button29", "TButton", "GroupBox7", L"获取总数"},
        {"Button42", "TButton", "GroupBox7", L"获取总额"},
        {"Button28", "TButton", "GroupBox7", L"清除全部数据"},
        {"Button88", "TButton", "GroupBox7", L"下载预览数据"},
        {"Button16", "TButton", "GroupBox7", L"恢复记录", H},
        {"Edit105", "TEdit", "GroupBox7", L"10", H},

        {"GroupBox8", "TGroupBox", "TabSheet2", L"挂失"},
        {"Label26", "TLabel", "GroupBox8", L"挂失卡设置"},
        {"Edit32", "TEdit", "GroupBox8", L"000000"},
        {"Button30", "TButton", "GroupBox8", L"挂失卡号"},
        {"Edit33", "TEdit", "GroupBox8", L"000000"},
        {"Button31", "TButton", "GroupBox8", L"解挂卡号"},
        {"Label45", "TLabel", "GroupBox8", L"此过程需等待半分钟"},
        {"Button45", "TButton", "GroupBox8", L"清除全部挂失卡 "},

        {"GroupBox6", "TGroupBox", "TabSheet2", L"高级设置"},
        {"Label22", "TLabel", "GroupBox6", L"设置管理卡号   "},
        {"Edit28", "TEdit", "GroupBox6", L"1"},
        {"Button21", "TButton", "GroupBox6", L"设置管理卡"},
        {"Label42", "TLabel", "GroupBox6", L"   最大255（分钟） "},
        {"Edit54", "TEdit", "GroupBox6", L"0"},
        {"Button22", "TButton", "GroupBox6", L"设置刷卡间隔时间"},

        {"GroupBox9", "TGroupBox", "TabSheet2", L"菜单设置"},
        {"Label27", "TLabel", "GroupBox9", L"输入菜单号："},
        {"Edit34", "TEdit", "GroupBox9", L"1", Y, 2},
        {"Label28", "TLabel", "GroupBox9", L"输入金额数："},
        {"Edit35", "TEdit", "GroupBox9", L"100", Y, 4},
        {"Label29", "TLabel", "GroupBox9", L"输入菜名："},
        {"Edit37", "TEdit", "GroupBox9", L"家常凉菜"},
        {"Button32", "TButton", "GroupBox9", L"设置菜单"},

        {"GroupBox12", "TGroupBox", "TabSheet2", L"设置每次最高消费额"},
        {"Label41", "TLabel", "GroupBox12", L"  金额：  "},
        {"Edit55", "TEdit", "GroupBox12", L"99999"},
        {"Button44", "TButton", "GroupBox12", L"设置"},

        {"Label126", "TLabel", "TabSheet2", L"卡号：", H},
        {"Edit111", "TEdit", "TabSheet2", L"2", H},
        {"Label127", "TLabel", "TabSheet2", L"金额：", H},
        {"Edit112", "TEdit", "TabSheet2", L"100", H},
        {"Label128", "TLabel", "TabSheet2", L"组别：", H},
        {"Edit113", "TEdit", "TabSheet2", L"1", H},
        {"Label129", "TLabel", "TabSheet2", L"编号：", H},
        {"Edit114", "TEdit", "TabSheet2", L"1", H},
        {"Label131", "TLabel", "TabSheet2", L"结束卡号：", H},
        {"Edit115", "TEdit", "TabSheet2", L"21", H},
        {"Button94", "TButton", "TabSheet2", L"下传单个", H},
        {"Button97", "TButton", "TabSheet2", L"批量下传", H},
        {"Button95", "TButton", "TabSheet2", L"清除单张", H},
        {"Button96", "TButton", "TabSheet2", L"清除所有", H},
        {"Label130", "TLabel", "TabSheet2", L"清除所有时间大于是1分半请耐心等待", H},

        // Second terminal page.
        {"TabSheet3", "TTabSheet", "PageControl1", L"IC消费机程序2"},
        {"StatusBar1", "TStatusBar", "TabSheet3"},
        {"GroupBox2", "TGroupBox", "TabSheet3", L"设置波特率"},
        {"Label34", "TLabel", "GroupBox2", L"旧波特率  "},
        {"ComboBox5", "TComboBox", "GroupBox2", L"9600", Y, 0, nullptr, kBauds},
        {"Label35", "TLabel", "GroupBox2", L"新波特率  "},
        {"ComboBox10", "TComboBox", "GroupBox2", L"19200", Y, 0, nullptr, kBauds},
        {"Button5", "TButton", "GroupBox2", L"设置波特率"},

        {"GroupBox17", "TGroupBox", "TabSheet3", L"机号限卡设置"},
        {"Label104", "TLabel", "GroupBox17", L"     "},
        {"Edit101", "TEdit", "GroupBox17", L"000000"},
        {"Button55", "TButton", "GroupBox17", L"禁止卡号"},
        {"Edit102", "TEdit", "GroupBox17", L"000000"},
        {"Button60", "TButton", "GroupBox17", L"允许卡号"},
        {"Button61", "TButton", "GroupBox17", L"清除全部卡号"},

        {"GroupBox13", "TGroupBox", "TabSheet3", L"设置工作模式"},
        {"Label47", "TLabel", "GroupBox13", L"消费模式  "},
        {"ComboBox6", "TComboBox", "GroupBox13", L"固定消费", Y, 0, nullptr,
         Texts{L"固定消费", L"手动消费", L"菜单消费", L"下传消费"}},
        {"Button46", "TButton", "GroupBox13", L"设置"},

        {"GroupBox14", "TGroupBox", "TabSheet3", L"设置卡片类型折扣"},
        {"Label50", "TLabel", "GroupBox14", L"折扣类型  "},
        {"ComboBox7", "TComboBox", "GroupBox14", L"A", Y, 0, nullptr, kTypes},
        {"Label51", "TLabel", "GroupBox14", L"折扣比率  "},
        {"Edit59", "TEdit", "GroupBox14", L"1000"},
        {"Label52", "TLabel", "GroupBox14", L"千分比  "},
        {"Button48", "TButton", "GroupBox14", L"单个设置"},
        {"Button67", "TButton", "GroupBox14", L"设置所有"},

        {"GroupBox16", "TGroupBox", "TabSheet3", L"login名称"},
        {"Label65", "TLabel", "GroupBox16", L"login名称：  "},
        {"Edit70", "TEdit", "GroupBox16", L"    欢迎使用    智能IC卡管理系统"},
        {"Button58", "TButton", "GroupBox16", L"设置打印/开机标题"},
        {"Button91", "TButton", "GroupBox16", L"设置待机标题"},

        {"GroupBox15", "TGroupBox", "TabSheet3", L"设置语言种类"},
        {"Label63", "TLabel", "GroupBox15", L"语言种类   "},
        {"ComboBox9", "TComboBox", "GroupBox15", L"简体中文", Y, 0, nullptr,
         Texts{L"简体中文", L"繁体中文", L"英文"}},
        {"Button57", "TButton", "GroupBox15", L"设置"},

        {"GroupBox22", "TGroupBox", "TabSheet3", L"设置自由扇区"},
        {"ComboBox12", "TComboBox", "GroupBox22", L"00", Y, 0, nullptr, Texts{}},
        {"Button66", "TButton", "GroupBox22", L"设置"},

        {"GroupBox25", "TGroupBox", "TabSheet3", L"密码功能使用"},
        {"ComboBox11", "TComboBox", "GroupBox25", L"使用", Y, 0, nullptr,
         Texts{L"使用", L"不使用"}},
        {"Button64", "TButton", "GroupBox25", L"设置"},

        {"GroupBox24", "TGroupBox", "TabSheet3", L"设置消费机密码"},
        {"Label48", "TLabel", "GroupBox24", L"旧密码："},
        {"Edit57", "TEdit", "GroupBox24", L"", Y, 12, L"*"},
        {"Label49", "TLabel", "GroupBox24", L"新密码："},
        {"Edit58", "TEdit", "GroupBox24", L"", Y, 12, L"*"},
        {"Button68", "TButton", "GroupBox24", L"设置"},

        {"Button98", "TButton", "TabSheet3", L"提交九种卡类金额", H},
    };
    return table;
}

struct ExpectedBinding {
    const char* control;
    const char* event;
    const char* handler;
};

// Bindings whose handler is not simply the control's name plus the event.
const ExpectedBinding kSpecialBindings[] = {
    {"Form1", "OnCreate", "FormCreate"},        {"Form1", "OnShow", "FormShow"},
    {"Timer1", "OnTimer", "Timer1Timer"},       {"Button18", "OnClick", "xxx"},
    {"Edit24", "OnKeyPress", "Edit24KeyPress"}, {"Edit9", "OnKeyPress", "Edit24KeyPress"},
    {"Edit25", "OnKeyPress", "Edit25KeyPress"}, {"Edit10", "OnKeyPress", "Edit25KeyPress"},
    {"Edit26", "OnKeyPress", "Edit26KeyPress"}, {"Edit77", "OnKeyPress", "Edit26KeyPress"},
    {"Edit27", "OnKeyPress", "Edit27KeyPress"}, {"Edit78", "OnKeyPress", "Edit27KeyPress"},
};

enum class HandlerKind { Notify, KeyPress };

struct DeclaredHandler {
    const char* name;
    HandlerKind kind;
};

#define DEVTOOL_NOTIFY(name) {#name, HandlerKind::Notify},
#define DEVTOOL_KEYPRESS(name) {#name, HandlerKind::KeyPress},
const DeclaredHandler kDeclaredHandlers[] = {
#include "app/Form1Handlers.inc"
};
#undef DEVTOOL_NOTIFY
#undef DEVTOOL_KEYPRESS

const FormObject& Object(const std::string& name) {
    const FormEntry* entry = MainFormFile::Get().Lookup(name);
    if (entry == nullptr)
        throw std::runtime_error(name + " is not in the form file");
    return *entry->object;
}

std::string BoundHandler(const std::string& control, const char* event) {
    auto handler = IdentifierProperty(Object(control), event);
    return handler ? Narrow(*handler) : std::string("<none>");
}

// Visible = False on the object or on one of its ancestors.
bool HiddenByAncestor(const std::string& name) {
    const FormEntry* entry = MainFormFile::Get().Lookup(name);
    for (const FormObject* parent = entry->parent; parent != nullptr;) {
        if (!IsVisibleItself(*parent))
            return true;
        parent = MainFormFile::Get().Lookup(parent->name)->parent;
    }
    return false;
}

TEST(MainFormControls, FileReadsAsOneTreeWithUniqueNames) {
    const MainFormFile& file = MainFormFile::Get();
    EXPECT_EQ(file.Root().name, "Form1");
    EXPECT_EQ(file.Root().className, "TForm1");
    EXPECT_TRUE(file.DuplicateNames().empty())
        << "first duplicate: " << file.DuplicateNames().front();
}

TEST(MainFormControls, EveryControlHasItsClassParentTextsAndVisibility) {
    const MainFormFile& file = MainFormFile::Get();
    for (const ExpectedControl& want : Controls()) {
        SCOPED_TRACE(want.name);
        const FormEntry* entry = file.Lookup(want.name);
        ASSERT_NE(entry, nullptr) << "missing from the form file";
        const FormObject& got = *entry->object;
        EXPECT_EQ(got.className, want.className);
        ASSERT_NE(entry->parent, nullptr);
        EXPECT_EQ(entry->parent->name, want.parent);
        if (want.text != nullptr) {
            EXPECT_EQ(Narrow(ShownText(got)), Narrow(want.text));
        }
        EXPECT_EQ(IsVisibleItself(got), want.shown != Shown::Hidden);
        if (want.shown != Shown::Hidden) {
            EXPECT_EQ(HiddenByAncestor(want.name), want.shown == Shown::InHiddenGroup);
        }
        EXPECT_EQ(IntegerProperty(got, "MaxLength").value_or(0), want.maxLength);
        auto password = StringProperty(got, "PasswordChar");
        if (want.passwordChar == nullptr) {
            EXPECT_FALSE(password.has_value());
        } else {
            EXPECT_EQ(password.value_or(L""), want.passwordChar);
        }
        if (want.items) {
            auto items = ListProperty(got, "Items.Strings").value_or(Texts{});
            EXPECT_EQ(items, *want.items);
        }
    }
}

TEST(MainFormControls, HoldsNothingBeyondTheWindowsControls) {
    std::set<std::string> expected = {"Form1"};
    for (const ExpectedControl& want : Controls())
        expected.insert(want.name);
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        EXPECT_TRUE(expected.count(name))
            << name << " (" << entry.object->className << ") is not one of the window's controls";
    }
}

TEST(MainFormControls, WindowPagesStatusBarsTimerAndSkinStoreHaveTheirSettings) {
    const FormObject& form = Object("Form1");
    EXPECT_EQ(IntegerProperty(form, "Left"), 174);
    EXPECT_EQ(IntegerProperty(form, "Top"), 75);
    EXPECT_EQ(IntegerProperty(form, "Width"), 395);
    EXPECT_EQ(IntegerProperty(form, "Height"), 661);
    EXPECT_EQ(Narrow(StringProperty(form, "Caption").value_or(L"")), "设备调试工具 V2.18");
    EXPECT_EQ(StringProperty(form, "Font.Name"), L"MS Sans Serif");
    EXPECT_EQ(IntegerProperty(form, "Font.Height"), -11);
    EXPECT_EQ(IdentifierProperty(form, "Color"), L"clBtnFace");

    const FormObject& pages = Object("PageControl1");
    EXPECT_EQ(IdentifierProperty(pages, "Align"), L"alClient");
    EXPECT_EQ(IdentifierProperty(pages, "ActivePage"), L"TabSheet1");
    ASSERT_EQ(pages.children.size(), 3u);
    EXPECT_EQ(pages.children[0].name, "TabSheet1");
    EXPECT_EQ(pages.children[1].name, "TabSheet2");
    EXPECT_EQ(pages.children[2].name, "TabSheet3");

    for (const char* name : {"sb", "sb1", "StatusBar1"}) {
        SCOPED_TRACE(name);
        const FormObject& bar = Object(name);
        EXPECT_EQ(IdentifierProperty(bar, "Align"), L"alBottom");
        const FormProperty* panels = bar.Find("Panels");
        ASSERT_NE(panels, nullptr);
        ASSERT_EQ(panels->value.kind, FormValue::Kind::Collection);
        const auto& items = panels->value.collection;
        ASSERT_EQ(items.size(), 2u);
        auto property = [](const FormCollectionItem& item,
                           const std::string& key) -> const FormValue* {
            for (const FormProperty& p : item.properties) {
                if (p.name == key)
                    return &p.value;
            }
            return nullptr;
        };
        const FormValue* label = property(items[0], "Text");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(Narrow(label->text), "  状态:");
        for (const FormCollectionItem& item : items) {
            const FormValue* width = property(item, "Width");
            ASSERT_NE(width, nullptr);
            EXPECT_EQ(width->integer, 50);
        }
        const FormValue* result = property(items[1], "Text");
        EXPECT_TRUE(result == nullptr || result->text.empty());
    }

    const FormObject& timer = Object("Timer1");
    EXPECT_EQ(IdentifierProperty(timer, "Enabled"), L"False");
    EXPECT_EQ(IntegerProperty(timer, "Interval"), 200);

    // The store of further skins is there, and empty.
    const FormProperty* stored = Object("SkinStore1").Find("Store");
    ASSERT_NE(stored, nullptr);
    ASSERT_EQ(stored->value.kind, FormValue::Kind::Collection);
    EXPECT_TRUE(stored->value.collection.empty());

    const FormObject& hint = Object("Label130");
    EXPECT_EQ(IdentifierProperty(hint, "Font.Color"), L"clRed");
    EXPECT_EQ(IdentifierProperty(hint, "ParentFont"), L"False");
}

TEST(MainFormControls, EveryComboBoxIsEditable) {
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        if (entry.object->className == "TComboBox") {
            EXPECT_EQ(IdentifierProperty(*entry.object, "Style"), L"csDropDown") << name;
        }
    }
}

TEST(MainFormBindings, EveryButtonRunsItsOwnClickHandler) {
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        if (entry.object->className != "TButton" || name == "Button18")
            continue;
        EXPECT_EQ(BoundHandler(name, "OnClick"), name + "Click");
    }
}

TEST(MainFormBindings, SharedAndSpeciallyNamedHandlersAreBound) {
    for (const ExpectedBinding& want : kSpecialBindings) {
        EXPECT_EQ(BoundHandler(want.control, want.event), want.handler)
            << want.control << "." << want.event;
    }
}

TEST(MainFormBindings, HandlerListMatchesTheBindingsExactly) {
    std::map<std::string, HandlerKind> declared;
    for (const DeclaredHandler& handler : kDeclaredHandlers) {
        EXPECT_TRUE(declared.emplace(handler.name, handler.kind).second)
            << handler.name << " is listed twice";
    }

    std::set<std::string> bound;
    for (const auto& [name, entry] : MainFormFile::Get().Entries()) {
        for (const FormProperty& property : entry.object->properties) {
            if (!IsEventProperty(property.name))
                continue;
            SCOPED_TRACE(name + "." + property.name);
            ASSERT_EQ(property.value.kind, FormValue::Kind::Identifier);
            const std::string handler = Narrow(property.value.text);
            bound.insert(handler);
            auto it = declared.find(handler);
            ASSERT_NE(it, declared.end()) << handler << " is not in the handler list";
            const HandlerKind kind =
                property.name == "OnKeyPress" ? HandlerKind::KeyPress : HandlerKind::Notify;
            EXPECT_EQ(it->second, kind) << handler << " is listed with the wrong signature";
        }
    }
    for (const auto& [handler, kind] : declared) {
        EXPECT_TRUE(bound.count(handler)) << handler << " is listed but bound nowhere";
    }
}

} // namespace
