#pragma once
// A small raster for drawing the default skin's images: shapes given by signed distance,
// sampled 4 x 4 per pixel. Over the key colour (magenta) a pixel is either covered or left
// alone, since a blend with magenta would show as a pink fringe once the key is cut out.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

using Colour = std::uint32_t; // 0x00RRGGBB
inline constexpr Colour kKey = 0xFF00FF;

struct Point {
    double x;
    double y;
};

class Raster {
public:
    Raster(int width, int height, Colour fill = kKey);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    Colour Get(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void Set(int x, int y, Colour c);

    void Fill(int x, int y, int w, int h, Colour c);
    void GradientV(int x, int y, int w, int h, Colour top, Colour bottom);
    // shade answers the colour of a sample point inside the shape, or nothing outside it.
    void Paint(const std::function<std::optional<Colour>(double, double)>& shade);

    // Rounded box with a border of the given width; the fill runs from fillTop to fillBottom.
    void RoundBox(double x, double y, double w, double h, double radius, Colour border,
                  Colour fillTop, Colour fillBottom, double borderWidth = 1.0);
    void RoundFill(double x, double y, double w, double h, double radius, Colour fill);
    void Line(double x0, double y0, double x1, double y1, double width, Colour c);
    void Polyline(const std::vector<Point>& points, double width, Colour c);
    void Disc(double cx, double cy, double radius, Colour c);
    // A convex polygon (points clockwise on screen) with a border.
    void ConvexPolygon(const std::vector<Point>& points, Colour border, Colour fill,
                       double borderWidth = 1.0);
    void Place(const Raster& source, int dx, int dy);

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

// Frames put side by side (or one above the other) into one strip.
Raster Strip(const std::vector<Raster>& frames, bool stacked = false);
Colour Mix(Colour a, Colour b, double t); // t = 0 gives a, 1 gives b
