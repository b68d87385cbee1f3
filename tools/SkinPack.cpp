#include "tools/SkinPack.h"

#include "skin/SkinReadHuffman.h"

#include <array>
#include <memory>
#include <stdexcept>

namespace {

using namespace lzhuf;

// Bits most significant first; the last byte is padded with zeros.
class BitOutput {
public:
    explicit BitOutput(std::vector<std::uint8_t>& out) : out_(out) {}

    void Put(int count, std::uint32_t bits) {
        for (int i = count - 1; i >= 0; --i) {
            buffer_ = static_cast<std::uint8_t>(buffer_ << 1 | ((bits >> i) & 1));
            if (++filled_ == 8) {
                out_.push_back(buffer_);
                buffer_ = 0;
                filled_ = 0;
            }
        }
    }

    void Flush() {
        if (filled_ > 0) {
            out_.push_back(static_cast<std::uint8_t>(buffer_ << (8 - filled_)));
            buffer_ = 0;
            filled_ = 0;
        }
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint8_t buffer_ = 0;
    int filled_ = 0;
};

constexpr int kNil = kRingSize; // "no node" in the match trees

// LZSS with binary search trees over the ring, one tree per first byte.
struct Encoder {
    std::array<std::uint8_t, kRingSize + kLookAhead - 1> ring{};
    std::array<int, kRingSize + 1> left{};
    std::array<int, kRingSize + 257> right{};
    std::array<int, kRingSize + 1> dad{};
    int matchPosition = 0;
    int matchLength = 0;
    HuffmanTree tree;

    void InitTrees() {
        for (int i = kRingSize + 1; i <= kRingSize + 256; ++i) {
            right[i] = kNil;
        }
        for (int i = 0; i < kRingSize; ++i) {
            dad[i] = kNil;
        }
    }

    // Inserts the string at r and finds the longest earlier match of it.
    void InsertNode(int r) {
        int cmp = 1;
        const std::uint8_t* key = &ring[r];
        int p = kRingSize + 1 + key[0];
        right[r] = left[r] = kNil;
        matchLength = 0;
        for (;;) {
            if (cmp >= 0) {
                if (right[p] == kNil) {
                    right[p] = r;
                    dad[r] = p;
                    return;
                }
                p = right[p];
            } else {
                if (left[p] == kNil) {
                    left[p] = r;
                    dad[r] = p;
                    return;
                }
                p = left[p];
            }
            int i = 1;
            for (; i < kLookAhead; ++i) {
                cmp = key[i] - ring[p + i];
                if (cmp != 0) {
                    break;
                }
            }
            if (i > kThreshold) {
                const int position = ((r - p) & (kRingSize - 1)) - 1;
                if (i > matchLength) {
                    matchPosition = position;
                    matchLength = i;
                    if (matchLength >= kLookAhead) {
                        break;
                    }
                } else if (i == matchLength && position < matchPosition) {
                    matchPosition = position;
                }
            }
        }
        // A full-length match: r takes p's place in the tree.
        dad[r] = dad[p];
        left[r] = left[p];
        right[r] = right[p];
        dad[left[p]] = r;
        dad[right[p]] = r;
        if (right[dad[p]] == p) {
            right[dad[p]] = r;
        } else {
            left[dad[p]] = r;
        }
        dad[p] = kNil;
    }

    void DeleteNode(int p) {
        if (dad[p] == kNil) {
            return;
        }
        int q;
        if (right[p] == kNil) {
            q = left[p];
        } else if (left[p] == kNil) {
            q = right[p];
        } else {
            q = left[p];
            if (right[q] != kNil) {
                do {
                    q = right[q];
                } while (right[q] != kNil);
                right[dad[q]] = left[q];
                dad[left[q]] = dad[q];
                left[q] = left[p];
                dad[left[p]] = q;
            }
            right[q] = right[p];
            dad[right[p]] = q;
        }
        dad[q] = dad[p];
        if (right[dad[p]] == p) {
            right[dad[p]] = q;
        } else {
            left[dad[p]] = q;
        }
        dad[p] = kNil;
    }

    // The path from the root to the leaf of c, then the tree update.
    void EncodeSymbol(BitOutput& out, int c) {
        std::uint64_t path = 0;
        int depth = 0;
        int k = tree.parent[c + kNodes];
        do {
            // An odd node is the second son: bit 1.
            path |= static_cast<std::uint64_t>(k & 1) << depth;
            ++depth;
            k = tree.parent[k];
        } while (k != kRoot);
        for (int i = depth - 1; i >= 0; --i) {
            out.Put(1, static_cast<std::uint32_t>((path >> i) & 1));
        }
        tree.Update(c);
    }

    static void EncodePosition(BitOutput& out, int position) {
        const int upper = position >> 6;
        out.Put(kPositionLength[upper], kPositionCode[upper] >> (8 - kPositionLength[upper]));
        out.Put(6, static_cast<std::uint32_t>(position & 0x3F));
    }
};

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

} // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> result;
    if (data.empty()) {
        return result;
    }
    auto e = std::make_unique<Encoder>();
    BitOutput out(result);
    e->tree.Start();
    e->InitTrees();

    std::size_t next = 0; // next input byte
    int s = 0;
    int r = kRingStart;
    for (int i = s; i < r; ++i) {
        e->ring[i] = ' ';
    }
    int len = 0;
    for (; len < kLookAhead && next < data.size(); ++len) {
        e->ring[r + len] = data[next++];
    }
    for (int i = 1; i <= kLookAhead; ++i) {
        e->InsertNode(r - i);
    }
    e->InsertNode(r);
    do {
        if (e->matchLength > len) {
            e->matchLength = len;
        }
        if (e->matchLength <= kThreshold) {
            e->matchLength = 1;
            e->EncodeSymbol(out, e->ring[r]);
        } else {
            e->EncodeSymbol(out, 255 - kThreshold + e->matchLength);
            Encoder::EncodePosition(out, e->matchPosition);
        }
        const int lastMatchLength = e->matchLength;
        int i = 0;
        for (; i < lastMatchLength && next < data.size(); ++i) {
            const std::uint8_t c = data[next++];
            e->DeleteNode(s);
            e->ring[s] = c;
            // The first F-1 bytes are mirrored past the ring's end for the comparisons.
            if (s < kLookAhead - 1) {
                e->ring[s + kRingSize] = c;
            }
            s = (s + 1) & (kRingSize - 1);
            r = (r + 1) & (kRingSize - 1);
            e->InsertNode(r);
        }
        while (i++ < lastMatchLength) {
            e->DeleteNode(s);
            s = (s + 1) & (kRingSize - 1);
            r = (r + 1) & (kRingSize - 1);
            if (--len > 0) {
                e->InsertNode(r);
            }
        }
    } while (len > 0);
    out.Flush();
    return result;
}

std::vector<std::uint8_t> BuildSkinPackage(const std::vector<SkinEntry>& entries) {
    std::string names;
    for (const auto& entry : entries) {
        names += entry.name;
        names += "\r\n";
    }
    std::vector<std::uint8_t> out;
    PutU32(out, 20000);
    PutU32(out, static_cast<std::uint32_t>(names.size()));
    PutU32(out, 0);
    PutU32(out, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const auto& entry : entries) {
        if (entry.data.size() > 0x7FFFFFFF) {
            throw std::length_error("entry too large: " + entry.name);
        }
        PutU32(out, static_cast<std::uint32_t>(entry.data.size()));
    }
    for (const auto& entry : entries) {
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    }
    return out;
}

std::vector<std::uint8_t> PackSkin(std::span<const std::uint8_t> package) {
    if (package.size() > 0xFFFFFFFFu) {
        throw std::length_error("package too large");
    }
    std::vector<std::uint8_t> out;
    PutU32(out, static_cast<std::uint32_t>(package.size()));
    const auto stream = LzhEncode(package);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}
