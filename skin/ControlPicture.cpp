#include "skin/ControlPicture.h"

namespace skin {

bool ControlPicture::ComposeKeyed(HDC dc, const RECT& rect, std::size_t key, HBRUSH background,
                                  const std::function<void(HDC, const RECT&)>& draw) {
    if (keyed_ && key_ == key && buffer_ && buffer_.Width() == rect.right - rect.left &&
        buffer_.Height() == rect.bottom - rect.top)
        return Copy(dc, rect);
    keyed_ = false;
    if (!Compose(dc, rect, background, draw))
        return false;
    key_ = key;
    keyed_ = true;
    return true;
}

bool ControlPicture::Copy(HDC dc, const RECT& rect) {
    const MemoryDC memory(dc);
    const SelectScope select(memory.Get(), buffer_.Handle());
    return BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  memory.Get(), 0, 0, SRCCOPY) != FALSE;
}

bool ControlPicture::Compose(HDC dc, const RECT& rect, HBRUSH background,
                             const std::function<void(HDC, const RECT&)>& draw) {
    keyed_ = false;
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
