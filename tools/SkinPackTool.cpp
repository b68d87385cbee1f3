#include "tools/SkinPackTool.h"

#include "skin/BmpImage.h"
#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"
#include "tools/SkinPack.h"
#include "tools/ToolFiles.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;
using tools::ToolError;

namespace {

constexpr char kUsage[] = R"(Usage: skinpack pack FOLDER OUT.skn
       skinpack list SKIN.skn
       skinpack unpack SKIN.skn FOLDER
)";

constexpr char kAbout[] = R"(
Makes and opens packed skins, the files the program's skin engine reads.

  pack FOLDER OUT.skn     pack the description (the one .ini file) and the .bmp images of
                          FOLDER into the packed skin OUT.skn
  list SKIN.skn           list the entries of a packed skin with their sizes
  unpack SKIN.skn FOLDER  write the entries of a packed skin into FOLDER
  --help, -h              this text

A skin keeps its entry names in lower case, so two files whose names differ only in case
cannot be packed together. A skin that is cut short or damaged is refused, not unpacked in
part.
)";

// The command-line words of each command after the command itself.
struct CommandShape {
    std::string_view name;
    std::size_t operands;
    std::string_view usage;
};

constexpr CommandShape kCommands[] = {
    {"pack", 2, "skinpack pack FOLDER OUT.skn"},
    {"list", 1, "skinpack list SKIN.skn"},
    {"unpack", 2, "skinpack unpack SKIN.skn FOLDER"},
};

std::string Shown(const fs::path& path) {
    return path.string();
}

// Names that can stand as a file of their own and as one line of the package's name list.
bool PlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string_view::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
}

// Image values of the description that name no usable entry: the engine would show nothing.
void CheckDescription(const std::vector<SkinEntry>& entries, const SkinEntry& description,
                      std::ostream& err) {
    TQuickIni ini;
    ini.LoadFromStream(description.data);
    std::set<std::string> names;
    for (const auto& entry : entries)
        names.insert(entry.name);
    std::string section;
    for (const auto& line : ini.Lines()) {
        if (line.front() == '[') {
            section = line;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string value = line.substr(equals + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        if (AsciiLower(value).find(".bmp") == std::string::npos)
            continue;
        const std::string name = ImageEntryName(value.substr(0, value.find_last_not_of(" \t") + 1));
        if (name.empty()) {
            err << "skinpack: warning: " << section << " " << line
                << ": not read as an image (the name must end in \".bmp\")\n";
        } else if (!names.count(AsciiLower(name))) {
            err << "skinpack: warning: " << section << " " << line << ": no entry " << name << "\n";
        }
    }
}

// The files of a skin folder: its descriptions and its images, each kind in name order.
struct SkinFolder {
    std::vector<fs::path> descriptions;
    std::vector<fs::path> images;
};

SkinFolder ScanSkinFolder(const fs::path& folder, std::ostream& err) {
    tools::RequireFolder(folder);
    SkinFolder found;
    std::error_code error;
    fs::directory_iterator item(folder, error);
    for (; !error && item != fs::directory_iterator(); item.increment(error)) {
        if (!item->is_regular_file(error))
            continue;
        const std::string ext = AsciiLower(item->path().extension().string());
        if (ext == ".ini")
            found.descriptions.push_back(item->path());
        else if (ext == ".bmp")
            found.images.push_back(item->path());
        else
            err << "skinpack: skipping " << item->path().filename().string()
                << " (neither .ini nor .bmp)\n";
    }
    if (error)
        throw ToolError("cannot read the folder " + Shown(folder) + ": " + error.message());
    std::sort(found.descriptions.begin(), found.descriptions.end());
    std::sort(found.images.begin(), found.images.end());
    return found;
}

// The entries of a skin folder, description first, so that it is the entry a lookup for ".ini"
// finds. Names are kept in lower case, as the engine looks them up: two files whose names
// differ only in case would make two entries of one name, of which a reader finds one.
std::vector<SkinEntry> SkinEntries(const fs::path& folder, const SkinFolder& files) {
    if (files.descriptions.size() != 1) {
        std::string names;
        for (const auto& path : files.descriptions)
            names += " " + path.filename().string();
        throw ToolError(files.descriptions.empty()
                            ? Shown(folder) + " holds no description (.ini file); a skin has one"
                            : Shown(folder) + " holds " +
                                  std::to_string(files.descriptions.size()) +
                                  " descriptions (.ini files:" + names + "); a skin has one");
    }
    if (files.images.size() + 1 > TSkinReader::kMaxEntries)
        throw ToolError(Shown(folder) + " holds " + std::to_string(files.images.size()) +
                        " images; a skin holds at most " +
                        std::to_string(TSkinReader::kMaxEntries - 1));
    std::vector<fs::path> all{files.descriptions.front()};
    all.insert(all.end(), files.images.begin(), files.images.end());
    std::map<std::string, std::string> taken; // entry name -> file name
    std::vector<SkinEntry> entries;
    for (const auto& path : all) {
        const std::string file = path.filename().string();
        if (!PlainFileName(file))
            throw ToolError("cannot pack " + Shown(path) +
                            ": its name holds a control character, which a skin's name list "
                            "cannot keep");
        const std::string name = AsciiLower(file);
        if (const auto [it, added] = taken.emplace(name, file); !added)
            throw ToolError(Shown(folder) + " holds both " + it->second + " and " + file +
                            ", one entry name when case is ignored; rename or remove one");
        entries.push_back({name, tools::ReadWholeFile(path)});
    }
    return entries;
}

int Pack(const fs::path& folder, const fs::path& target, std::ostream& out, std::ostream& err) {
    const std::vector<SkinEntry> entries = SkinEntries(folder, ScanSkinFolder(folder, err));
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (DecodeBmp(entries[i].data).Empty())
            err << "skinpack: warning: " << entries[i].name << " is not a BMP the engine reads\n";
    }
    CheckDescription(entries, entries.front(), err);
    const auto package = BuildSkinPackage(entries);
    const auto packed = PackSkin(package);
    tools::WriteWholeFile(target, packed);
    out << Shown(target) << ": " << entries.size() << " entries, " << package.size()
        << " bytes packed into " << packed.size() << "\n";
    return 0;
}

std::uint32_t DeclaredLength(std::span<const std::uint8_t> packed) {
    return static_cast<std::uint32_t>(packed[0]) | static_cast<std::uint32_t>(packed[1]) << 8 |
           static_cast<std::uint32_t>(packed[2]) << 16 |
           static_cast<std::uint32_t>(packed[3]) << 24;
}

// Why the package of a skin was refused, after the skin's file name.
std::string RefusalReason(TSkinReadResult result) {
    switch (result) {
    case TSkinReadResult::Ok:
        return "";
    case TSkinReadResult::WrongFormat:
        return " is not a packed skin: it does not unpack to a skin package";
    case TSkinReadResult::TooManyEntries:
        return " is damaged: its package names more than " +
               std::to_string(TSkinReader::kMaxEntries) + " entries";
    case TSkinReadResult::TooLarge:
        return " is not a packed skin, or is damaged: it declares more than a skin may hold";
    case TSkinReadResult::Damaged:
        return " is damaged: the sizes in its package run past the package's end";
    }
    return " cannot be read";
}

// Reads a packed skin strictly. The engine reads a short stream as if zeros followed, which
// gives entries of the right sizes and wrong contents; here a stream that ends before the
// package it declares is refused, as is any package the engine itself would refuse.
void LoadSkin(const fs::path& source, TSkinReader& reader) {
    const std::vector<std::uint8_t> packed = tools::ReadWholeFile(source);
    const std::string name = Shown(source);
    if (packed.size() < 4)
        throw ToolError(name + " is not a packed skin: it holds only " +
                        std::to_string(packed.size()) + " bytes");
    const std::uint32_t length = DeclaredLength(packed);
    if (length > TSkinReader::kDefaultMaxUnpacked)
        throw ToolError(name + " is not a packed skin, or is damaged: it declares " +
                        std::to_string(length) + " bytes unpacked, a skin holds at most " +
                        std::to_string(TSkinReader::kDefaultMaxUnpacked));
    const auto stream = std::span(packed).subspan(4);
    TByteBuffer package;
    const bool cutShort = TLZH().Unpack(length, stream, package) > stream.size();
    if (reader.LoadPackage(package) && !cutShort)
        return;
    if (reader.LastResult() == TSkinReadResult::WrongFormat && cutShort)
        throw ToolError(name + " is not a packed skin, or is cut short: it ends before the " +
                        std::to_string(length) + " bytes it declares");
    if (cutShort)
        throw ToolError(name + " is cut short: it ends before the " + std::to_string(length) +
                        " bytes it declares");
    throw ToolError(name + RefusalReason(reader.LastResult()));
}

int List(const fs::path& source, std::ostream& out) {
    TSkinReader reader;
    LoadSkin(source, reader);
    for (std::size_t i = 0; i < reader.Count(); ++i)
        out << reader.Sizes()[i] << "\t" << reader.Names()[i] << "\n";
    return 0;
}

// Entry names come from an untrusted file: every name is checked before anything is written,
// so a skin that cannot be unpacked whole leaves the folder as it was.
int Unpack(const fs::path& source, const fs::path& folder, std::ostream& out) {
    TSkinReader reader;
    LoadSkin(source, reader);
    std::set<std::string> seen;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        const std::string& name = reader.Names()[i];
        if (!PlainFileName(name))
            throw ToolError(Shown(source) + " is damaged: entry " + std::to_string(i + 1) +
                            " has a name that is not a plain file name; nothing was unpacked");
        if (!seen.insert(name).second)
            throw ToolError(Shown(source) + " holds two entries named " + name +
                            "; nothing was unpacked");
    }
    tools::MakeFolder(folder);
    for (std::size_t i = 0; i < reader.Count(); ++i)
        tools::WriteWholeFile(folder / reader.Names()[i], reader.EntryData(i));
    out << Shown(folder) << ": " << reader.Count() << " entries unpacked\n";
    return 0;
}

int Run(const CommandShape& command, const std::vector<std::string>& args, std::ostream& out,
        std::ostream& err) {
    if (command.name == "pack")
        return Pack(args[1], args[2], out, err);
    if (command.name == "list")
        return List(args[1], out);
    return Unpack(args[1], args[2], out);
}

} // namespace

int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto asksHelp = [](const std::string& word) { return word == "--help" || word == "-h"; };
    if (std::any_of(args.begin(), args.end(), asksHelp) || (!args.empty() && args[0] == "help")) {
        out << kUsage << kAbout;
        return 0;
    }
    if (args.empty()) {
        err << kUsage << "See skinpack --help.\n";
        return 2;
    }
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [&](const CommandShape& c) { return c.name == args[0]; });
    if (command == std::end(kCommands)) {
        err << "skinpack: unknown command \"" << args[0] << "\"; the commands are pack, list "
            << "and unpack (see skinpack --help)\n";
        return 2;
    }
    if (args.size() != command->operands + 1) {
        err << "skinpack: " << command->name << " takes " << command->operands
            << (command->operands == 1 ? " argument" : " arguments") << ": " << command->usage
            << "\n";
        return 2;
    }
    try {
        return Run(*command, args, out, err);
    } catch (const ToolError& error) {
        err << "skinpack: " << error.what() << "\n";
    } catch (const ElzhException&) {
        err << "skinpack: not enough memory to unpack the skin\n";
    } catch (const std::bad_alloc&) {
        err << "skinpack: not enough memory\n";
    } catch (const std::exception& error) {
        err << "skinpack: " << error.what() << "\n";
    }
    return 1;
}
