#pragma once
// Painting of the result list while many record lines go in. A visible list box repaints itself
// and its scroll bar for every line added or selected (milliseconds a line under Wine, against
// tens of microseconds with painting held); for thousands of records that repaint storm costs
// far more than the records themselves. These scopes hold the list's painting (WM_SETREDRAW)
// while lines go in and let it paint them in one go.

#include "framework/StdCtrls.h"

#include <windows.h>

#include <chrono>
#include <memory>

namespace terminalpages {

// Selects the last line of the list, which scrolls it to its end; an empty list gets no
// selection.
inline void SelectLastLine(TListBox& list) {
    const int count = list.Items()->Count();
    if (count > 0)
        list.SetItemIndex(count - 1);
}

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

private:
    void SetRedraw(bool on) {
        if (list_.HandleAllocated())
            SendMessageW(list_.Handle(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
    }

    TListBox& list_;
};

// Keeps the list at its newest line while a long run of lines goes in, one line at a time with
// the window's messages processed in between: the list shows the newest line selected and
// scrolled into view at most every `interval` and when the run ends, however it ends, and
// paints only then. Selecting a line costs as much as painting it, so the selection follows the
// newest line at those moments rather than at every line.
class ListFollower {
public:
    explicit ListFollower(TListBox& list,
                          std::chrono::milliseconds interval = std::chrono::milliseconds(50))
        : list_(list), interval_(interval), pause_(std::make_unique<ListPaintPause>(list)) {}
    ~ListFollower() {
        pause_.reset();
        SelectLastLine(list_);
    }
    ListFollower(const ListFollower&) = delete;
    ListFollower& operator=(const ListFollower&) = delete;

    // After each line: when the interval has passed, selects the newest line and lets the list
    // paint at the next message processing; otherwise holds painting again.
    void LineAdded() {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastShown_ < interval_) {
            if (!pause_)
                pause_ = std::make_unique<ListPaintPause>(list_);
            return;
        }
        lastShown_ = now;
        pause_.reset();
        SelectLastLine(list_);
    }

private:
    TListBox& list_;
    std::chrono::milliseconds interval_;
    std::unique_ptr<ListPaintPause> pause_;
    std::chrono::steady_clock::time_point lastShown_ = std::chrono::steady_clock::now();
};

} // namespace terminalpages
