#pragma once
// Honest BMP files of every depth the skin images use, built from one picture, for the tests of
// skin images turned into bitmaps.

#include <cstdint>
#include <string>
#include <vector>

// A small picture: pixels 0x00RRGGBB, rows top-down.
struct TestPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

struct TestBmpFile {
    std::string name; // for messages and as a package entry name
    std::vector<std::uint8_t> bytes;
    TestPicture picture; // what the file shows
};

// The same kind of picture stored as 1, 4, 8, 24 and 32 bits per pixel, each bottom-up and
// top-down (the 24-bit bottom-up one by the packer's BMP writer).
std::vector<TestBmpFile> TestBmpFiles();
