#include "tools/defaultskin/Raster.h"

#include <algorithm>
#include <cmath>

namespace {

double SegmentDistance(double px, double py, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

// Signed distance to a rounded rectangle: negative inside.
double RoundRectDistance(double px, double py, double x, double y, double w, double h, double r) {
    const double cx = x + w / 2, cy = y + h / 2;
    const double qx = std::abs(px - cx) - (w / 2 - r);
    const double qy = std::abs(py - cy) - (h / 2 - r);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
}

} // namespace

Colour Mix(Colour a, Colour b, double t) {
    auto channel = [&](int shift) {
        const double va = (a >> shift) & 0xFF, vb = (b >> shift) & 0xFF;
        return static_cast<Colour>(std::lround(va + (vb - va) * t)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

Raster::Raster(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Raster::Set(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
    }
}

void Raster::Fill(int x, int y, int w, int h, Colour c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            Set(i, j, c);
        }
    }
}

void Raster::GradientV(int x, int y, int w, int h, Colour top, Colour bottom) {
    for (int j = 0; j < h; ++j) {
        Fill(x, y + j, w, 1, Mix(top, bottom, h > 1 ? static_cast<double>(j) / (h - 1) : 0.0));
    }
}

void Raster::Paint(const std::function<std::optional<Colour>(double, double)>& shade) {
    constexpr int kSamples = 4;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            double r = 0, g = 0, b = 0;
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const auto c = shade(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
                    if (!c) {
                        continue;
                    }
                    r += (*c >> 16) & 0xFF;
                    g += (*c >> 8) & 0xFF;
                    b += *c & 0xFF;
                    ++hits;
                }
            }
            if (hits == 0) {
                continue;
            }
            const Colour covered = static_cast<Colour>(std::lround(r / hits)) << 16 |
                                   static_cast<Colour>(std::lround(g / hits)) << 8 |
                                   static_cast<Colour>(std::lround(b / hits));
            const double coverage = static_cast<double>(hits) / (kSamples * kSamples);
            Colour& pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
            if (pixel == kKey) {
                if (coverage >= 0.5) {
                    pixel = covered == kKey ? 0xFE00FE : covered;
                }
            } else {
                pixel = Mix(pixel, covered, coverage);
            }
        }
    }
}

void Raster::RoundBox(double x, double y, double w, double h, double radius, Colour border,
                      Colour fillTop, Colour fillBottom, double borderWidth) {
    Paint([=](double px, double py) -> std::optional<Colour> {
        const double d = RoundRectDistance(px, py, x, y, w, h, radius);
        if (d > 0) {
            return std::nullopt;
        }
        if (d > -borderWidth) {
            return border;
        }
        return Mix(fillTop, fillBottom, h > 0 ? std::clamp((py - y) / h, 0.0, 1.0) : 0.0);
    });
}

void Raster::RoundFill(double x, double y, double w, double h, double radius, Colour fill) {
    RoundBox(x, y, w, h, radius, fill, fill, fill, 0.0);
}

void Raster::Line(double x0, double y0, double x1, double y1, double width, Colour c) {
    Paint([=](double px, double py) -> std::optional<Colour> {
        if (SegmentDistance(px, py, {x0, y0}, {x1, y1}) <= width / 2) {
            return c;
        }
        return std::nullopt;
    });
}

void Raster::Polyline(const std::vector<Point>& points, double width, Colour c) {
    Paint([&](double px, double py) -> std::optional<Colour> {
        for (std::size_t i = 1; i < points.size(); ++i) {
            if (SegmentDistance(px, py, points[i - 1], points[i]) <= width / 2) {
                return c;
            }
        }
        return std::nullopt;
    });
}

void Raster::Disc(double cx, double cy, double radius, Colour c) {
    Paint([=](double px, double py) -> std::optional<Colour> {
        if (std::hypot(px - cx, py - cy) <= radius) {
            return c;
        }
        return std::nullopt;
    });
}

void Raster::ConvexPolygon(const std::vector<Point>& points, Colour border, Colour fill,
                           double borderWidth) {
    Paint([&](double px, double py) -> std::optional<Colour> {
        // Signed distance: the largest distance outside any edge line.
        double d = -1e9;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i], b = points[(i + 1) % points.size()];
            const double ex = b.x - a.x, ey = b.y - a.y;
            const double len = std::hypot(ex, ey);
            if (len == 0) {
                continue;
            }
            // Clockwise on screen (y down): the outward normal is (ey, -ex).
            d = std::max(d, ((px - a.x) * ey - (py - a.y) * ex) / len);
        }
        if (d > 0) {
            return std::nullopt;
        }
        return d > -borderWidth ? border : fill;
    });
}

void Raster::Place(const Raster& source, int dx, int dy) {
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            Set(dx + x, dy + y, source.Get(x, y));
        }
    }
}

Raster Strip(const std::vector<Raster>& frames, bool stacked) {
    const int fw = frames.front().Width(), fh = frames.front().Height();
    const int n = static_cast<int>(frames.size());
    Raster strip(stacked ? fw : fw * n, stacked ? fh * n : fh);
    for (int i = 0; i < n; ++i) {
        strip.Place(frames[i], stacked ? 0 : fw * i, stacked ? fh * i : 0);
    }
    return strip;
}
