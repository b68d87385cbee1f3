#include "skin/SkinBitmap.h"

#include "skin/SkinRead.h"
#include "skin/VarUdedIni.h"

bool LoadBitmapFromImage(TBitmap& bitmap, const TBmpImage& image) {
    if (image.Empty()) {
        bitmap.Clear();
        return false;
    }
    // Both sides use rows top-down and pixels 0x00RRGGBB, so the buffer goes in as it is.
    return bitmap.LoadFromPixels(image.width, image.height, image.pixels);
}

bool LoadBitmapFromBmp(TBitmap& bitmap, std::span<const std::uint8_t> file) {
    return LoadBitmapFromImage(bitmap, DecodeBmp(file));
}

bool LoadBitmapFromEntry(TBitmap& bitmap, const TSkinReader& reader, std::string_view name) {
    TByteBuffer entry;
    reader.ExtractEntry(name, entry);
    return LoadBitmapFromBmp(bitmap, entry);
}

bool ReadBitmap(TBitmap& bitmap, const TQuickIni& ini, const TSkinReader& reader,
                std::string_view section, std::string_view key) {
    return LoadBitmapFromImage(bitmap, ReadImage(ini, reader, section, key));
}
