#include "framework/Classes.h"

#include <algorithm>
#include <cctype>
#include <cwctype>
#include <map>

int TEnumInfo::Find(std::wstring_view name) const {
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {
// Class and property names compare without regard to case, as callers write them either way
// ("SimpleText", "simpletext").
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
    for (const TClassInfo* c = this; c; c = c->parent) {
        if (c == &ancestor)
            return true;
    }
    return false;
}

bool TClassInfo::InheritsFrom(std::string_view ancestorName) const {
    for (const TClassInfo* c = this; c; c = c->parent) {
        if (SameName(c->name, ancestorName))
            return true;
    }
    return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view propName) const {
    for (const TClassInfo* c = this; c; c = c->parent) {
        for (const TPropInfo& p : c->props) {
            if (SameName(p.name, propName))
                return &p;
        }
    }
    return nullptr;
}

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.name = "TObject";
        return i;
    }();
    return info;
}

namespace {
std::map<std::string, const TClassInfo*, std::less<>>& ClassRegistry() {
    static std::map<std::string, const TClassInfo*, std::less<>> registry;
    return registry;
}
} // namespace

void RegisterComponentClass(const TClassInfo& info) {
    ClassRegistry()[info.name] = &info;
}

const TClassInfo* FindClass(std::string_view name) {
    auto& registry = ClassRegistry();
    auto it = registry.find(name);
    return it == registry.end() ? nullptr : it->second;
}

const TPropInfo* FindPropInfo(TObject* obj, std::string_view name, TObject** owner) {
    while (obj) {
        size_t dot = name.find('.');
        if (dot == std::string_view::npos) {
            const TPropInfo* p = obj->ClassInfo().FindProp(name);
            if (p && owner)
                *owner = obj;
            return p;
        }
        const TPropInfo* head = obj->ClassInfo().FindProp(name.substr(0, dot));
        if (!head || !head->getObj)
            return nullptr;
        obj = head->getObj(*obj);
        name = name.substr(dot + 1);
    }
    return nullptr;
}

bool HasProperty(TObject* obj, std::string_view name) {
    return FindPropInfo(obj, name, nullptr) != nullptr;
}

int64_t GetOrdProp(TObject* obj, std::string_view name) {
    TObject* owner = nullptr;
    const TPropInfo* p = FindPropInfo(obj, name, &owner);
    return p && p->getOrd ? p->getOrd(*owner) : -1;
}

void SetOrdProp(TObject* obj, std::string_view name, int64_t value) {
    TObject* owner = nullptr;
    const TPropInfo* p = FindPropInfo(obj, name, &owner);
    if (p && p->setOrd)
        p->setOrd(*owner, value);
}

std::wstring GetStrProp(TObject* obj, std::string_view name) {
    TObject* owner = nullptr;
    const TPropInfo* p = FindPropInfo(obj, name, &owner);
    return p && p->getStr ? p->getStr(*owner) : std::wstring();
}

void SetStrProp(TObject* obj, std::string_view name, const std::wstring& value) {
    TObject* owner = nullptr;
    const TPropInfo* p = FindPropInfo(obj, name, &owner);
    if (p && p->setStr)
        p->setStr(*owner, value);
}

TObject* GetObjectProp(TObject* obj, std::string_view name) {
    TObject* owner = nullptr;
    const TPropInfo* p = FindPropInfo(obj, name, &owner);
    return p && p->getObj ? p->getObj(*owner) : nullptr;
}

namespace {

bool SameText(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

int FindNameNoCase(const TEnumInfo& names, std::wstring_view name) {
    for (size_t i = 0; i < names.names.size(); ++i) {
        if (SameText(names.names[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

// Decimal or 0x-prefixed hexadecimal integer text, with an optional sign; nothing else.
bool ParseInteger(std::wstring_view text, int64_t& value) {
    bool negative = !text.empty() && text.front() == L'-';
    if (negative || (!text.empty() && text.front() == L'+'))
        text.remove_prefix(1);
    int base = 10;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 15)
        return false;
    int64_t v = 0;
    for (wchar_t c : text) {
        int digit = -1;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (base == 16 && c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (base == 16 && c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        if (digit < 0 || digit >= base)
            return false;
        v = v * base + digit;
    }
    value = negative ? -v : v;
    return true;
}

} // namespace

std::wstring GetPropText(TObject* obj, std::string_view name) {
    TObject* owner = nullptr;
    const TPropInfo* p = FindPropInfo(obj, name, &owner);
    if (!p)
        return {};
    switch (p->kind) {
    case PropKind::Integer:
        return std::to_wstring(p->getOrd(*owner));
    case PropKind::Boolean:
        return p->getOrd(*owner) ? L"True" : L"False";
    case PropKind::Enum: {
        int64_t v = p->getOrd(*owner);
        if (v < 0 || v >= static_cast<int64_t>(p->enumInfo->names.size()))
            return std::to_wstring(v);
        return p->enumInfo->names[static_cast<size_t>(v)];
    }
    case PropKind::Set: {
        auto bits = static_cast<uint64_t>(p->getOrd(*owner));
        std::wstring text = L"[";
        for (size_t i = 0; i < p->enumInfo->names.size() && i < 32; ++i) {
            if (!(bits & (uint64_t{1} << i)))
                continue;
            if (text.size() > 1)
                text += L",";
            text += p->enumInfo->names[i];
        }
        return text + L"]";
    }
    case PropKind::String:
    case PropKind::ComponentName:
        return p->getStr(*owner);
    case PropKind::Object:
    case PropKind::Binary:
    case PropKind::Collection:
    case PropKind::Event:
        return {};
    }
    return {};
}

bool SetPropText(TObject* obj, std::string_view name, const std::wstring& text) {
    TObject* owner = nullptr;
    const TPropInfo* p = FindPropInfo(obj, name, &owner);
    if (!p)
        return false;
    switch (p->kind) {
    case PropKind::Integer: {
        int64_t v = 0;
        if (!ParseInteger(text, v) && !IntegerFromIdent(text, v))
            return false;
        if (v < INT32_MIN || v > UINT32_MAX)
            return false;
        p->setOrd(*owner, static_cast<int32_t>(static_cast<uint32_t>(v)));
        return true;
    }
    case PropKind::Boolean:
        if (SameText(text, L"True"))
            p->setOrd(*owner, 1);
        else if (SameText(text, L"False"))
            p->setOrd(*owner, 0);
        else
            return false;
        return true;
    case PropKind::Enum: {
        int index = FindNameNoCase(*p->enumInfo, text);
        if (index < 0)
            return false;
        p->setOrd(*owner, index);
        return true;
    }
    case PropKind::String:
    case PropKind::ComponentName:
        p->setStr(*owner, text);
        return true;
    case PropKind::Set:
    case PropKind::Object:
    case PropKind::Binary:
    case PropKind::Collection:
    case PropKind::Event:
        return false;
    }
    return false;
}

// TComponent

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TComponent, TObject>(
        "TComponent",
        [](PropBuilder<TComponent>& b) {
            b.Str("Name", &TComponent::Name, &TComponent::SetName)
                .Int("Tag", &TComponent::Tag, &TComponent::SetTag);
        },
        false);
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    // Owned components go first, last created first, so later ones may refer to earlier ones.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::wstring& name) {
    name_ = name;
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
    for (TComponent* c : components_) {
        if (!c->name_.empty() && c->name_.size() == name.size() &&
            std::equal(name.begin(), name.end(), c->name_.begin(),
                       [](wchar_t a, wchar_t b) { return towlower(a) == towlower(b); }))
            return c;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end())
        components_.erase(it);
    component->owner_ = nullptr;
    if (!destroying_) {
        for (TComponent* c : components_)
            c->Notification(component, true);
    }
}

void TComponent::Notification(TComponent* component, bool removing) {
    for (TComponent* c : components_)
        c->Notification(component, removing);
}

// TStrings

const TClassInfo& TStrings::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.name = "TStrings";
        i.parent = &TObject::StaticClassInfo();
        TPropInfo p;
        p.name = "Text";
        p.kind = PropKind::String;
        p.getStr = [](TObject& o) {
            std::wstring all;
            auto& s = static_cast<TStrings&>(o);
            for (int k = 0; k < s.Count(); ++k)
                all += s.Get(k) + L"\r\n";
            return all;
        };
        i.props.push_back(std::move(p));
        return i;
    }();
    return info;
}

int TStrings::IndexOf(std::wstring_view text) const {
    for (int i = 0; i < Count(); ++i) {
        if (Get(i) == text)
            return i;
    }
    return -1;
}

std::vector<std::wstring> TStrings::ToVector() const {
    std::vector<std::wstring> v;
    for (int i = 0; i < Count(); ++i)
        v.push_back(Get(i));
    return v;
}

void TStrings::Assign(const std::vector<std::wstring>& lines) {
    Clear();
    for (const auto& l : lines)
        Add(l);
}

const TClassInfo& TStringList::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TStringList, TStrings>("TStringList", nullptr, false);
    return info;
}

int TStringList::Add(const std::wstring& text) {
    items_.push_back(text);
    if (OnChange)
        OnChange();
    return Count() - 1;
}

void TStringList::Insert(int index, const std::wstring& text) {
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, text);
    if (OnChange)
        OnChange();
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    items_.erase(items_.begin() + index);
    if (OnChange)
        OnChange();
}

void TStringList::Clear() {
    items_.clear();
    if (OnChange)
        OnChange();
}

// Collections

const TClassInfo& TCollectionItem::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TCollectionItem, TObject>("TCollectionItem", nullptr, false);
    return info;
}

int TCollectionItem::Index() const {
    return collection_ ? collection_->IndexOf(this) : -1;
}

void TCollectionItem::Changed() {
    if (collection_)
        collection_->Update(this);
}

const TClassInfo& TCollection::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TCollection, TObject>("TCollection", nullptr, false);
    return info;
}

TCollectionItem* TCollection::Add() {
    items_.push_back(factory_(this));
    Update(nullptr);
    return items_.back().get();
}

void TCollection::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    items_.erase(items_.begin() + index);
    Update(nullptr);
}

void TCollection::Clear() {
    items_.clear();
    Update(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == item)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {
std::map<std::wstring, int64_t, std::less<>>& IdentRegistry() {
    static std::map<std::wstring, int64_t, std::less<>> idents;
    return idents;
}
} // namespace

void RegisterIntegerIdent(const std::wstring& name, int64_t value) {
    IdentRegistry()[name] = value;
}

bool IntegerFromIdent(std::wstring_view name, int64_t& value) {
    auto& idents = IdentRegistry();
    auto it = idents.find(name);
    if (it == idents.end())
        return false;
    value = it->second;
    return true;
}
