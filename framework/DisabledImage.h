#pragma once
// The greyed form of a picture, as disabled menu items and buttons show it: its dark, opaque
// pixels make a shape drawn once in the highlight colour one pixel down and right, and once in
// the shadow colour over it. Free of Win32.

#include <cstdint>
#include <span>
#include <vector>

// One byte per pixel, rows top-down: 1 where pixel `i` belongs to the shape, that is where it is
// not transparent (transparent[i] == 0, or `transparent` empty) and not light (its brightness
// below 192 of 255). Pixels are 0x00RRGGBB. Empty when the sizes do not fit.
std::vector<std::uint8_t> DisabledShape(int width, int height,
                                        std::span<const std::uint32_t> pixels,
                                        std::span<const std::uint8_t> transparent);

// The shape as the rows of a 1-bit-per-pixel bitmap (rows padded to 16 bits, first pixel in the
// top bit): 0 where the shape is, 1 elsewhere, so that a blit of it paints through the zeros.
std::vector<std::uint8_t> ShapeToMonoRows(int width, int height,
                                          std::span<const std::uint8_t> shape);
