#pragma once
// The skinpack command: packs a folder holding one description and BMP images into a packed
// skin, lists a packed skin's entries, and unpacks one into a folder. Users run it by hand, so
// it reads a skin more strictly than the engine does: a skin that is cut short or damaged is
// refused with the reason, never unpacked in part.

#include <ostream>
#include <string>
#include <vector>

// Runs one command line (without the program name); returns the exit code: 0 done, 1 refused
// or failed, 2 a wrong command line.
int RunSkinPack(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
