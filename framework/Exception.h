#pragma once
// Errors raised by handlers and conversions; the application's default error display shows
// Message(). Free of Win32 so portable code can raise them.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message);
    const std::wstring& Message() const { return message_; }
    // UTF-8 form of the message, for logs and test output.
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::wstring message_;
    std::string utf8_;
};

// The standard conversion error: "'%s' is not a valid integer value" and its kin.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file could not be created or written.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// Conversions between UTF-8 and the wide text the program keeps (UTF-16 on Windows).
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);
