#pragma once
// The devices keep names and titles as GBK bytes; the state tool shows them to a person as
// UTF-8 text (on Windows the tool's console output turns that into wide characters).

#include <optional>
#include <string>
#include <string_view>

namespace emulator {

// Nothing when the bytes are not valid GBK.
std::optional<std::string> Utf8FromGbk(std::string_view gbk);

} // namespace emulator
