#pragma once
// Shapes for hand-made anti-aliasing. A shape answers whether a point lies
// inside it, in sub-pixel units (16 per pixel); a pixel's coverage is the
// share of its 8 x 8 sample points inside, 0 to 64. All integer, so edges
// come out the same on every build.
#include "tools/artgen/Canvas.h"

#include <functional>
#include <vector>

constexpr int kSub = 16;
// Pixel position p in sub-pixel units; Half(p) is p + 0.5.
constexpr int S(int p)
{
    return p * kSub;
}
constexpr int Half(int p)
{
    return p * kSub + kSub / 2;
}

using Shape = std::function<bool(int sx, int sy)>;
using Paint = std::function<Rgb(int x, int y)>;

struct SubPoint {
    int x, y;  // sub-pixel units
};

int Coverage(const Shape& shape, int x, int y);

// Rectangle with each corner rounded by its own radius (all in sub-pixels).
Shape RoundRect(int left, int top, int right, int bottom, int rTopLeft, int rTopRight, int rBottomRight,
                int rBottomLeft);
Shape RoundRect(int left, int top, int right, int bottom, int radius);
Shape Ellipse(int cx, int cy, int rx, int ry);
Shape Disc(int cx, int cy, int r);
// A thick line through the points with round joins and caps.
Shape Polyline(const std::vector<SubPoint>& points, int halfWidth);
// Even-odd filled polygon.
Shape Polygon(const std::vector<SubPoint>& points);

Shape Union(Shape a, Shape b);
Shape Minus(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
// The shape moved by (dx, dy) sub-pixels.
Shape Moved(Shape a, int dx, int dy);

// Paints the shape over the canvas pixels of bounds, anti-aliased.
void PaintShape(Canvas& canvas, const Shape& shape, const Rect& bounds, Rgb colour);
void PaintShape(Canvas& canvas, const Shape& shape, const Rect& bounds, const Paint& paint);
// Pixels of bounds that the shape covers less than minCoverage/64 become the
// key colour; the rest keep the colour they were painted with.
void KeyOutside(Canvas& canvas, const Shape& shape, const Rect& bounds, int minCoverage);
