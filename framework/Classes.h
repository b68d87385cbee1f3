#pragma once
// The object model under every component: class information with ancestry, published
// properties readable and writable by name, ownership, string lists and collections.
// Free of Win32.

#include "framework/FormText.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TObject;
class TComponent;
struct TClassInfo;

// ComponentName: a reference to another component of the form, written as its bare name.
enum class PropKind {
    Integer,
    Boolean,
    String,
    ComponentName,
    Enum,
    Set,
    Object,
    Binary,
    Collection,
    Event
};

// Names of an enumeration or set's elements, in value order.
struct TEnumInfo {
    std::vector<std::wstring> names;
    int Find(std::wstring_view name) const;
};

enum class EventKind { Notify, KeyPress };

// A method of a form, bound to events by name from the form file.
struct TMethodEntry {
    std::string name;
    EventKind kind;
    std::function<void(TObject*)> notify;
    std::function<void(TObject*, wchar_t&)> keyPress;
};

struct TPropInfo {
    std::string name;
    PropKind kind = PropKind::Integer;
    const TEnumInfo* enumInfo = nullptr;     // Enum and Set
    EventKind eventKind = EventKind::Notify; // Event
    std::function<int64_t(TObject&)> getOrd;
    std::function<void(TObject&, int64_t)> setOrd;
    std::function<std::wstring(TObject&)> getStr;
    std::function<void(TObject&, const std::wstring&)> setStr;
    std::function<TObject*(TObject&)> getObj;
    std::function<void(TObject&, const std::vector<uint8_t>&)> setBinary;
    std::function<std::vector<uint8_t>(TObject&)> getBinary;
    std::function<void(TObject&, const TMethodEntry*)> setEvent;
};

struct TClassInfo {
    std::string name;
    const TClassInfo* parent = nullptr;
    std::vector<TPropInfo> props;
    // Creates an instance for the form reader; null for classes that are not created by name.
    std::function<TComponent*(TComponent* owner)> create;

    bool InheritsFrom(const TClassInfo& ancestor) const;
    bool InheritsFrom(std::string_view ancestorName) const;
    const TPropInfo* FindProp(std::string_view propName) const; // searches ancestors too
};

// Declares the class information of a framework class: its name, parent and properties.
#define DEVTOOL_CLASS(Class)                                                                       \
public:                                                                                            \
    static const TClassInfo& StaticClassInfo();                                                    \
    const TClassInfo& ClassInfo() const override {                                                 \
        return StaticClassInfo();                                                                  \
    }

class TObject {
public:
    virtual ~TObject() = default;
    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
    const std::string& ClassName() const { return ClassInfo().name; }
    bool InheritsFrom(std::string_view className) const {
        return ClassInfo().InheritsFrom(className);
    }
};

template <class T> T* dynamic_as(TObject* obj) {
    return dynamic_cast<T*>(obj);
}

// Classes the form reader may create by name.
void RegisterComponentClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);

// Property access by name. A missing property reads as empty text, -1 or null; a write to it
// does nothing. Dotted names reach nested objects ("Font.Name").
bool HasProperty(TObject* obj, std::string_view name);
const TPropInfo* FindPropInfo(TObject* obj, std::string_view name, TObject** owner);
int64_t GetOrdProp(TObject* obj, std::string_view name);
void SetOrdProp(TObject* obj, std::string_view name, int64_t value);
std::wstring GetStrProp(TObject* obj, std::string_view name);
void SetStrProp(TObject* obj, std::string_view name, const std::wstring& value);
TObject* GetObjectProp(TObject* obj, std::string_view name);
// Any property as text: integers in decimal, booleans "True"/"False", enumerations by element
// name, sets as "[a,b]", strings as they are; empty when missing or not readable as text.
std::wstring GetPropText(TObject* obj, std::string_view name);
// Writes text into an integer, boolean, enumeration or string property. Names compare without
// regard to case. False, and nothing written, when the property is missing or the text fits
// no value of it.
bool SetPropText(TObject* obj, std::string_view name, const std::wstring& text);

// A component: owned components are freed with their owner.
class TComponent : public TObject {
    DEVTOOL_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::wstring& Name() const { return name_; }
    virtual void SetName(const std::wstring& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    TComponent* FindComponent(std::wstring_view name) const;

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Called for every component that the form reader filled in, after the whole form is read.
    virtual void Loaded() {}
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }

    // Tells owned components that another component is going away.
    virtual void Notification(TComponent* component, bool removing);

    // Called by the form reader for an object nested in another; controls take it as parent.
    virtual void SetParentComponent(TComponent*) {}

    // The methods a form offers to event bindings by name.
    virtual const TMethodEntry* FindMethod(std::string_view) const { return nullptr; }

private:
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::wstring name_;
    int tag_ = 0;
    bool loading_ = false;
    bool destroying_ = false;
};

// A published reference to another component of the same form, written by name in form files.
// While the form is read the name waits (the target may come later in the file); Resolve looks
// it up among the holder's own components, then among its owner's.
template <class T> class TComponentLink {
public:
    T* Get() const { return target_; }
    std::wstring Name() const { return target_ ? target_->Name() : pending_; }
    void Set(T* target) {
        target_ = target;
        pending_.clear();
    }
    void SetName(TComponent& holder, const std::wstring& name) {
        target_ = nullptr;
        pending_ = name;
        if (!holder.Loading())
            Resolve(holder);
    }
    void Resolve(TComponent& holder) {
        if (pending_.empty())
            return;
        TComponent* found = holder.FindComponent(pending_);
        if (!found && holder.Owner())
            found = holder.Owner()->FindComponent(pending_);
        if (auto* target = dynamic_cast<T*>(found))
            Set(target);
    }
    // Called from the holder's Notification: a target that goes is forgotten.
    void Forget(TComponent* gone) {
        if (target_ && static_cast<TComponent*>(target_) == gone)
            target_ = nullptr;
    }

private:
    T* target_ = nullptr;
    std::wstring pending_;
};

// A list of texts that tells its holder about changes.
class TStrings : public TObject {
    DEVTOOL_CLASS(TStrings)
public:
    virtual int Count() const = 0;
    virtual std::wstring Get(int index) const = 0;
    virtual int Add(const std::wstring& text) = 0;
    virtual void Insert(int index, const std::wstring& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    std::wstring operator[](int index) const { return Get(index); }
    int IndexOf(std::wstring_view text) const;
    std::vector<std::wstring> ToVector() const;
    void Assign(const std::vector<std::wstring>& lines);
};

// Plain string list kept in memory.
class TStringList : public TStrings {
    DEVTOOL_CLASS(TStringList)
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    std::wstring Get(int index) const override { return items_.at(index); }
    int Add(const std::wstring& text) override;
    void Insert(int index, const std::wstring& text) override;
    void Delete(int index) override;
    void Clear() override;
    std::function<void()> OnChange;

private:
    std::vector<std::wstring> items_;
};

// Collections: items made by the collection, read from '< item ... end >' in form files.
class TCollection;

class TCollectionItem : public TObject {
    DEVTOOL_CLASS(TCollectionItem)
public:
    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
    TCollection* Collection() const { return collection_; }
    int Index() const;
    virtual std::wstring DisplayName() const { return WideFromUtf8(ClassName()); }

protected:
    void Changed();

private:
    TCollection* collection_;
};

class TCollection : public TObject {
    DEVTOOL_CLASS(TCollection)
public:
    using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
    explicit TCollection(ItemFactory factory) : factory_(std::move(factory)) {}
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const { return items_.at(index).get(); }
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();
    int IndexOf(const TCollectionItem* item) const;
    std::function<void()> OnChange;
    virtual void Update(TCollectionItem*) {
        if (OnChange)
            OnChange();
    }

private:
    ItemFactory factory_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
};

// Builds the property table of a class with member accessors.
template <class C> class PropBuilder {
public:
    explicit PropBuilder(TClassInfo& info) : info_(info) {}

    PropBuilder& Int(const char* name, int (C::*get)() const, void (C::*set)(int)) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Integer;
        p.getOrd = [get](TObject& o) { return static_cast<int64_t>((static_cast<C&>(o).*get)()); };
        p.setOrd = [set](TObject& o, int64_t v) { (static_cast<C&>(o).*set)(static_cast<int>(v)); };
        info_.props.push_back(std::move(p));
        return *this;
    }
    PropBuilder& Bool(const char* name, bool (C::*get)() const, void (C::*set)(bool)) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Boolean;
        p.getOrd = [get](TObject& o) { return static_cast<int64_t>((static_cast<C&>(o).*get)()); };
        p.setOrd = [set](TObject& o, int64_t v) { (static_cast<C&>(o).*set)(v != 0); };
        info_.props.push_back(std::move(p));
        return *this;
    }
    template <class Get, class Set> PropBuilder& Str(const char* name, Get get, Set set) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::String;
        p.getStr = [get](TObject& o) { return std::wstring((static_cast<C&>(o).*get)()); };
        p.setStr = [set](TObject& o, const std::wstring& v) { (static_cast<C&>(o).*set)(v); };
        info_.props.push_back(std::move(p));
        return *this;
    }
    template <class Get, class Set> PropBuilder& ComponentRef(const char* name, Get get, Set set) {
        Str(name, get, set);
        info_.props.back().kind = PropKind::ComponentName;
        return *this;
    }
    template <class E>
    PropBuilder& Enum(const char* name, const TEnumInfo& names, E (C::*get)() const,
                      void (C::*set)(E)) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Enum;
        p.enumInfo = &names;
        p.getOrd = [get](TObject& o) { return static_cast<int64_t>((static_cast<C&>(o).*get)()); };
        p.setOrd = [set](TObject& o, int64_t v) { (static_cast<C&>(o).*set)(static_cast<E>(v)); };
        info_.props.push_back(std::move(p));
        return *this;
    }
    PropBuilder& Set(const char* name, const TEnumInfo& names, unsigned (C::*get)() const,
                     void (C::*set)(unsigned)) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Set;
        p.enumInfo = &names;
        p.getOrd = [get](TObject& o) { return static_cast<int64_t>((static_cast<C&>(o).*get)()); };
        p.setOrd = [set](TObject& o, int64_t v) {
            (static_cast<C&>(o).*set)(static_cast<unsigned>(v));
        };
        info_.props.push_back(std::move(p));
        return *this;
    }
    template <class Get> PropBuilder& Object(const char* name, Get get) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Object;
        p.getObj = [get](TObject& o) -> TObject* { return (static_cast<C&>(o).*get)(); };
        info_.props.push_back(std::move(p));
        return *this;
    }
    // A collection property: the form file's '< item ... end >' fills it.
    template <class Get> PropBuilder& Collection(const char* name, Get get) {
        Object(name, get);
        info_.props.back().kind = PropKind::Collection;
        return *this;
    }
    template <class Get, class Set> PropBuilder& Binary(const char* name, Get get, Set set) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Binary;
        p.getBinary = [get](TObject& o) { return (static_cast<C&>(o).*get)(); };
        p.setBinary = [set](TObject& o, const std::vector<uint8_t>& v) {
            (static_cast<C&>(o).*set)(v);
        };
        info_.props.push_back(std::move(p));
        return *this;
    }
    PropBuilder& NotifyEvent(const char* name, std::function<void(TObject*)> C::*field) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Event;
        p.eventKind = EventKind::Notify;
        p.setEvent = [field](TObject& o, const TMethodEntry* m) {
            static_cast<C&>(o).*field = m ? m->notify : nullptr;
        };
        info_.props.push_back(std::move(p));
        return *this;
    }
    PropBuilder& KeyPressEvent(const char* name,
                               std::function<void(TObject*, wchar_t&)> C::*field) {
        TPropInfo p;
        p.name = name;
        p.kind = PropKind::Event;
        p.eventKind = EventKind::KeyPress;
        p.setEvent = [field](TObject& o, const TMethodEntry* m) {
            static_cast<C&>(o).*field = m ? m->keyPress : nullptr;
        };
        info_.props.push_back(std::move(p));
        return *this;
    }

private:
    TClassInfo& info_;
};

// Defines StaticClassInfo() of a class; `build` fills in its properties.
template <class C, class Parent>
TClassInfo MakeClassInfo(const char* name, void (*build)(PropBuilder<C>&), bool creatable) {
    TClassInfo info;
    info.name = name;
    info.parent = &Parent::StaticClassInfo();
    PropBuilder<C> builder(info);
    if (build)
        build(builder);
    if constexpr (std::is_constructible_v<C, TComponent*>) {
        if (creatable)
            info.create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    }
    return info;
}

// Identifiers that stand for integers in form files (colour names such as clBtnFace).
void RegisterIntegerIdent(const std::wstring& name, int64_t value);
bool IntegerFromIdent(std::wstring_view name, int64_t& value);
