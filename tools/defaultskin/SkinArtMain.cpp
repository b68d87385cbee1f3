// skinart: draws the default skin's images (see SkinArt.h and skinart --help).

#include "tools/defaultskin/SkinArt.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunSkinArt(arguments, std::cout, std::cerr);
}
