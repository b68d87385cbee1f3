#include "framework/FormReader.h"

#include <gtest/gtest.h>

namespace {

enum class TAlign { alNone, alTop, alClient };
const TEnumInfo AlignNames{{L"alNone", L"alTop", L"alClient"}};
const TEnumInfo StyleNames{{L"fsBold", L"fsItalic", L"fsUnderline"}};

// A small component tree standing in for the real controls.
class TWidget : public TComponent {
    DEVTOOL_CLASS(TWidget)
public:
    explicit TWidget(TComponent* owner) : TComponent(owner) {
        items_.OnChange = [this] { ++itemChanges; };
    }
    int Left() const { return left_; }
    void SetLeft(int v) { left_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& v) { caption_ = v; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v) { align_ = v; }
    unsigned Style() const { return style_; }
    void SetStyle(unsigned v) { style_ = v; }
    TStringList* Items() { return &items_; }
    std::vector<uint8_t> Data() const { return data_; }
    void SetData(const std::vector<uint8_t>& v) { data_ = v; }
    void SetParentComponent(TComponent* parent) override { parentComponent = parent; }
    void Loaded() override { loadedCalls++; }

    std::function<void(TObject*)> OnClick;
    std::function<void(TObject*, wchar_t&)> OnKeyPress;
    TComponent* parentComponent = nullptr;
    int loadedCalls = 0;
    int itemChanges = 0;

private:
    int left_ = 0;
    bool visible_ = true;
    std::wstring caption_;
    TAlign align_ = TAlign::alNone;
    unsigned style_ = 0;
    TStringList items_;
    std::vector<uint8_t> data_;
};

const TClassInfo& TWidget::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TWidget, TComponent>(
        "TWidget",
        [](PropBuilder<TWidget>& b) {
            b.Int("Left", &TWidget::Left, &TWidget::SetLeft)
                .Bool("Visible", &TWidget::Visible, &TWidget::SetVisible)
                .Str("Caption", &TWidget::Caption, &TWidget::SetCaption)
                .Enum("Align", AlignNames, &TWidget::Align, &TWidget::SetAlign)
                .Set("Style", StyleNames, &TWidget::Style, &TWidget::SetStyle)
                .Object("Items", &TWidget::Items)
                .Binary("Data", &TWidget::Data, &TWidget::SetData)
                .NotifyEvent("OnClick", &TWidget::OnClick)
                .KeyPressEvent("OnKeyPress", &TWidget::OnKeyPress);
        },
        true);
    return info;
}

class TPanelItem : public TCollectionItem {
    DEVTOOL_CLASS(TPanelItem)
public:
    using TCollectionItem::TCollectionItem;
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

private:
    int width_ = 0;
};

const TClassInfo& TPanelItem::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPanelItem, TCollectionItem>(
        "TPanelItem",
        [](PropBuilder<TPanelItem>& b) {
            b.Int("Width", &TPanelItem::Width, &TPanelItem::SetWidth);
        },
        false);
    return info;
}

class TTestForm : public TWidget {
    DEVTOOL_CLASS(TTestForm)
public:
    explicit TTestForm(TComponent* owner) : TWidget(owner) {
        methods_.push_back(
            {"Clicked", EventKind::Notify, [this](TObject* s) { clickedBy = s; }, {}});
        methods_.push_back(
            {"Pressed", EventKind::KeyPress, {}, [this](TObject*, wchar_t& k) { lastKey = k; }});
    }
    TCollection* Panels() { return &panels_; }
    const TMethodEntry* FindMethod(std::string_view name) const override {
        for (const auto& m : methods_)
            if (m.name == name)
                return &m;
        return nullptr;
    }
    TObject* clickedBy = nullptr;
    wchar_t lastKey = 0;

private:
    std::vector<TMethodEntry> methods_;
    TCollection panels_{[](TCollection* c) { return std::make_unique<TPanelItem>(c); }};
};

const TClassInfo& TTestForm::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTestForm, TWidget>(
        "TTestForm", [](PropBuilder<TTestForm>& b) { b.Collection("Panels", &TTestForm::Panels); },
        false);
    return info;
}

struct Registered {
    Registered() {
        RegisterComponentClass(TWidget::StaticClassInfo());
        RegisterIntegerIdent(L"clRed", 255);
    }
} registered;

std::string ReadError(const char* text) {
    TTestForm form(nullptr);
    try {
        ReadFormText(form, text);
    } catch (const EFormError& e) {
        return e.what();
    }
    return "no error";
}

TEST(FormReader, CreatesNestedObjectsAndSetsEveryKind) {
    TTestForm form(nullptr);
    ReadFormText(form, R"(object Main: TTestForm
  Caption = '主窗口'
  Panels = <
    item
      Width = 50
    end
    item
      Width = 70
    end>
  object Box: TWidget
    Left = clRed
    Visible = False
    Align = alClient
    Style = [fsBold, fsUnderline]
    Data = {00FF10}
    object Inner: TWidget
      Caption = 'in'
      Items.Strings = (
        'a'
        'b')
      OnClick = Clicked
      OnKeyPress = Pressed
    end
  end
end
)");
    EXPECT_EQ(form.Name(), L"Main");
    EXPECT_EQ(form.Caption(), L"主窗口");
    ASSERT_EQ(form.Panels()->Count(), 2);
    EXPECT_EQ(static_cast<TPanelItem*>(form.Panels()->Items(1))->Width(), 70);

    auto* box = dynamic_cast<TWidget*>(form.FindComponent(L"Box"));
    auto* inner = dynamic_cast<TWidget*>(form.FindComponent(L"inner")); // names ignore case
    ASSERT_TRUE(box && inner);
    EXPECT_EQ(box->Owner(), &form);
    EXPECT_EQ(inner->Owner(), &form);
    EXPECT_EQ(box->parentComponent, &form);
    EXPECT_EQ(inner->parentComponent, box);
    EXPECT_EQ(box->Left(), 255);
    EXPECT_FALSE(box->Visible());
    EXPECT_EQ(box->Align(), TAlign::alClient);
    EXPECT_EQ(box->Style(), 0b101u);
    EXPECT_EQ(box->Data(), (std::vector<uint8_t>{0x00, 0xFF, 0x10}));
    EXPECT_EQ(inner->Items()->ToVector(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(box->loadedCalls, 1);
    EXPECT_EQ(form.loadedCalls, 1);
    EXPECT_FALSE(box->Loading());

    ASSERT_TRUE(inner->OnClick && inner->OnKeyPress);
    inner->OnClick(inner);
    EXPECT_EQ(form.clickedBy, inner);
    wchar_t key = 13;
    inner->OnKeyPress(inner, key);
    EXPECT_EQ(form.lastKey, 13);
}

TEST(FormReader, PropertyAccessByName) {
    TTestForm form(nullptr);
    ReadFormText(form, "object F: TTestForm\n  object W: TWidget\n    Caption = 'x'\n  end\nend");
    TComponent* w = form.FindComponent(L"W");
    EXPECT_TRUE(HasProperty(w, "Caption"));
    EXPECT_EQ(GetStrProp(w, "Caption"), L"x");
    SetStrProp(w, "Caption", L"y");
    EXPECT_EQ(GetStrProp(w, "Caption"), L"y");
    SetOrdProp(w, "Tag", 7);
    EXPECT_EQ(w->Tag(), 7);
    EXPECT_EQ(GetOrdProp(w, "Visible"), 1);
    // Missing properties read as empty or -1, and writing them does nothing.
    EXPECT_FALSE(HasProperty(w, "Glyph"));
    EXPECT_EQ(GetStrProp(w, "Glyph"), L"");
    EXPECT_EQ(GetOrdProp(w, "ParentBackground"), -1);
    EXPECT_EQ(GetObjectProp(w, "Font"), nullptr);
    SetOrdProp(w, "Missing", 3);
    SetStrProp(w, "Missing.Deeper", L"z");
    EXPECT_NE(GetObjectProp(w, "Items"), nullptr);
    EXPECT_TRUE(w->InheritsFrom("TComponent"));
    EXPECT_FALSE(w->InheritsFrom("TTestForm"));
    EXPECT_EQ(w->ClassName(), "TWidget");
}

// What a caller that knows a control only by its class sees: any property as text, names in
// any case, and text written back into integers, booleans, enumerations and strings.
TEST(FormReader, PropertyTextByName) {
    TTestForm form(nullptr);
    ReadFormText(form, "object F: TTestForm\n  object W: TWidget\n    Caption = 'x'\n"
                       "    Align = alTop\n    Style = [fsBold, fsUnderline]\n    Left = -3\n"
                       "  end\nend");
    TComponent* w = form.FindComponent(L"W");
    struct Read {
        const char* name;
        std::wstring text;
    };
    for (const Read& r : {Read{"Caption", L"x"}, Read{"caption", L"x"}, Read{"ALIGN", L"alTop"},
                          Read{"Style", L"[fsBold,fsUnderline]"}, Read{"Left", L"-3"},
                          Read{"Visible", L"True"}, Read{"Items", L""}, Read{"Missing", L""}})
        EXPECT_EQ(GetPropText(w, r.name), r.text) << r.name;
    EXPECT_TRUE(HasProperty(w, "simpletext") == HasProperty(w, "SimpleText"));
    EXPECT_TRUE(w->InheritsFrom("tcomponent"));

    struct Write {
        const char* name;
        std::wstring text;
        bool taken;
        std::wstring after;
    };
    for (const Write& c :
         {Write{"Visible", L"false", true, L"False"}, Write{"Visible", L"maybe", false, L"False"},
          Write{"Align", L"ALCLIENT", true, L"alClient"},
          Write{"Align", L"alRight", false, L"alClient"}, Write{"Left", L"0x10", true, L"16"},
          Write{"Left", L"12px", false, L"16"}, Write{"Left", L"99999999999", false, L"16"},
          Write{"Caption", L"新", true, L"新"},
          Write{"Style", L"[]", false, L"[fsBold,fsUnderline]"},
          Write{"Missing", L"1", false, L""}}) {
        EXPECT_EQ(SetPropText(w, c.name, c.text), c.taken) << c.name << "=" << Utf8FromWide(c.text);
        EXPECT_EQ(GetPropText(w, c.name), c.after) << c.name;
    }
}

TEST(FormReader, FaultsNameObjectPropertyAndLine) {
    EXPECT_EQ(ReadError("object F: TTestForm\n  object W: TNoSuch\n  end\nend"),
              "Error reading W (form file line 2): class TNoSuch is not known");
    EXPECT_EQ(ReadError("object F: TTestForm\n  object W: TWidget\n    Colour = 1\n  end\nend"),
              "Error reading W.Colour (form file line 3): property does not exist");
    EXPECT_EQ(ReadError("object F: TTestForm\n  OnClick = NoHandler\nend"),
              "Error reading F.OnClick (form file line 2): handler 'NoHandler' does not exist");
    EXPECT_EQ(
        ReadError("object F: TTestForm\n  OnClick = Pressed\nend"),
        "Error reading F.OnClick (form file line 2): handler 'Pressed' does not fit this event");
    EXPECT_EQ(ReadError("object F: TTestForm\n  Left = 'x'\nend"),
              "Error reading F.Left (form file line 2): property expects an integer, not a string");
    EXPECT_EQ(ReadError("object F: TTestForm\n  Align = alLeft\nend"),
              "Error reading F.Align (form file line 2): 'alLeft' is not a value of this property");
    EXPECT_EQ(ReadError("object F: TTestForm\n  Style = [fsStrike]\nend"),
              "Error reading F.Style (form file line 2): 'fsStrike' is not an element of this set");
    EXPECT_EQ(ReadError("object F: TTestForm\n  Visible = 1\nend"),
              "Error reading F.Visible (form file line 2): property expects True or False, not an "
              "integer");
    EXPECT_EQ(ReadError("object F: TTestForm\n  Panels = <\n item\n  Height = 3\n end>\nend"),
              "Error reading F.Panels.Height (form file line 4): property does not exist");
    EXPECT_EQ(
        ReadError("object F: TWidget\nend"),
        "Error reading F (form file line 1): the form file describes a TWidget, not a TTestForm");
    EXPECT_EQ(
        ReadError(
            "object F: TTestForm\n  object A: TWidget\n  end\n  object A: TWidget\n  end\nend"),
        "Error reading A (form file line 4): the name is used twice");
    EXPECT_EQ(ReadError("object F: TTestForm\n  Left = 99999999999\nend"),
              "Error reading F.Left (form file line 2): value is out of range");
}

TEST(Components, OwnerFreesOwnedComponents) {
    struct Probe : TComponent {
        Probe(TComponent* owner, int* deaths) : TComponent(owner), deaths_(deaths) {}
        ~Probe() override { ++*deaths_; }
        int* deaths_;
    };
    int deaths = 0;
    {
        TComponent owner(nullptr);
        auto* a = new Probe(&owner, &deaths);
        new Probe(a, &deaths);
        auto* c = new Probe(&owner, &deaths);
        EXPECT_EQ(owner.ComponentCount(), 2);
        delete c; // freeing an owned component takes it off its owner's list
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(owner.ComponentCount(), 1);
    }
    EXPECT_EQ(deaths, 3);
}

} // namespace
