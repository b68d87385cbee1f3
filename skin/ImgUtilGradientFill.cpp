#include "skin/ImgUtilPaint.h"

#include "skin/ImgUtilGradient.h"
#include "skin/ImgUtilShared.h"

namespace skin {

void GradientFill(HDC dc, const RECT& rect, Colour from, bool vertical, Colour to) {
    if (!RectVisible(dc, &rect)) {
        return;
    }
    const std::uint32_t first = ResolveColour(from, SystemColourLookup);
    const std::uint32_t last = ResolveColour(to, SystemColourLookup);
    const int steps = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    if (steps <= 0) {
        return;
    }
    RECT clip{};
    if (GetClipBox(dc, &clip) == ERROR) {
        return;
    }
    const int start = vertical ? rect.top : rect.left;
    const StepRange range = vertical ? VisibleSteps(start, steps, clip.top, clip.bottom)
                                     : VisibleSteps(start, steps, clip.left, clip.right);
    if (range.Empty()) {
        return;
    }
    // Bars longer than any screen are not worth a cache slot: their colours come step by step.
    const std::vector<std::uint32_t>* table = nullptr;
    if (steps <= GradientCache::kMaxSteps) {
        table = &SharedGradientCache().Table(first, last, steps);
    }
    for (int i = range.first; i < range.last; ++i) {
        const std::uint32_t colour =
            table != nullptr ? (*table)[std::size_t(i)] : GradientEntry(first, last, steps, i);
        const RECT band = vertical ? RECT{rect.left, start + i, rect.right, start + i + 1}
                                   : RECT{start + i, rect.top, start + i + 1, rect.bottom};
        const GdiBrush brush(CreateSolidBrush(colour));
        if (brush) {
            FillRect(dc, &band, brush.Get());
        }
    }
}

} // namespace skin
