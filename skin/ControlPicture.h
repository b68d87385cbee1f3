#pragma once
// A control's picture composed off-screen and copied to the screen in one blit, so the control
// never flickers. Each painter that draws every pixel of its control keeps one.

#include "skin/ImgUtilDib.h"

#include <windows.h>

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

private:
    DibSection buffer_;
};

} // namespace skin
