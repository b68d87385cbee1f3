#include "skin/SkinRead.h"
#include "tools/SkinPack.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

// A package with a raw name text and raw sizes, so that tests can make it lie.
std::vector<std::uint8_t> RawPackage(std::uint32_t format, std::string_view names,
                                     const std::vector<std::int32_t>& sizes,
                                     std::string_view data) {
    std::vector<std::uint8_t> out;
    PutU32(out, format);
    PutU32(out, static_cast<std::uint32_t>(names.size()));
    PutU32(out, 0xDEADBEEF);
    PutU32(out, 0x12345678);
    out.insert(out.end(), names.begin(), names.end());
    for (std::int32_t s : sizes) {
        PutU32(out, static_cast<std::uint32_t>(s));
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

struct Shown {
    std::vector<std::string> texts;
    TSkinReader::MessageHandler Handler() {
        return [this](std::string_view t) { texts.emplace_back(t); };
    }
};

TEST(SkinReader, ReadsAPackedSkinAndLooksUpEntries) {
    const auto package = BuildSkinPackage({{"x.ini.bak", Bytes("old")},
                                           {"Skin.INI", Bytes("[Colours]")},
                                           {"Title.BMP", Bytes("title")},
                                           {"empty.bmp", {}}});
    TSkinReader reader;
    Shown shown;
    ASSERT_TRUE(reader.ReadPackage(PackSkin(package), shown.Handler()));
    EXPECT_TRUE(shown.texts.empty());
    EXPECT_EQ(reader.LastResult(), TSkinReadResult::Ok);
    EXPECT_EQ(reader.Names(),
              (std::vector<std::string>{"x.ini.bak", "skin.ini", "title.bmp", "empty.bmp"}));
    EXPECT_EQ(reader.Header()[0], 20000u);

    TByteBuffer out = Bytes("stale");
    reader.ExtractEntry("TITLE.bmp", out);
    EXPECT_EQ(out, Bytes("title"));
    reader.ExtractEntry("missing.bmp", out);
    EXPECT_TRUE(out.empty());

    // The first name containing the text wins, even one that merely contains it.
    std::string name = "unchanged";
    reader.FindEntry(".ini", out, name);
    EXPECT_EQ(name, "x.ini.bak");
    EXPECT_EQ(out, Bytes("old"));
    // The text is not lowercased: upper case never matches the lowercased names.
    name = "unchanged";
    reader.FindEntry(".INI", out, name);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");
    reader.FindEntry("", out, name);
    EXPECT_EQ(name, "unchanged");
}

TEST(SkinReader, NameTextLineBreaks) {
    // CR LF, lone CR and lone LF each end a line; a final break opens no entry, but an empty
    // line in between is an entry of its own.
    const auto package = RawPackage(20000, "a\r\nb\rc\n\r\nd\r\n", {1, 1, 1, 0, 1}, "ABCD");
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(package));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    TByteBuffer out;
    reader.ExtractEntry("d", out);
    EXPECT_EQ(out, Bytes("D"));

    ASSERT_TRUE(reader.LoadPackage(RawPackage(20000, "last", {2}, "xy")));
    EXPECT_EQ(reader.Names(), std::vector<std::string>{"last"});
    ASSERT_TRUE(reader.LoadPackage(RawPackage(20000, "", {}, "")));
    EXPECT_EQ(reader.Count(), 0u);
}

TEST(SkinReader, WrongFormatShowsTheMessageAndLoadsNothing) {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(RawPackage(20000, "a.bmp\r\n", {1}, "A")));
    Shown shown;
    EXPECT_FALSE(
        reader.ReadPackage(PackSkin(RawPackage(19999, "a.bmp\r\n", {1}, "A")), shown.Handler()));
    EXPECT_EQ(reader.LastResult(), TSkinReadResult::WrongFormat);
    ASSERT_EQ(shown.texts.size(), 1u);
    EXPECT_EQ(shown.texts[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.Count(), 0u);

    // An unpacked length of 0 or a package shorter than its header is no skin either.
    EXPECT_FALSE(reader.ReadPackage(PackSkin({})));
    EXPECT_EQ(reader.LastResult(), TSkinReadResult::WrongFormat);
    const std::vector<std::uint8_t> tooShort = {0x20, 0x4E, 0, 0};
    EXPECT_FALSE(reader.LoadPackage(tooShort));
}

TEST(SkinReader, SizeTableHoldsAtMost1001Entries) {
    auto names = [](int n) {
        std::string text;
        for (int i = 0; i < n; ++i) {
            text += "e" + std::to_string(i) + "\r\n";
        }
        return text;
    };
    TSkinReader reader;
    const std::string full = names(1001);
    EXPECT_TRUE(
        reader.LoadPackage(RawPackage(20000, full, std::vector<std::int32_t>(1001, 0), "")));
    EXPECT_EQ(reader.Count(), 1001u);

    Shown shown;
    const std::string over = names(1002);
    EXPECT_FALSE(reader.LoadPackage(RawPackage(20000, over, std::vector<std::int32_t>(1002, 0), ""),
                                    shown.Handler()));
    EXPECT_EQ(reader.LastResult(), TSkinReadResult::TooManyEntries);
    EXPECT_EQ(shown.texts.size(), 1u);
    EXPECT_EQ(reader.Count(), 0u);
    // A last name without a line break counts too.
    EXPECT_FALSE(reader.LoadPackage(
        RawPackage(20000, full + "extra", std::vector<std::int32_t>(1002, 0), "")));
}

// Packages whose lengths or sizes run outside them are refused.
TEST(SkinReader, DamagedPackagesAreRefused) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> package;
    };
    auto lyingLength = RawPackage(20000, "a\r\n", {1}, "A");
    lyingLength[4] = 0xFF; // name text far longer than the package
    auto negativeLength = RawPackage(20000, "a\r\n", {1}, "A");
    negativeLength[7] = 0x80;
    const Case cases[] = {
        {"negative size", RawPackage(20000, "a\r\nb\r\n", {-1, 2}, "AB")},
        {"size past the data", RawPackage(20000, "a\r\nb\r\n", {1, 2}, "AB")},
        {"sum past the data", RawPackage(20000, "a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, "AB")},
        {"size table cut off", RawPackage(20000, "a\r\nb\r\n", {1}, "")},
        {"name text too long", lyingLength},
        {"name text length negative", negativeLength},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TSkinReader reader;
        Shown shown;
        EXPECT_FALSE(reader.LoadPackage(c.package, shown.Handler()));
        EXPECT_EQ(reader.LastResult(), TSkinReadResult::Damaged);
        EXPECT_EQ(shown.texts.size(), 1u);
        EXPECT_EQ(reader.Count(), 0u);
    }
    // Bytes left over after the last entry are harmless.
    TSkinReader reader;
    EXPECT_TRUE(reader.LoadPackage(RawPackage(20000, "a\r\n", {1}, "A-trailing")));
}

TEST(SkinReader, DeclaredLengthIsCappedBeforeAnythingIsAllocated) {
    TSkinReader reader;
    std::vector<std::uint8_t> packed;
    PutU32(packed, 0xFFFFFFFF);
    Shown shown;
    EXPECT_FALSE(reader.ReadPackage(packed, shown.Handler()));
    EXPECT_EQ(reader.LastResult(), TSkinReadResult::TooLarge);
    EXPECT_EQ(shown.texts.size(), 1u);

    packed.clear();
    PutU32(packed, (64u << 20) + 1);
    EXPECT_FALSE(reader.ReadPackage(packed));
    EXPECT_EQ(reader.LastResult(), TSkinReadResult::TooLarge);

    // A lower cap applies the same way; the cap itself is allowed.
    const auto good = PackSkin(BuildSkinPackage({{"a.ini", Bytes("[x]")}}));
    reader.SetMaxUnpacked(10);
    EXPECT_FALSE(reader.ReadPackage(good));
    reader.SetMaxUnpacked(static_cast<std::uint32_t>(good[0]));
    EXPECT_TRUE(reader.ReadPackage(good));

    EXPECT_FALSE(reader.ReadPackage(std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(reader.LastResult(), TSkinReadResult::Damaged);
}

TEST(SkinReader, TruncatedPackedSkinNeverCrashes) {
    const auto packed = PackSkin(BuildSkinPackage(
        {{"skin.ini", Bytes("[Buttons]\r\nBitmap=b.bmp\r\n")}, {"b.bmp", Bytes("0123456789")}}));
    for (std::size_t keep = 0; keep <= packed.size(); ++keep) {
        TSkinReader reader;
        reader.ReadPackage(std::span(packed).first(keep));
        if (keep == packed.size()) {
            EXPECT_EQ(reader.Count(), 2u);
        }
    }
}

} // namespace
