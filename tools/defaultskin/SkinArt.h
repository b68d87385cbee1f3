#pragma once
// skinart: draws the images of the default skin into a folder, as 24-bit BMP files that the
// description default.ini names.

#include <ostream>
#include <string>
#include <vector>

// Runs one command line (without the program name); returns the exit code: 0 done, 1 failed,
// 2 a wrong command line.
int RunSkinArt(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
