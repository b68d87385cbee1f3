#include "skin/PaintGeometry.h"

#include <algorithm>

namespace skin {

namespace {

int CeilDiv(int value, int divisor) {
    return value / divisor + (value % divisor != 0 ? 1 : 0);
}

// Source rectangles are given relative to the frame's top-left corner.
PaintRect InFrame(const PaintRect& frame, int x, int y, int width, int height) {
    return RectAt(frame.left + x, frame.top + y, width, height);
}

// A pair of opposite margins that do not fit both the frame and the destination counts as 0.
void FitMargins(int& first, int& second, int frameSize, int destSize) {
    first = std::max(first, 0);
    second = std::max(second, 0);
    const long long sum = static_cast<long long>(first) + second;
    if (destSize < sum || frameSize < sum) {
        first = 0;
        second = 0;
    }
}

// The ends of a strip kept inside the frame, the left one first.
void ClampEnds(int& left, int& right, int frameWidth) {
    left = std::clamp(left, 0, frameWidth);
    right = std::clamp(right, 0, frameWidth - left);
}

} // namespace

PaintRect FrameRect(int imageWidth, int imageHeight, int count, int number, FrameLayout layout) {
    imageWidth = std::max(imageWidth, 0);
    imageHeight = std::max(imageHeight, 0);
    count = std::max(count, 1);
    number = std::clamp(number, 1, count);
    switch (layout) {
    case FrameLayout::SideBySide: {
        const int width = imageWidth / count;
        return RectAt(width * (number - 1), 0, width, imageHeight);
    }
    case FrameLayout::Stacked: {
        const int height = imageHeight / count;
        return RectAt(0, height * (number - 1), imageWidth, height);
    }
    }
    return {};
}

int TileGrid::Columns() const {
    if (tileWidth <= 0 || area.Width() <= 0 || area.Height() <= 0) {
        return 0;
    }
    return CeilDiv(area.Width(), tileWidth);
}

int TileGrid::Rows() const {
    if (tileHeight <= 0 || area.Width() <= 0 || area.Height() <= 0) {
        return 0;
    }
    return CeilDiv(area.Height(), tileHeight);
}

NineGridPlan PlanNineGrid(int destWidth, int destHeight, const PaintRect& frame,
                          const ImageMargins& margins, bool tileCentre) {
    NineGridPlan plan;
    const int fw = frame.Width();
    const int fh = frame.Height();
    if (destWidth <= 0 || destHeight <= 0 || fw <= 0 || fh <= 0) {
        return plan;
    }
    int l = margins.left;
    int r = margins.right;
    int t = margins.top;
    int b = margins.bottom;
    FitMargins(l, r, fw, destWidth);
    FitMargins(t, b, fh, destHeight);
    const int sourceMiddleWidth = fw - l - r;
    const int sourceMiddleHeight = fh - t - b;
    const int destMiddleWidth = destWidth - l - r;
    const int destMiddleHeight = destHeight - t - b;

    const auto add = [&](NinePart part, PaintRect source, PaintRect dest) {
        if (source.HasArea() && dest.HasArea()) {
            plan.copies.push_back({part, {source, dest}});
        }
    };
    // Corners are drawn only when both of their margins are there.
    if (l > 0 && t > 0) {
        add(NinePart::TopLeft, InFrame(frame, 0, 0, l, t), RectAt(0, 0, l, t));
    }
    if (l > 0 && b > 0) {
        add(NinePart::BottomLeft, InFrame(frame, 0, fh - b, l, b), RectAt(0, destHeight - b, l, b));
    }
    if (r > 0 && t > 0) {
        add(NinePart::TopRight, InFrame(frame, fw - r, 0, r, t), RectAt(destWidth - r, 0, r, t));
    }
    add(NinePart::LeftEdge, InFrame(frame, 0, t, l, sourceMiddleHeight),
        RectAt(0, t, l, destMiddleHeight));
    add(NinePart::TopEdge, InFrame(frame, l, 0, sourceMiddleWidth, t),
        RectAt(l, 0, destMiddleWidth, t));

    const PaintRect centreSource = InFrame(frame, l, t, sourceMiddleWidth, sourceMiddleHeight);
    const PaintRect centreDest = RectAt(l, t, destMiddleWidth, destMiddleHeight);
    add(NinePart::Centre, centreSource, centreDest);
    if (tileCentre && centreSource.HasArea() && centreDest.HasArea()) {
        plan.tiledCentre = true;
        plan.centreTiles = {centreDest, sourceMiddleWidth, sourceMiddleHeight};
    }

    if (r > 0 && b > 0) {
        add(NinePart::BottomRight, InFrame(frame, fw - r, fh - b, r, b),
            RectAt(destWidth - r, destHeight - b, r, b));
    }
    add(NinePart::RightEdge, InFrame(frame, fw - r, t, r, sourceMiddleHeight),
        RectAt(destWidth - r, t, r, destMiddleHeight));
    add(NinePart::BottomEdge, InFrame(frame, l, fh - b, sourceMiddleWidth, b),
        RectAt(l, destHeight - b, destMiddleWidth, b));
    return plan;
}

StripTiledPlan PlanStripTiled(int destWidth, int destHeight, const PaintRect& frame, int leftMargin,
                              int rightMargin) {
    StripTiledPlan plan;
    const int fw = frame.Width();
    const int fh = frame.Height();
    if (destWidth <= 0 || destHeight <= 0 || fw <= 0 || fh <= 0) {
        return plan;
    }
    int l = leftMargin;
    int r = rightMargin;
    ClampEnds(l, r, fw);
    plan.leftEnd = {InFrame(frame, 0, 0, l, fh), RectAt(0, 0, l, destHeight)};
    plan.rightEnd = {InFrame(frame, fw - r, 0, r, fh), RectAt(destWidth - r, 0, r, destHeight)};
    const int middleWidth = fw - l - r;
    if (middleWidth > 0) {
        plan.middleSource = InFrame(frame, l, 0, middleWidth, fh);
        plan.middle = {{l, 0, std::max(l, destWidth - r), destHeight}, middleWidth, destHeight};
    }
    return plan;
}

std::vector<BlitPart> PlanStripStretched(const PaintRect& dest, const PaintRect& frame,
                                         int leftMargin, int rightMargin) {
    std::vector<BlitPart> parts;
    const int fw = frame.Width();
    const int fh = frame.Height();
    if (!dest.HasArea() || fw <= 0 || fh <= 0) {
        return parts;
    }
    if (dest.Width() < fw) {
        parts.push_back({frame, dest});
        return parts;
    }
    int l = leftMargin;
    int r = rightMargin;
    ClampEnds(l, r, fw);
    const auto add = [&](PaintRect source, PaintRect target) {
        if (source.HasArea() && target.HasArea()) {
            parts.push_back({source, target});
        }
    };
    add(InFrame(frame, 0, 0, l, fh), RectAt(dest.left, dest.top, l, dest.Height()));
    add(InFrame(frame, l, 0, fw - l - r, fh),
        RectAt(dest.left + l, dest.top, dest.Width() - l - r, dest.Height()));
    add(InFrame(frame, fw - r, 0, r, fh), RectAt(dest.right - r, dest.top, r, dest.Height()));
    return parts;
}

PaintRect CentredFrameDest(const PaintRect& dest, int frameWidth, int frameHeight) {
    return RectAt(dest.left + (dest.Width() - frameWidth) / 2,
                  dest.top + (dest.Height() - frameHeight) / 2, frameWidth, frameHeight);
}

} // namespace skin
