#include "emulator/GbkToUtf8.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <memory>
#include <vector>

namespace emulator {

#ifdef _WIN32

std::optional<std::string> Utf8FromGbk(std::string_view gbk) {
    if (gbk.empty())
        return std::string();
    const int size = static_cast<int>(gbk.size());
    // MultiByteToWideChar: code page 936 (GBK), failing on bytes that are no GBK character.
    const int wideLength =
        MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), size, nullptr, 0);
    if (wideLength <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk.data(), size, wide.data(), wideLength);
    // WideCharToMultiByte: UTF-8.
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

#else

std::optional<std::string> Utf8FromGbk(std::string_view gbk) {
    const iconv_t handle = iconv_open("UTF-8", "GBK");
    if (handle == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    const std::unique_ptr<void, int (*)(iconv_t)> owner(handle, iconv_close);
    std::vector<char> input(gbk.begin(), gbk.end());
    std::string utf8(gbk.size() * 3 + 4, '\0'); // no character grows to more than 3 bytes
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    if (iconv(handle, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

#endif

} // namespace emulator
