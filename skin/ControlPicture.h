#pragma once
// A control's picture composed off-screen and copied to the screen in one blit, so the control
// never flickers. Each painter that draws every pixel of its control keeps one.

#include "skin/ImgUtilDib.h"

#include <windows.h>

#include <cstddef>
#include <functional>

namespace skin {

class ControlPicture {
public:
    // The picture is drawn by `draw` into a buffer of the rectangle's size (made again when the
    // size changes), first filled with `background` unless that is null, and then copied to `dc`
    // at `rect`. `draw` gets the buffer's context and its whole rectangle (0, 0, w, h). False
    // when nothing reached `dc` (an empty rectangle, or GDI refused the buffer).
    bool Compose(HDC dc, const RECT& rect, HBRUSH background,
                 const std::function<void(HDC, const RECT&)>& draw);
    // The same for a picture that follows from a few values of the control's state, summed up in
    // `key`: while the key and the size stay, the picture composed last is copied again without
    // drawing.
    bool ComposeKeyed(HDC dc, const RECT& rect, std::size_t key, HBRUSH background,
                      const std::function<void(HDC, const RECT&)>& draw);
    // The next picture is drawn anew (the skin changed).
    void Forget() { keyed_ = false; }

private:
    bool Copy(HDC dc, const RECT& rect);

    DibSection buffer_;
    std::size_t key_ = 0;
    bool keyed_ = false;
};

// One key from several values of state, for ComposeKeyed.
template <class... Values> std::size_t PictureKey(const Values&... values) {
    std::size_t key = 0;
    ((key ^= std::hash<Values>{}(values) + std::size_t{0x9E3779B9u} + (key << 6) + (key >> 2)),
     ...);
    return key;
}

} // namespace skin
