// skinpack: makes, lists and unpacks packed skins (see SkinPackTool.h and skinpack --help).

#include "tools/SkinPackTool.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunSkinPack(arguments, std::cout, std::cerr);
}
