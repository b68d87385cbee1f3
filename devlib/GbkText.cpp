#include "devlib/GbkText.h"

#include <windows.h>

namespace {
constexpr UINT kGbk = 936;
}

std::string GbkFromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                            nullptr, nullptr);
    return out;
}

std::wstring WideFromGbk(std::string_view text) {
    if (text.empty())
        return {};
    int n = MultiByteToWideChar(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(kGbk, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string CopyReply(const char* reply) {
    return reply ? std::string(reply) : std::string();
}

TextArg::TextArg(std::wstring_view boxText) {
    if (!boxText.empty())
        bytes_ = GbkFromWide(boxText);
}

TextArg TextArg::Bytes(std::string gbk) {
    TextArg arg;
    arg.bytes_ = std::move(gbk);
    return arg;
}
