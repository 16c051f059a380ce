#include "tools/artgen/Shapes.h"

#include <algorithm>
#include <cstdint>

namespace {

// Distance test against a segment without division: true when the point lies
// within halfWidth of segment a-b.
bool NearSegment(SubPoint a, SubPoint b, int px, int py, int halfWidth)
{
    const int64_t hw2 = int64_t(halfWidth) * halfWidth;
    const int64_t vx = b.x - a.x, vy = b.y - a.y;
    const int64_t wx = px - a.x, wy = py - a.y;
    const int64_t len2 = vx * vx + vy * vy;
    const int64_t dot = wx * vx + wy * vy;
    if (len2 == 0 || dot <= 0)
        return wx * wx + wy * wy <= hw2;
    if (dot >= len2) {
        const int64_t ux = px - b.x, uy = py - b.y;
        return ux * ux + uy * uy <= hw2;
    }
    const int64_t cross = wx * vy - wy * vx;
    return cross * cross <= hw2 * len2;
}

}  // namespace

int Coverage(const Shape& shape, int x, int y)
{
    int n = 0;
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i)
            if (shape(S(x) + 2 * i + 1, S(y) + 2 * j + 1))
                ++n;
    return n;
}

Shape RoundRect(int left, int top, int right, int bottom, int rTopLeft, int rTopRight, int rBottomRight,
                int rBottomLeft)
{
    return [=](int x, int y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        int r = 0, cx = 0, cy = 0;
        if (x < left + rTopLeft && y < top + rTopLeft) {
            r = rTopLeft, cx = left + r, cy = top + r;
        } else if (x >= right - rTopRight && y < top + rTopRight) {
            r = rTopRight, cx = right - r, cy = top + r;
        } else if (x >= right - rBottomRight && y >= bottom - rBottomRight) {
            r = rBottomRight, cx = right - r, cy = bottom - r;
        } else if (x < left + rBottomLeft && y >= bottom - rBottomLeft) {
            r = rBottomLeft, cx = left + r, cy = bottom - r;
        } else {
            return true;
        }
        const int64_t dx = x - cx, dy = y - cy;
        return dx * dx + dy * dy <= int64_t(r) * r;
    };
}

Shape RoundRect(int left, int top, int right, int bottom, int radius)
{
    return RoundRect(left, top, right, bottom, radius, radius, radius, radius);
}

Shape Ellipse(int cx, int cy, int rx, int ry)
{
    return [=](int x, int y) {
        const int64_t dx = x - cx, dy = y - cy;
        const int64_t a = int64_t(rx) * rx, b = int64_t(ry) * ry;
        return dx * dx * b + dy * dy * a <= a * b;
    };
}

Shape Disc(int cx, int cy, int r)
{
    return Ellipse(cx, cy, r, r);
}

Shape Polyline(const std::vector<SubPoint>& points, int halfWidth)
{
    return [=](int x, int y) {
        if (points.size() == 1)
            return NearSegment(points[0], points[0], x, y, halfWidth);
        for (std::size_t i = 1; i < points.size(); ++i)
            if (NearSegment(points[i - 1], points[i], x, y, halfWidth))
                return true;
        return false;
    };
}

Shape Polygon(const std::vector<SubPoint>& points)
{
    return [=](int x, int y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const SubPoint a = points[i], b = points[j];
            if ((a.y > y) == (b.y > y))
                continue;
            // x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), without dividing
            const int64_t lhs = int64_t(x - a.x) * (b.y - a.y);
            const int64_t rhs = int64_t(y - a.y) * (b.x - a.x);
            if (b.y > a.y ? lhs < rhs : lhs > rhs)
                inside = !inside;
        }
        return inside;
    };
}

Shape Union(Shape a, Shape b)
{
    return [=](int x, int y) { return a(x, y) || b(x, y); };
}

Shape Minus(Shape a, Shape b)
{
    return [=](int x, int y) { return a(x, y) && !b(x, y); };
}

Shape Intersect(Shape a, Shape b)
{
    return [=](int x, int y) { return a(x, y) && b(x, y); };
}

Shape Moved(Shape a, int dx, int dy)
{
    return [=](int x, int y) { return a(x - dx, y - dy); };
}

void PaintShape(Canvas& canvas, const Shape& shape, const Rect& bounds, Rgb colour)
{
    PaintShape(canvas, shape, bounds, [colour](int, int) { return colour; });
}

void PaintShape(Canvas& canvas, const Shape& shape, const Rect& bounds, const Paint& paint)
{
    for (int y = bounds.top; y < bounds.bottom; ++y)
        for (int x = bounds.left; x < bounds.right; ++x) {
            const int c = Coverage(shape, x, y);
            if (c > 0)
                canvas.Cover(x, y, paint(x, y), c);
        }
}

void KeyOutside(Canvas& canvas, const Shape& shape, const Rect& bounds, int minCoverage)
{
    for (int y = bounds.top; y < bounds.bottom; ++y)
        for (int x = bounds.left; x < bounds.right; ++x)
            if (Coverage(shape, x, y) < minCoverage)
                canvas.Set(x, y, kKey);
}
