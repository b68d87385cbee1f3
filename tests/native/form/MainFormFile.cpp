#include "tests/native/form/MainFormFile.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const FormValue* Value(const FormObject& object, const char* name, FormValue::Kind kind) {
    const FormProperty* property = object.Find(name);
    if (property == nullptr || property->value.kind != kind)
        return nullptr;
    return &property->value;
}

} // namespace

const MainFormFile& MainFormFile::Get() {
    static const MainFormFile file;
    return file;
}

MainFormFile::MainFormFile() : root_(ParseFormText(ReadFile(DEVTOOL_SOURCE_DIR "/app/Form1.dfm"))) {
    Index(root_, nullptr);
}

void MainFormFile::Index(const FormObject& object, const FormObject* parent) {
    if (!entries_.emplace(object.name, FormEntry{&object, parent}).second)
        duplicates_.push_back(object.name);
    for (const FormObject& child : object.children)
        Index(child, &object);
}

const FormEntry* MainFormFile::Lookup(const std::string& name) const {
    auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

std::optional<std::wstring> StringProperty(const FormObject& object, const char* name) {
    const FormValue* value = Value(object, name, FormValue::Kind::String);
    if (value == nullptr)
        return std::nullopt;
    return value->text;
}

std::optional<std::wstring> IdentifierProperty(const FormObject& object, const char* name) {
    const FormValue* value = Value(object, name, FormValue::Kind::Identifier);
    if (value == nullptr)
        return std::nullopt;
    return value->text;
}

std::optional<int64_t> IntegerProperty(const FormObject& object, const char* name) {
    const FormValue* value = Value(object, name, FormValue::Kind::Integer);
    if (value == nullptr)
        return std::nullopt;
    return value->integer;
}

std::optional<std::vector<std::wstring>> ListProperty(const FormObject& object, const char* name) {
    const FormValue* value = Value(object, name, FormValue::Kind::StringList);
    if (value == nullptr)
        return std::nullopt;
    return value->items;
}

bool IsVisibleItself(const FormObject& object) {
    return IdentifierProperty(object, "Visible").value_or(L"True") != L"False";
}

std::wstring ShownText(const FormObject& object) {
    const bool hasText = object.className == "TEdit" || object.className == "TComboBox";
    return StringProperty(object, hasText ? "Text" : "Caption").value_or(L"");
}

std::optional<Rect> Bounds(const FormObject& object) {
    auto left = IntegerProperty(object, "Left");
    auto top = IntegerProperty(object, "Top");
    auto width = IntegerProperty(object, "Width");
    auto height = IntegerProperty(object, "Height");
    if (!left || !top || !width || !height)
        return std::nullopt;
    return Rect{*left, *top, *left + *width, *top + *height};
}

bool HasTabStop(const FormObject& object) {
    static const char* const kinds[] = {"TEdit",     "TComboBox",       "TButton",      "TListBox",
                                        "TGroupBox", "TDateTimePicker", "TPageControl", "TPanel"};
    for (const char* kind : kinds) {
        if (object.className == kind)
            return true;
    }
    return false;
}

bool IsEventProperty(const std::string& propertyName) {
    return propertyName.size() > 2 && propertyName.compare(0, 2, "On") == 0 &&
           propertyName.find('.') == std::string::npos;
}

int64_t TextWidth(const std::wstring& text) {
    size_t end = text.find_last_not_of(L' ');
    int64_t width = 0;
    for (size_t i = 0; end != std::wstring::npos && i <= end; ++i) {
        const wchar_t c = text[i];
        width += c == L' ' ? 3 : c >= 0x2E80 ? 11 : 6;
    }
    return width;
}

std::string Narrow(const std::wstring& text) {
    return Utf8FromWide(text);
}
