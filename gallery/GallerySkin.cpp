#include "gallery/GallerySkin.h"

#include "gallery/GalleryForm.h"
#include "skin/VarUdedData.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace {

// The whole file, or nothing when it cannot be opened or is larger than a skin can be.
bool ReadWholeFile(const std::wstring& path, std::vector<std::uint8_t>& bytes) {
    constexpr LONGLONG kLargestSkin = 64LL * 1024 * 1024;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kLargestSkin;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() ||
             (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
              read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

} // namespace

bool ApplyGallerySkin(TGalleryForm& gallery, const std::wstring& path, std::wstring& error) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        error = L"The skin file " + path + L" cannot be read.";
        return false;
    }
    TSkinData& data = gallery.SkinData();
    const std::vector<std::uint8_t> previous = data.SkinStream();
    if (data.LoadFromPacked(std::move(bytes)))
        return true;
    error = L"The file " + path + L" is not a packed skin.";
    data.SetSkinStream(previous);
    return false;
}
