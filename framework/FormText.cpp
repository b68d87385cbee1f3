#include "framework/FormText.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

const FormProperty* FormObject::Find(std::string_view propertyName) const {
    for (const FormProperty& p : properties) {
        if (p.name == propertyName)
            return &p;
    }
    return nullptr;
}

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    FormObject ParseRoot() {
        SkipBlanks();
        FormObject root = ParseObject();
        SkipBlanks();
        if (pos_ < text_.size())
            Fail("text after the last 'end'");
        return root;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;

    [[noreturn]] void Fail(const std::string& what) const {
        throw EFormError(WideFromUtf8("Form file line " + std::to_string(line_) + ": " + what));
    }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool AtEnd() const { return pos_ >= text_.size(); }

    void SkipBlanks() {
        while (!AtEnd()) {
            char c = text_[pos_];
            if (c == '\n')
                ++line_;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++pos_;
                continue;
            }
            if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (!AtEnd() && text_[pos_] != '\n')
                    ++pos_;
                continue;
            }
            break;
        }
    }

    static bool IsIdentStart(char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    }
    static bool IsIdentChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    }

    std::string ReadIdentifier(bool dotted) {
        SkipBlanks();
        if (!IsIdentStart(Peek()))
            Fail("a name was expected");
        size_t start = pos_;
        while (!AtEnd() && (IsIdentChar(text_[pos_]) || (dotted && text_[pos_] == '.')))
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    void Expect(char c) {
        SkipBlanks();
        if (Peek() != c)
            Fail(std::string("'") + c + "' was expected");
        ++pos_;
    }

    bool PeekWord(std::string_view word) {
        SkipBlanks();
        if (text_.substr(pos_, word.size()) != word)
            return false;
        size_t after = pos_ + word.size();
        return after >= text_.size() || !IsIdentChar(text_[after]);
    }

    FormObject ParseObject() {
        SkipBlanks();
        FormObject obj;
        obj.line = line_;
        std::string keyword = ReadIdentifier(false);
        if (keyword != "object" && keyword != "inherited" && keyword != "inline")
            Fail("'object' was expected");
        obj.name = ReadIdentifier(false);
        Expect(':');
        obj.className = ReadIdentifier(false);
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("'end' of object " + obj.name + " is missing");
            if (PeekWord("end")) {
                pos_ += 3;
                return obj;
            }
            if (PeekWord("object") || PeekWord("inherited") || PeekWord("inline")) {
                obj.children.push_back(ParseObject());
                continue;
            }
            obj.properties.push_back(ParseProperty());
        }
    }

    FormProperty ParseProperty() {
        FormProperty prop;
        SkipBlanks();
        prop.line = line_;
        prop.name = ReadIdentifier(true);
        Expect('=');
        prop.value = ParseValue();
        return prop;
    }

    FormValue ParseValue() {
        SkipBlanks();
        FormValue v;
        v.line = line_;
        char c = Peek();
        if (c == '\'' || c == '#') {
            v.kind = FormValue::Kind::String;
            v.text = ReadString();
        } else if (c == '-' || c == '+' || c == '$' ||
                   std::isdigit(static_cast<unsigned char>(c))) {
            ReadNumber(v);
        } else if (c == '[') {
            v.kind = FormValue::Kind::Set;
            ++pos_;
            for (;;) {
                SkipBlanks();
                if (Peek() == ']') {
                    ++pos_;
                    break;
                }
                v.items.push_back(WideFromUtf8(ReadIdentifier(false)));
                SkipBlanks();
                if (Peek() == ',')
                    ++pos_;
                else if (Peek() != ']')
                    Fail("',' or ']' was expected in a set");
            }
        } else if (c == '(') {
            v.kind = FormValue::Kind::StringList;
            ++pos_;
            for (;;) {
                SkipBlanks();
                if (Peek() == ')') {
                    ++pos_;
                    break;
                }
                if (Peek() != '\'' && Peek() != '#')
                    Fail("a string was expected in a list");
                v.items.push_back(ReadString());
            }
        } else if (c == '{') {
            v.kind = FormValue::Kind::Binary;
            ++pos_;
            ReadBinary(v.bytes);
        } else if (c == '<') {
            v.kind = FormValue::Kind::Collection;
            ++pos_;
            ReadCollection(v.collection);
        } else if (IsIdentStart(c)) {
            v.kind = FormValue::Kind::Identifier;
            v.text = WideFromUtf8(ReadIdentifier(true));
        } else {
            Fail("a value was expected");
        }
        return v;
    }

    // 'text', #code and + continuations joined into one string.
    std::wstring ReadString() {
        std::string utf8;
        for (;;) {
            SkipBlanks();
            char c = Peek();
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (AtEnd() || text_[pos_] == '\n')
                        Fail("a string is not closed");
                    char d = text_[pos_++];
                    if (d == '\'') {
                        if (Peek() == '\'') {
                            utf8 += '\'';
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    utf8 += d;
                }
            } else if (c == '#') {
                ++pos_;
                size_t start = pos_;
                while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                    ++pos_;
                if (start == pos_ || pos_ - start > 7)
                    Fail("a character code was expected after '#'");
                long code = std::strtol(std::string(text_.substr(start, pos_ - start)).c_str(),
                                        nullptr, 10);
                if (code > 0x10FFFF)
                    Fail("a character code is out of range");
                utf8 += Utf8FromWide(std::wstring(1, static_cast<wchar_t>(code)));
            } else {
                break;
            }
            // A '+' joins the next piece, possibly on the next line.
            size_t save = pos_;
            int saveLine = line_;
            SkipBlanks();
            if (Peek() == '+') {
                ++pos_;
                continue;
            }
            pos_ = save;
            line_ = saveLine;
            if (Peek() != '\'' && Peek() != '#')
                break;
        }
        return WideFromUtf8(utf8);
    }

    void ReadNumber(FormValue& v) {
        size_t start = pos_;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') {
            negative = Peek() == '-';
            ++pos_;
        }
        if (Peek() == '$') {
            ++pos_;
            size_t digits = pos_;
            while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(text_[pos_])))
                ++pos_;
            if (digits == pos_ || pos_ - digits > 16)
                Fail("a hexadecimal number was expected");
            uint64_t value = std::strtoull(std::string(text_.substr(digits, pos_ - digits)).c_str(),
                                           nullptr, 16);
            v.kind = FormValue::Kind::Integer;
            v.integer = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
            return;
        }
        bool isFloat = false;
        while (!AtEnd()) {
            char c = text_[pos_];
            if (std::isdigit(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '.' || c == 'e' || c == 'E') {
                isFloat = true;
                ++pos_;
                if ((c == 'e' || c == 'E') && (Peek() == '-' || Peek() == '+'))
                    ++pos_;
            } else {
                break;
            }
        }
        std::string number(text_.substr(start, pos_ - start));
        char* end = nullptr;
        if (isFloat) {
            v.kind = FormValue::Kind::Float;
            v.number = std::strtod(number.c_str(), &end);
        } else {
            v.kind = FormValue::Kind::Integer;
            errno = 0;
            v.integer = std::strtoll(number.c_str(), &end, 10);
            if (errno == ERANGE)
                Fail("a number is out of range");
        }
        if (end == nullptr || *end != '\0' || number == "-" || number == "+")
            Fail("'" + number + "' is not a number");
    }

    void ReadBinary(std::vector<uint8_t>& bytes) {
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("binary data is not closed with '}'");
            char c = text_[pos_++];
            if (c == '}')
                break;
            int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                        : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                        : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                                                                    : -1;
            if (digit < 0)
                Fail("binary data holds a character that is not a hexadecimal digit");
            if (high < 0) {
                high = digit;
            } else {
                bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0)
            Fail("binary data has an odd number of digits");
    }

    void ReadCollection(std::vector<FormCollectionItem>& items) {
        for (;;) {
            SkipBlanks();
            if (Peek() == '>') {
                ++pos_;
                return;
            }
            FormCollectionItem item;
            item.line = line_;
            if (!PeekWord("item"))
                Fail("'item' or '>' was expected in a collection");
            pos_ += 4;
            for (;;) {
                SkipBlanks();
                if (AtEnd())
                    Fail("'end' of a collection item is missing");
                if (PeekWord("end")) {
                    pos_ += 3;
                    break;
                }
                item.properties.push_back(ParseProperty());
            }
            items.push_back(std::move(item));
        }
    }
};

} // namespace

FormObject ParseFormText(std::string_view utf8) {
    if (utf8.size() >= 3 && utf8.substr(0, 3) == "\xEF\xBB\xBF")
        utf8.remove_prefix(3);
    return Parser(utf8).ParseRoot();
}
