#include "skin/SkinRead.h"

#include "skin/SkinReadHuffman.h"

#include <algorithm>
#include <memory>
#include <new>

namespace {

// Bits most significant first from a 16-bit buffer refilled a byte at a time; past the end of
// the input every byte reads as 0.
class BitInput {
public:
    explicit BitInput(std::span<const std::uint8_t> input) : input_(input) {}

    int Bit() {
        Fill();
        const int bit = (buffer_ >> 15) & 1;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
        --count_;
        return bit;
    }

    int Byte() {
        Fill();
        const int byte = buffer_ >> 8;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
        count_ -= 8;
        return byte;
    }

    // Bytes the bits taken so far came from, the zeros past the end included.
    std::size_t BytesUsed() const {
        const std::size_t bits = 8 * (pos_ + padding_) - static_cast<std::size_t>(count_);
        return (bits + 7) / 8;
    }

private:
    void Fill() {
        while (count_ <= 8) {
            unsigned next = 0;
            if (pos_ < input_.size()) {
                next = input_[pos_++];
            } else {
                ++padding_;
            }
            buffer_ = static_cast<std::uint16_t>(buffer_ | (next << (8 - count_)));
            count_ += 8;
        }
    }

    std::span<const std::uint8_t> input_;
    std::size_t pos_ = 0;
    std::size_t padding_ = 0; // zero bytes read past the end
    std::uint16_t buffer_ = 0;
    int count_ = 0;
};

// Work tables of one decoding: the ring (N + F - 1 bytes) and the tree.
struct DecoderTables {
    std::array<std::uint8_t, lzhuf::kRingSize + lzhuf::kLookAhead - 1> ring{};
    lzhuf::HuffmanTree tree;
};

int DecodeSymbol(lzhuf::HuffmanTree& tree, BitInput& in) {
    int c = tree.son[lzhuf::kRoot];
    while (c < lzhuf::kNodes) {
        c = tree.son[c + in.Bit()];
    }
    c -= lzhuf::kNodes;
    tree.Update(c);
    return c;
}

int DecodePosition(BitInput& in) {
    int i = in.Byte();
    const int upper = lzhuf::kPositionDecode.code[i] << 6;
    int extra = lzhuf::kPositionDecode.length[i] - 2;
    while (extra-- > 0) {
        i = (i << 1) + in.Bit();
    }
    return upper | (i & 0x3F);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::size_t TLZH::Unpack(std::size_t outLength, std::span<const std::uint8_t> input,
                         TByteBuffer& output) {
    std::unique_ptr<DecoderTables> tables;
    try {
        tables = std::make_unique<DecoderTables>();
        output.assign(outLength, 0);
    } catch (const std::bad_alloc&) {
        output.clear();
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    auto& ring = tables->ring;
    auto& tree = tables->tree;
    tree.Start();
    std::fill(ring.begin(), ring.begin() + lzhuf::kRingStart, static_cast<std::uint8_t>(' '));
    int r = lzhuf::kRingStart;
    constexpr int mask = lzhuf::kRingSize - 1;

    BitInput in(input);
    std::size_t count = 0;
    while (count < outLength) {
        const int c = DecodeSymbol(tree, in);
        if (c < 256) {
            output[count++] = static_cast<std::uint8_t>(c);
            ring[r] = static_cast<std::uint8_t>(c);
            r = (r + 1) & mask;
            continue;
        }
        const int from = (r - DecodePosition(in) - 1) & mask;
        const int length = c - 255 + lzhuf::kThreshold;
        // A copy never runs past the length asked for.
        for (int k = 0; k < length && count < outLength; ++k) {
            const std::uint8_t byte = ring[(from + k) & mask];
            output[count++] = byte;
            ring[r] = byte;
            r = (r + 1) & mask;
        }
    }
    return in.BytesUsed();
}

void TSkinReader::Clear() {
    names_.clear();
    sizes_.fill(0);
    offsets_.clear();
    data_.clear();
    header_.fill(0);
}

bool TSkinReader::Refuse(TSkinReadResult why, const MessageHandler& showMessage) {
    Clear();
    result_ = why;
    if (showMessage) {
        showMessage(kOlderSkinMessage);
    }
    return false;
}

bool TSkinReader::ReadPackage(std::span<const std::uint8_t> packed,
                              const MessageHandler& showMessage) {
    Clear();
    if (packed.size() < 4) {
        return Refuse(TSkinReadResult::Damaged, showMessage);
    }
    const std::uint32_t length = ReadU32(packed, 0);
    if (length > maxUnpacked_) {
        return Refuse(TSkinReadResult::TooLarge, showMessage);
    }
    TByteBuffer package;
    TLZH().Unpack(length, packed.subspan(4), package);
    return LoadPackage(package, showMessage);
}

bool TSkinReader::LoadPackage(std::span<const std::uint8_t> package,
                              const MessageHandler& showMessage) {
    Clear();
    if (package.size() < 16 || ReadU32(package, 0) != kFormatNumber) {
        return Refuse(TSkinReadResult::WrongFormat, showMessage);
    }
    std::array<std::uint32_t, 4> header{};
    for (std::size_t i = 0; i < 4; ++i) {
        header[i] = ReadU32(package, 4 * i);
    }
    const auto nameLength = static_cast<std::int32_t>(header[1]);
    if (nameLength < 0 || static_cast<std::uint64_t>(nameLength) > package.size() - 16) {
        return Refuse(TSkinReadResult::Damaged, showMessage);
    }

    // One name per line; CR LF, CR or LF ends a line, and a final break opens no entry.
    const std::string text = AsciiLower(std::string_view(
        reinterpret_cast<const char*>(package.data()) + 16, static_cast<std::size_t>(nameLength)));
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        if (names.size() == kMaxEntries) {
            return Refuse(TSkinReadResult::TooManyEntries, showMessage);
        }
        names.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        if (names.size() == kMaxEntries) {
            return Refuse(TSkinReadResult::TooManyEntries, showMessage);
        }
        names.push_back(text.substr(start));
    }

    const std::uint64_t tableAt = 16 + static_cast<std::uint64_t>(nameLength);
    const std::uint64_t dataAt = tableAt + 4 * static_cast<std::uint64_t>(names.size());
    if (dataAt > package.size()) {
        return Refuse(TSkinReadResult::Damaged, showMessage);
    }
    const std::uint64_t dataLength = package.size() - dataAt;
    std::vector<std::uint64_t> offsets;
    offsets.reserve(names.size());
    std::uint64_t end = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto size = static_cast<std::int32_t>(ReadU32(package, tableAt + 4 * i));
        if (size < 0 || end + static_cast<std::uint64_t>(size) > dataLength) {
            return Refuse(TSkinReadResult::Damaged, showMessage);
        }
        sizes_[i] = size;
        offsets.push_back(end);
        end += static_cast<std::uint64_t>(size);
    }

    header_ = header;
    names_ = std::move(names);
    offsets_ = std::move(offsets);
    data_.assign(package.begin() + static_cast<std::ptrdiff_t>(dataAt), package.end());
    result_ = TSkinReadResult::Ok;
    return true;
}

std::span<const std::uint8_t> TSkinReader::EntryData(std::size_t index) const {
    if (index >= names_.size()) {
        return {};
    }
    return std::span<const std::uint8_t>(data_).subspan(static_cast<std::size_t>(offsets_[index]),
                                                        static_cast<std::size_t>(sizes_[index]));
}

void TSkinReader::ExtractEntry(std::string_view name, TByteBuffer& output) const {
    output.clear();
    const std::string wanted = AsciiLower(name);
    const auto it = std::find(names_.begin(), names_.end(), wanted);
    if (it == names_.end()) {
        return;
    }
    const auto data = EntryData(static_cast<std::size_t>(it - names_.begin()));
    output.assign(data.begin(), data.end());
}

void TSkinReader::FindEntry(std::string_view text, TByteBuffer& output, std::string& name) const {
    output.clear();
    if (text.empty()) {
        return;
    }
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].find(text) != std::string::npos) {
            const auto data = EntryData(i);
            output.assign(data.begin(), data.end());
            name = names_[i];
            return;
        }
    }
}
