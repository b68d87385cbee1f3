#pragma once
// Writing skins: the LZHUF encoder of the scheme the engine decodes, and the skin package
// (format 20000) built from named entries. Used by the skinpack tool, the default skin build
// and the tests.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct SkinEntry {
    std::string name;
    std::vector<std::uint8_t> data;
};

// The LZHUF stream of data (no length in front).
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data);

// A skin package: header (20000, name-text length, two zero words), the names each ended by
// CR LF, the 32-bit sizes, then the data back to back.
std::vector<std::uint8_t> BuildSkinPackage(const std::vector<SkinEntry>& entries);

// A packed skin: the 32-bit unpacked length, then the LZHUF stream of the package.
std::vector<std::uint8_t> PackSkin(std::span<const std::uint8_t> package);
