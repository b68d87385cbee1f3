#pragma once
// Skin images as bitmaps: BMP files from a skin package, decoded by the portable reader, put
// into framework bitmaps for drawing.

#include "framework/Bitmap.h"
#include "skin/BmpImage.h"

#include <cstdint>
#include <span>
#include <string_view>

class TQuickIni;
class TSkinReader;

// Replaces the bitmap's picture with the decoded image; an empty image empties the bitmap.
// True when the bitmap holds a picture afterwards.
bool LoadBitmapFromImage(TBitmap& bitmap, const TBmpImage& image);
// The same for the bytes of a BMP file; bytes that do not decode empty the bitmap.
bool LoadBitmapFromBmp(TBitmap& bitmap, std::span<const std::uint8_t> file);
// The same for the package entry of that name (any case); a missing entry empties the bitmap.
bool LoadBitmapFromEntry(TBitmap& bitmap, const TSkinReader& reader, std::string_view name);
// The image a description key names (see ReadImage), into the bitmap.
bool ReadBitmap(TBitmap& bitmap, const TQuickIni& ini, const TSkinReader& reader,
                std::string_view section, std::string_view key);
