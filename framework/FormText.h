#pragma once
// The text form file: nested objects with their class, name, published properties and event
// bindings. This reader only builds the tree; binding it to live components is FormReader's job.

#include "framework/Exception.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct FormProperty;
struct FormCollectionItem;

struct FormValue {
    enum class Kind { String, Integer, Float, Identifier, Set, StringList, Binary, Collection };
    Kind kind = Kind::Integer;
    std::wstring text;               // String; Identifier (True, alClient, Button8Click)
    int64_t integer = 0;             // Integer
    double number = 0;               // Float
    std::vector<std::wstring> items; // Set elements, StringList lines
    std::vector<uint8_t> bytes;      // Binary
    std::vector<FormCollectionItem> collection;
    int line = 0;
};

struct FormProperty {
    std::string name; // dotted for nested properties: "Font.Name", "Items.Strings"
    FormValue value;
    int line = 0;
};

struct FormCollectionItem {
    std::vector<FormProperty> properties;
    int line = 0;
};

struct FormObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;

    const FormProperty* Find(std::string_view propertyName) const;
};

// A form file that cannot be read or bound; the message names the object, property and line.
class EFormError : public Exception {
public:
    using Exception::Exception;
};

// Reads a whole form file (UTF-8). Throws EFormError with the line of the fault.
FormObject ParseFormText(std::string_view utf8);
