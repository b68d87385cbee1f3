#pragma once
// Reading a packed skin: the LZHUF decoder (TLZH) and the unpacked skin package with its named
// entries (TSkinReader). Portable: a packed skin is untrusted input, so this code builds and is
// fuzzed natively, and nothing here reports to the user directly; a refusal's message box text
// goes to the caller through a callback.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using TByteBuffer = std::vector<std::uint8_t>;

// The decoder could not get its work tables.
class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLZH {
public:
    // Decodes the LZHUF stream in input until outLength bytes have been produced; output then
    // holds exactly those bytes. Input that runs out reads as zero bytes, so a truncated stream
    // still gives outLength bytes. The caller bounds outLength.
    // Answers how many input bytes the decoding used, counting the zeros read past the end: a
    // number above input.size() tells a caller that wants to know that the stream was short.
    std::size_t Unpack(std::size_t outLength, std::span<const std::uint8_t> input,
                       TByteBuffer& output);
};

// Why a package was refused (or Ok).
enum class TSkinReadResult {
    Ok,
    WrongFormat,    // the format number is not 20000, or the package is shorter than its header
    TooManyEntries, // more names than the size table holds
    TooLarge,       // the declared unpacked length is above the cap
    Damaged,        // lengths or sizes that run outside the package
};

class TSkinReader {
public:
    static constexpr std::uint32_t kFormatNumber = 20000;
    static constexpr std::size_t kMaxEntries = 1001;
    static constexpr std::uint32_t kDefaultMaxUnpacked = 64u << 20;
    // The one message box text of a refused skin (CR between the sentences).
    static constexpr std::string_view kOlderSkinMessage =
        "This is Older Skin File\rPlease update to new version !";

    using MessageHandler = std::function<void(std::string_view text)>;

    // Unpacks a packed skin (32-bit unpacked length, then the LZHUF stream) and loads the package.
    // A refused package leaves the reader empty, passes kOlderSkinMessage to showMessage and
    // answers false.
    bool ReadPackage(std::span<const std::uint8_t> packed, const MessageHandler& showMessage = {});
    // Loads an already unpacked package (same checks as ReadPackage).
    bool LoadPackage(std::span<const std::uint8_t> package, const MessageHandler& showMessage = {});

    // Copies the first entry whose name equals name (any case) into output; output stays empty
    // when there is none.
    void ExtractEntry(std::string_view name, TByteBuffer& output) const;
    // Copies the first entry whose lowercased name contains text (taken as given) and sets
    // name to it; when nothing matches, output is empty and name is left unchanged. An empty
    // text matches nothing.
    void FindEntry(std::string_view text, TByteBuffer& output, std::string& name) const;

    const std::vector<std::string>& Names() const { return names_; }
    std::size_t Count() const { return names_.size(); }
    std::span<const std::int32_t> Sizes() const { return {sizes_.data(), names_.size()}; }
    std::span<const std::uint8_t> EntryData(std::size_t index) const;
    // Format number, name-text length and the two skipped words, as read.
    const std::array<std::uint32_t, 4>& Header() const { return header_; }
    TSkinReadResult LastResult() const { return result_; }

    // Packages declaring more unpacked bytes than this are refused before anything is allocated.
    void SetMaxUnpacked(std::uint32_t bytes) { maxUnpacked_ = bytes; }

private:
    bool Refuse(TSkinReadResult why, const MessageHandler& showMessage);
    void Clear();

    std::vector<std::string> names_;
    std::array<std::int32_t, kMaxEntries> sizes_{};
    std::vector<std::uint64_t> offsets_; // start of each entry in the data area
    TByteBuffer data_;
    std::array<std::uint32_t, 4> header_{};
    TSkinReadResult result_ = TSkinReadResult::Ok;
    std::uint32_t maxUnpacked_ = kDefaultMaxUnpacked;
};

// ASCII lowercase, as the package and the description compare names.
std::string AsciiLower(std::string_view text);
