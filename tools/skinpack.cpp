// skinpack: builds a packed skin from a folder holding one description (.ini) and BMP images,
// and lists or unpacks a packed skin.
//
//   skinpack pack <folder> <out.skn>
//   skinpack list <skin.skn>
//   skinpack unpack <skin.skn> <folder>

#include "tools/SkinPack.h"
#include "skin/BmpImage.h"
#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, std::span<const std::uint8_t> data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// Image values of the description that name no usable entry: the engine would show nothing.
int CheckDescription(const std::vector<SkinEntry>& entries, const SkinEntry& description) {
    TQuickIni ini;
    ini.LoadFromStream(description.data);
    std::set<std::string> names;
    for (const auto& entry : entries) {
        names.insert(AsciiLower(entry.name));
    }
    int problems = 0;
    std::string section;
    for (const auto& line : ini.Lines()) {
        if (line.front() == '[') {
            section = line;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string value = line.substr(equals + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        if (AsciiLower(value).find(".bmp") == std::string::npos) {
            continue;
        }
        const std::string name = ImageEntryName(value.substr(0, value.find_last_not_of(" \t") + 1));
        if (name.empty()) {
            std::cerr << "skinpack: warning: " << section << " " << line
                      << ": not read as an image (the name must end in \".bmp\")\n";
            ++problems;
        } else if (!names.count(AsciiLower(name))) {
            std::cerr << "skinpack: warning: " << section << " " << line << ": no entry " << name
                      << "\n";
            ++problems;
        }
    }
    return problems;
}

int Pack(const fs::path& folder, const fs::path& target) {
    std::vector<fs::path> inis, bmps;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (!item.is_regular_file()) {
            continue;
        }
        const std::string ext = AsciiLower(item.path().extension().string());
        if (ext == ".ini") {
            inis.push_back(item.path());
        } else if (ext == ".bmp") {
            bmps.push_back(item.path());
        } else {
            std::cerr << "skinpack: skipping " << item.path().filename().string() << "\n";
        }
    }
    if (inis.size() != 1) {
        std::cerr << "skinpack: " << folder.string() << " must hold exactly one .ini file\n";
        return 1;
    }
    std::sort(bmps.begin(), bmps.end());
    if (bmps.size() + 1 > TSkinReader::kMaxEntries) {
        std::cerr << "skinpack: too many images (at most " << TSkinReader::kMaxEntries - 1 << ")\n";
        return 1;
    }
    // The description goes first, so it is the entry a lookup for ".ini" finds.
    std::vector<SkinEntry> entries;
    entries.push_back({AsciiLower(inis[0].filename().string()), ReadFile(inis[0])});
    for (const auto& path : bmps) {
        SkinEntry entry{AsciiLower(path.filename().string()), ReadFile(path)};
        if (DecodeBmp(entry.data).Empty()) {
            std::cerr << "skinpack: warning: " << entry.name << " is not a BMP the engine reads\n";
        }
        entries.push_back(std::move(entry));
    }
    CheckDescription(entries, entries[0]);
    const auto package = BuildSkinPackage(entries);
    const auto packed = PackSkin(package);
    WriteFile(target, packed);
    std::cout << target.string() << ": " << entries.size() << " entries, " << package.size()
              << " bytes packed into " << packed.size() << "\n";
    return 0;
}

bool Load(const fs::path& source, TSkinReader& reader) {
    const auto packed = ReadFile(source);
    return reader.ReadPackage(packed, [](std::string_view text) {
        std::string shown(text);
        std::replace(shown.begin(), shown.end(), '\r', ' ');
        std::cerr << "skinpack: " << shown << "\n";
    });
}

int List(const fs::path& source) {
    TSkinReader reader;
    if (!Load(source, reader)) {
        return 1;
    }
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        std::cout << reader.Sizes()[i] << "\t" << reader.Names()[i] << "\n";
    }
    return 0;
}

// Entry names come from an untrusted file: only plain file names are written.
bool SafeName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32; });
}

int Unpack(const fs::path& source, const fs::path& folder) {
    TSkinReader reader;
    if (!Load(source, reader)) {
        return 1;
    }
    fs::create_directories(folder);
    int status = 0;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        const std::string& name = reader.Names()[i];
        if (!SafeName(name)) {
            std::cerr << "skinpack: skipping entry with unsafe name\n";
            status = 1;
            continue;
        }
        WriteFile(folder / name, reader.EntryData(i));
    }
    return status;
}

int Usage() {
    std::cerr << "usage: skinpack pack <folder> <out.skn>\n"
                 "       skinpack list <skin.skn>\n"
                 "       skinpack unpack <skin.skn> <folder>\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if (args.size() == 3 && args[0] == "pack") {
            return Pack(args[1], args[2]);
        }
        if (args.size() == 2 && args[0] == "list") {
            return List(args[1]);
        }
        if (args.size() == 3 && args[0] == "unpack") {
            return Unpack(args[1], args[2]);
        }
        return Usage();
    } catch (const std::exception& e) {
        std::cerr << "skinpack: " << e.what() << "\n";
        return 1;
    }
}
