#include "app/Form1.h"

#include "framework/DateTime.h"

const TClassInfo& TForm1::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TForm1, TForm>("TForm1", nullptr, false);
    return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    BindMethods();
    LoadFromResource(L"FORM1");
}

TForm1::TForm1(TComponent* owner, std::string_view formText) : TForm(owner) {
    BindMethods();
    LoadFromFormText(formText);
}

void TForm1::BindMethods() {
#define DEVTOOL_NOTIFY(name)                                                                       \
    methods_.push_back({#name, EventKind::Notify, [this](TObject* s) { name(s); }, {}});
#define DEVTOOL_KEYPRESS(name)                                                                     \
    methods_.push_back(                                                                            \
        {#name, EventKind::KeyPress, {}, [this](TObject* s, wchar_t& k) { name(s, k); }});
#include "app/Form1Handlers.inc"
#undef DEVTOOL_NOTIFY
#undef DEVTOOL_KEYPRESS
}

const TMethodEntry* TForm1::FindMethod(std::string_view name) const {
    for (const TMethodEntry& m : methods_) {
        if (m.name == name)
            return &m;
    }
    return nullptr;
}

void TForm1::FormCreate(TObject*) {
    readerCode_ = "01";
}

void TForm1::FormShow(TObject*) {
    Control<TDateTimePicker>(L"DateTimePicker2")->SetDateTime(Now() + 1000);
}
