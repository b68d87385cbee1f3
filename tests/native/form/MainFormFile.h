#pragma once
// The main window's form file, read once and indexed by object name, with the few property
// readers the form checks need.

#include "framework/FormText.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

struct FormEntry {
    const FormObject* object = nullptr;
    const FormObject* parent = nullptr; // nullptr for the root
};

struct Rect {
    int64_t left = 0, top = 0, right = 0, bottom = 0;
};

class MainFormFile {
public:
    static const MainFormFile& Get();

    const FormObject& Root() const { return root_; }
    const std::map<std::string, FormEntry>& Entries() const { return entries_; }
    // nullptr when no object of that name exists.
    const FormEntry* Lookup(const std::string& name) const;
    // Names that occur more than once in the file.
    const std::vector<std::string>& DuplicateNames() const { return duplicates_; }

private:
    MainFormFile();
    void Index(const FormObject& object, const FormObject* parent);

    FormObject root_;
    std::map<std::string, FormEntry> entries_;
    std::vector<std::string> duplicates_;
};

// Property readers; nullopt when the property is absent or of another kind.
std::optional<std::wstring> StringProperty(const FormObject& object, const char* name);
std::optional<std::wstring> IdentifierProperty(const FormObject& object, const char* name);
std::optional<int64_t> IntegerProperty(const FormObject& object, const char* name);
std::optional<std::vector<std::wstring>> ListProperty(const FormObject& object, const char* name);

// Visible unless the object says Visible = False.
bool IsVisibleItself(const FormObject& object);
// The text the control shows: Caption for captioned classes, Text for edits and combo boxes.
std::wstring ShownText(const FormObject& object);
// Left, Top, Width, Height; nullopt when one of them is missing.
std::optional<Rect> Bounds(const FormObject& object);
bool HasTabStop(const FormObject& object);
bool IsEventProperty(const std::string& propertyName);

// Width in pixels the text needs in the window font (8 point, a CJK face), trailing blanks
// left out: ideographs and full-width forms 11, blanks 3, everything else at most 6.
int64_t TextWidth(const std::wstring& text);

std::string Narrow(const std::wstring& text);
