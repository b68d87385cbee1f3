// libFuzzer harness for the reading side of skins. The first byte picks the entry point, so
// that mutations reach every layer and not only the first:
//   0  packed skin -> package -> description -> images (the path a skin file takes)
//   1  unpacked package -> description -> images
//   2  one BMP file
//   3  one description
//   4  LZHUF round trip of the packer's encoder (the bytes must come back unchanged)

#include "skin/BmpImage.h"
#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"
#include "tools/SkinPack.h"

#include <cstdlib>

namespace {

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void CheckImage(const TBmpImage& image) {
    if (image.Empty()) {
        Check(image.width == 0 && image.height == 0);
        return;
    }
    Check(image.width > 0 && image.height > 0);
    Check(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
    Check(image.pixels.size() <= kBmpMaxPixels);
}

// What the element readers ask of a description.
void ReadDescription(const TQuickIni& ini, const TSkinReader* reader) {
    std::vector<std::string> sections;
    ini.ReadSectionNames(sections);
    static const char* const kImageKeys[] = {
        "Image", "Bitmap", "ButtonImage", "CheckButton", "RadioButton", "Border",  "GlyphImage",
        "Left",  "Right",  "Top",         "Bottom",      "menuBar",     "TextBack"};
    static const char* const kValueKeys[] = {"Frame",  "Trans",      "Tile",
                                             "Style",  "LeftWidth",  "FrameCount",
                                             "Action", "Visibility", "FontHeight"};
    std::size_t count = 0;
    for (const auto& section : sections) {
        if (++count > 64) {
            break; // the work per input stays small
        }
        for (const char* key : kValueKeys) {
            ini.ReadInteger(section, key, 0);
            ReadColourTriple(ini, section, key, -1);
            ReadColourInteger(ini, section, key, -1);
        }
        ReadColourKeys(ini, section, "ActiveText", 0x1FFFFFFF);
        if (reader == nullptr) {
            continue;
        }
        for (const char* key : kImageKeys) {
            CheckImage(ReadImage(ini, *reader, section, key));
        }
    }
    Check(ini.SectionLine("") >= -1);
}

void ReadSkin(const TSkinReader& reader) {
    Check(reader.Count() <= TSkinReader::kMaxEntries);
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        Check(reader.EntryData(i).size() == static_cast<std::size_t>(reader.Sizes()[i]));
        if (i < 16) {
            CheckImage(DecodeBmp(reader.EntryData(i)));
        }
    }
    TByteBuffer description;
    std::string name;
    reader.FindEntry(".ini", description, name);
    TQuickIni ini;
    ini.LoadFromStream(description);
    ReadDescription(ini, &reader);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    TSkinReader reader;
    // A smaller cap than the program's keeps each run quick; the checks are the same.
    reader.SetMaxUnpacked(1u << 20);
    switch (data[0] % 5) {
    case 0:
        if (reader.ReadPackage(input)) {
            ReadSkin(reader);
        }
        break;
    case 1:
        if (reader.LoadPackage(input)) {
            ReadSkin(reader);
        }
        break;
    case 2:
        CheckImage(DecodeBmp(input));
        break;
    case 3: {
        TQuickIni ini;
        ini.LoadFromStream(input);
        ReadDescription(ini, nullptr);
        break;
    }
    default: {
        TByteBuffer out;
        TLZH().Unpack(input.size(), LzhEncode(input), out);
        Check(std::equal(out.begin(), out.end(), input.begin(), input.end()));
        break;
    }
    }
    return 0;
}
