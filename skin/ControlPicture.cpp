#include "skin/ControlPicture.h"

namespace skin {

bool ControlPicture::Compose(HDC dc, const RECT& rect, HBRUSH background,
                             const std::function<void(HDC, const RECT&)>& draw) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    if (!buffer_ || buffer_.Width() != width || buffer_.Height() != height)
        buffer_ = DibSection::Create(width, height, 24);
    if (!buffer_)
        return false;
    const MemoryDC memory(dc);
    const SelectScope select(memory.Get(), buffer_.Handle());
    const RECT whole{0, 0, width, height};
    if (background)
        FillRect(memory.Get(), &whole, background);
    draw(memory.Get(), whole);
    BitBlt(dc, rect.left, rect.top, width, height, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

} // namespace skin
