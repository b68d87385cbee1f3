#include "framework/FormReader.h"

#include <cstdint>

namespace {

[[noreturn]] void Fail(const std::wstring& objectName, const std::string& propName, int line,
                       const std::string& what) {
    std::wstring where = objectName;
    if (!propName.empty())
        where += L"." + WideFromUtf8(propName);
    throw EFormError(L"Error reading " + where + L" (form file line " + std::to_wstring(line) +
                     L"): " + WideFromUtf8(what));
}

const char* KindName(FormValue::Kind kind) {
    switch (kind) {
    case FormValue::Kind::String:
        return "a string";
    case FormValue::Kind::Integer:
        return "an integer";
    case FormValue::Kind::Float:
        return "a number";
    case FormValue::Kind::Identifier:
        return "a name";
    case FormValue::Kind::Set:
        return "a set";
    case FormValue::Kind::StringList:
        return "a list of strings";
    case FormValue::Kind::Binary:
        return "binary data";
    case FormValue::Kind::Collection:
        return "a collection";
    }
    return "a value";
}

void ReadObject(TComponent& component, const FormObject& obj, TComponent& root,
                std::vector<TComponent*>& loaded);

} // namespace

void ReadProperty(TObject& target, const std::wstring& objectName, const FormProperty& prop,
                  TComponent& root) {
    const FormValue& v = prop.value;
    auto fail = [&](const std::string& what) { Fail(objectName, prop.name, prop.line, what); };
    auto wrongKind = [&](const char* expected) {
        fail(std::string("property expects ") + expected + ", not " + KindName(v.kind));
    };

    TObject* owner = nullptr;
    const TPropInfo* info = FindPropInfo(&target, prop.name, &owner);

    // "Items.Strings = ( ... )": the lines of a string list property.
    if (!info) {
        std::string_view name = prop.name;
        constexpr std::string_view suffix = ".Strings";
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            auto* list = dynamic_cast<TStrings*>(
                GetObjectProp(&target, name.substr(0, name.size() - suffix.size())));
            if (list) {
                if (v.kind != FormValue::Kind::StringList)
                    wrongKind("a list of strings");
                list->Assign(v.items);
                return;
            }
        }
        fail("property does not exist");
    }

    switch (info->kind) {
    case PropKind::Integer: {
        int64_t value = 0;
        if (v.kind == FormValue::Kind::Integer)
            value = v.integer;
        else if (v.kind != FormValue::Kind::Identifier || !IntegerFromIdent(v.text, value))
            wrongKind("an integer");
        if (value < INT32_MIN || value > UINT32_MAX)
            fail("value is out of range");
        info->setOrd(*owner, static_cast<int32_t>(static_cast<uint32_t>(value)));
        return;
    }
    case PropKind::Boolean:
        if (v.kind != FormValue::Kind::Identifier || (v.text != L"True" && v.text != L"False"))
            wrongKind("True or False");
        info->setOrd(*owner, v.text == L"True");
        return;
    case PropKind::String:
        if (v.kind != FormValue::Kind::String)
            wrongKind("a string");
        info->setStr(*owner, v.text);
        return;
    case PropKind::ComponentName:
        if (v.kind != FormValue::Kind::Identifier)
            wrongKind("a component name");
        info->setStr(*owner, v.text);
        return;
    case PropKind::Enum: {
        if (v.kind != FormValue::Kind::Identifier)
            wrongKind("a name");
        int index = info->enumInfo->Find(v.text);
        if (index < 0)
            fail("'" + Utf8FromWide(v.text) + "' is not a value of this property");
        info->setOrd(*owner, index);
        return;
    }
    case PropKind::Set: {
        if (v.kind != FormValue::Kind::Set)
            wrongKind("a set");
        unsigned bits = 0;
        for (const auto& element : v.items) {
            int index = info->enumInfo->Find(element);
            if (index < 0 || index >= 32)
                fail("'" + Utf8FromWide(element) + "' is not an element of this set");
            bits |= 1u << index;
        }
        info->setOrd(*owner, bits);
        return;
    }
    case PropKind::Binary:
        if (v.kind != FormValue::Kind::Binary)
            wrongKind("binary data");
        info->setBinary(*owner, v.bytes);
        return;
    case PropKind::Collection: {
        if (v.kind != FormValue::Kind::Collection)
            wrongKind("a collection");
        auto* collection = dynamic_cast<TCollection*>(info->getObj(*owner));
        if (!collection)
            fail("property holds no collection");
        collection->Clear();
        for (const FormCollectionItem& item : v.collection) {
            TCollectionItem* added = collection->Add();
            for (const FormProperty& p : item.properties)
                ReadProperty(*added, objectName + L"." + WideFromUtf8(prop.name), p, root);
        }
        return;
    }
    case PropKind::Event: {
        if (v.kind != FormValue::Kind::Identifier)
            wrongKind("a handler name");
        const TMethodEntry* method = root.FindMethod(Utf8FromWide(v.text));
        if (!method)
            fail("handler '" + Utf8FromWide(v.text) + "' does not exist");
        if (method->kind != info->eventKind)
            fail("handler '" + Utf8FromWide(v.text) + "' does not fit this event");
        info->setEvent(*owner, method);
        return;
    }
    case PropKind::Object:
        fail("property cannot be given a value");
    }
}

namespace {

void ReadObject(TComponent& component, const FormObject& obj, TComponent& root,
                std::vector<TComponent*>& loaded) {
    const std::wstring name = WideFromUtf8(obj.name);
    component.SetLoading(true);
    loaded.push_back(&component);
    for (const FormProperty& prop : obj.properties)
        ReadProperty(component, name, prop, root);
    for (const FormObject& childObj : obj.children) {
        const TClassInfo* cls = FindClass(childObj.className);
        if (!cls || !cls->create)
            Fail(WideFromUtf8(childObj.name), "", childObj.line,
                 "class " + childObj.className + " is not known");
        if (root.FindComponent(WideFromUtf8(childObj.name)))
            Fail(WideFromUtf8(childObj.name), "", childObj.line, "the name is used twice");
        TComponent* child = cls->create(&root);
        child->SetName(WideFromUtf8(childObj.name));
        child->SetParentComponent(&component);
        ReadObject(*child, childObj, root, loaded);
    }
}

} // namespace

void ReadForm(TComponent& root, const FormObject& form) {
    if (form.className != root.ClassName())
        Fail(WideFromUtf8(form.name), "", form.line,
             "the form file describes a " + form.className + ", not a " + root.ClassName());
    root.SetName(WideFromUtf8(form.name));
    std::vector<TComponent*> loaded;
    ReadObject(root, form, root, loaded);
    for (TComponent* c : loaded)
        c->SetLoading(false);
    // Root last: it sees its controls complete.
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
        (*it)->Loaded();
}

void ReadFormText(TComponent& root, std::string_view utf8) {
    ReadForm(root, ParseFormText(utf8));
}
