#include "tests/win/skinstore/TestBmpFiles.h"

#include "tests/native/skinread/TestBmp.h"
#include "tools/BmpWrite.h"

namespace {

// Odd sizes, so rows need padding and the low-depth rows end inside a byte.
constexpr int kWidth = 5;
constexpr int kHeight = 3;

const std::vector<std::uint32_t> kPalette = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF, 0x123456, 0x808080,
    0xC0C0C0, 0x00FFFF, 0xFFFF00, 0x804020, 0x204080, 0x408020, 0x010203, 0xFEDCBA,
};

// Palette index of each pixel, rows top-down, limited to what the depth can address.
std::vector<int> Indices(int colours) {
    std::vector<int> indices;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            indices.push_back((x * 7 + y * 3 + x * y) % colours);
    }
    return indices;
}

TestPicture PictureOf(const std::vector<int>& indices) {
    TestPicture picture{kWidth, kHeight, {}};
    for (int index : indices)
        picture.pixels.push_back(kPalette[static_cast<std::size_t>(index)]);
    return picture;
}

// The rows as the file stores them: bottom-up unless topDown, each padded to 4 bytes; indexed
// pixels are packed from the most significant bit.
std::vector<std::uint8_t> StoredRows(int bitCount, const TestPicture& picture,
                                     const std::vector<int>& indices, bool topDown) {
    const std::size_t stride = (static_cast<std::size_t>(kWidth * bitCount) + 31) / 32 * 4;
    std::vector<std::uint8_t> data;
    for (int row = 0; row < kHeight; ++row) {
        const int y = topDown ? row : kHeight - 1 - row;
        std::vector<std::uint8_t> bytes(stride, 0);
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * kWidth + x);
            const std::uint32_t rgb = picture.pixels[at];
            if (bitCount <= 8) {
                const int bit = x * bitCount;
                const int shift = 8 - bitCount - bit % 8;
                bytes[static_cast<std::size_t>(bit / 8)] |=
                    static_cast<std::uint8_t>(indices[at] << shift);
                continue;
            }
            const std::size_t first = static_cast<std::size_t>(x * bitCount / 8);
            bytes[first] = static_cast<std::uint8_t>(rgb);
            bytes[first + 1] = static_cast<std::uint8_t>(rgb >> 8);
            bytes[first + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
        data.insert(data.end(), bytes.begin(), bytes.end());
    }
    return data;
}

TestBmpFile Make(int bitCount, bool topDown) {
    // Indexed files carry 2 or 16 palette entries; the others show the same 16 colours.
    const int colours = bitCount == 1 ? 2 : 16;
    const std::vector<int> indices = Indices(colours);
    TestBmpFile file;
    file.name = "depth" + std::to_string(bitCount) + (topDown ? "topdown" : "bottomup") + ".bmp";
    file.picture = PictureOf(indices);
    BmpLayout layout;
    layout.width = kWidth;
    layout.height = topDown ? -kHeight : kHeight;
    layout.bitCount = bitCount;
    if (bitCount <= 8) {
        layout.palette.assign(kPalette.begin(), kPalette.begin() + colours);
        layout.coloursUsed = static_cast<std::uint32_t>(layout.palette.size());
    }
    layout.pixelData = StoredRows(bitCount, file.picture, indices, topDown);
    file.bytes = MakeBmp(layout);
    return file;
}

} // namespace

std::vector<TestBmpFile> TestBmpFiles() {
    std::vector<TestBmpFile> files;
    for (int bitCount : {1, 4, 8, 24, 32}) {
        for (bool topDown : {false, true})
            files.push_back(Make(bitCount, topDown));
    }
    // The packer writes 24-bit bottom-up files: the default skin's images come out of it.
    for (TestBmpFile& file : files) {
        if (file.name == "depth24bottomup.bmp")
            file.bytes = EncodeBmp24(file.picture.width, file.picture.height, file.picture.pixels);
    }
    return files;
}
