#pragma once
// The skin description: an ini-style text entry of the skin package, parsed by TQuickIni, and
// the value forms the element readers take from it (integers, colours, images, text).
// Portable; the description comes from an untrusted package.

#include "skin/BmpImage.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TSkinReader;

class TQuickIni {
public:
    // Parses the bytes as the whole description (a NUL ends it).
    void LoadFromStream(std::span<const std::uint8_t> bytes);

    // Position of the header "[" + section + "]" in Lines() (any case, first wins), or -1.
    int SectionLine(std::string_view section) const;
    // Section names without brackets, trimmed, in file order.
    void ReadSectionNames(std::vector<std::string>& list) const;
    // The first value of key in the section, trimmed; def when absent or empty.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal, or hexadecimal after "$" or a leading "0x"; def when it does not convert.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    std::vector<std::pair<std::string, int>> sections_; // header text with brackets, position
};

// A colour value 0x00BBGGRR; a negative value names a system colour.
using TColour = std::int32_t;

// The integer text conversion of ReadInteger, on its own.
std::optional<std::int32_t> ParseSkinInteger(std::string_view text);
// "r, g, b": runs of digits are the components, each modulo 256. A run counts when a non-digit
// follows it, the third also when it ends the text; missing components are 0 (so a lone
// number gives black). nullopt for an empty text.
std::optional<TColour> ParseColourTriple(std::string_view text);

// Colour integer (-1 when not set is the usual default).
TColour ReadColourInteger(const TQuickIni& ini, std::string_view section, std::string_view key,
                          TColour def);
// Colour triple; def when the value is missing or empty.
TColour ReadColourTriple(const TQuickIni& ini, std::string_view section, std::string_view key,
                         TColour def);
// Colour from the keys name+"R", name+"G", name+"B"; def unless all three are 0 or more.
TColour ReadColourKeys(const TQuickIni& ini, std::string_view section, std::string_view name,
                       TColour def);

// The entry an image value names: the part after the last "\" or ":", when it ends exactly
// in ".bmp"; empty when the image is to be emptied.
std::string ImageEntryName(std::string_view value);
// The image a key names, read from the package and decoded; empty when the value, the entry
// or the file is unusable.
TBmpImage ReadImage(const TQuickIni& ini, const TSkinReader& reader, std::string_view section,
                    std::string_view key);
