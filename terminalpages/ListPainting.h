#pragma once
// Painting of the result list while many record lines go in. A list box repaints itself and its
// scroll bar for every line added or selected; for thousands of records that repaint storm
// costs far more than the records themselves. These scopes hold the list's painting
// (WM_SETREDRAW) while lines go in and let it paint the lines in one go.

#include "framework/StdCtrls.h"

#include <windows.h>

#include <chrono>

namespace terminalpages {

// Holds the list's painting for the scope; on the way out the list paints once, at the state it
// reached.
class ListPaintPause {
public:
    explicit ListPaintPause(TListBox& list) : list_(list) { SetRedraw(false); }
    ~ListPaintPause() {
        SetRedraw(true);
        if (list_.HandleAllocated())
            InvalidateRect(list_.Handle(), nullptr, TRUE);
    }
    ListPaintPause(const ListPaintPause&) = delete;
    ListPaintPause& operator=(const ListPaintPause&) = delete;

    // Lets the list paint now and then: when `interval` passed since it last could, its painting
    // is switched on and the list invalidated, so the next message processing paints it once;
    // otherwise painting stays held. Called once per line.
    void PaintNowAndThen(std::chrono::milliseconds interval = std::chrono::milliseconds(50)) {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastPaint_ < interval) {
            SetRedraw(false);
            return;
        }
        lastPaint_ = now;
        SetRedraw(true);
        if (list_.HandleAllocated())
            InvalidateRect(list_.Handle(), nullptr, TRUE);
    }

private:
    void SetRedraw(bool on) {
        if (list_.HandleAllocated())
            SendMessageW(list_.Handle(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
    }

    TListBox& list_;
    std::chrono::steady_clock::time_point lastPaint_ = std::chrono::steady_clock::now();
};

// Selects the last line of the list, which scrolls it to its end; an empty list gets no
// selection.
inline void SelectLastLine(TListBox& list) {
    const int count = list.Items()->Count();
    if (count > 0)
        list.SetItemIndex(count - 1);
}

} // namespace terminalpages
