#pragma once
// Putting a packed skin named on the gallery's command line on the gallery.

#include <string>

class TGalleryForm;

// Loads the packed skin file at `path` into the gallery's skin component; the windows showing
// it take the new skin. False, with the reason in `error`, when the file cannot be read or is
// not a packed skin; the gallery then keeps the skin it had.
bool ApplyGallerySkin(TGalleryForm& gallery, const std::wstring& path, std::wstring& error);
