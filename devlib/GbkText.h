#pragma once
// Texts cross the terminal library boundary as GBK (code page 936) both ways, converted
// explicitly so the program behaves the same on every system locale.

#include <optional>
#include <string>
#include <string_view>

std::string GbkFromWide(std::wstring_view text);
std::wstring WideFromGbk(std::string_view text);

// A text returned by the library, copied at once; null gives the empty text (a failure).
std::string CopyReply(const char* reply);

// A text argument: the GBK bytes of a box, or a null pointer where the box is empty.
class TextArg {
public:
    explicit TextArg(std::wstring_view boxText);
    static TextArg Null() { return TextArg(); }
    static TextArg Bytes(std::string gbk);
    const char* get() const { return bytes_ ? bytes_->c_str() : nullptr; }

private:
    TextArg() = default;
    std::optional<std::string> bytes_;
};
