#pragma once
// The adaptive Huffman tree and position tables of the LZHUF scheme (LZSS with adaptive Huffman
// coding). The decoder of packed skins and the packer's encoder share them, so both sides keep
// the tree in the same order and a packed skin decodes to what was packed.

#include <array>
#include <cstdint>

namespace lzhuf {

inline constexpr int kRingSize = 4096;                         // N
inline constexpr int kLookAhead = 60;                          // F
inline constexpr int kThreshold = 2;                           // shortest copy is kThreshold + 1
inline constexpr int kSymbols = 256 - kThreshold + kLookAhead; // 314 literals and lengths
inline constexpr int kNodes = kSymbols * 2 - 1;                // T = 627
inline constexpr int kRoot = kNodes - 1;                       // R = 626
inline constexpr unsigned kMaxFreq = 0x8000;                   // rebuild when the root gets here
inline constexpr int kRingStart = kRingSize - kLookAhead;      // r starts at 4036

// Upper six bits of a copy position: code bits and their number (encoder side).
inline constexpr std::array<std::uint8_t, 64> kPositionLength = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
inline constexpr std::array<std::uint8_t, 64> kPositionCode = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
    0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
    0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};

// Decoder side: for the next eight bits of the stream, the upper six bits of the position
// (d_code) and the total number of code bits (d_len). Every byte that starts with a code's
// bits maps to that code, which is exactly the inverse of the two tables above.
struct PositionDecodeTables {
    std::array<std::uint8_t, 256> code{};
    std::array<std::uint8_t, 256> length{};
};

constexpr PositionDecodeTables MakePositionDecodeTables() {
    PositionDecodeTables t;
    for (int upper = 0; upper < 64; ++upper) {
        const int bits = kPositionLength[upper];
        const int span = 1 << (8 - bits);
        for (int k = 0; k < span; ++k) {
            t.code[kPositionCode[upper] + k] = static_cast<std::uint8_t>(upper);
            t.length[kPositionCode[upper] + k] = static_cast<std::uint8_t>(bits);
        }
    }
    return t;
}

inline constexpr PositionDecodeTables kPositionDecode = MakePositionDecodeTables();
static_assert(kPositionDecode.code[0x1F] == 0 && kPositionDecode.code[0x20] == 1);
static_assert(kPositionDecode.code[0xEF] == 47 && kPositionDecode.code[0xF0] == 48);
static_assert(kPositionDecode.length[0x4F] == 4 && kPositionDecode.length[0x50] == 5);
static_assert(kPositionDecode.length[0xFF] == 8);

// The frequency-ordered tree: nodes 0..T-1, leaves point at T + symbol, node T is a sentinel.
class HuffmanTree {
public:
    // Every leaf gets frequency 1 and the inner nodes pair consecutive nodes.
    void Start();
    // Counts symbol c once more and restores the sibling order; rebuilds at kMaxFreq.
    void Update(int c);

    std::array<std::uint16_t, kNodes + 1> freq{};
    std::array<std::int16_t, kNodes + kSymbols> parent{}; // prnt: 941 entries
    std::array<std::int16_t, kNodes> son{};

private:
    void Rebuild();
};

} // namespace lzhuf
