#include "tools/artgen/Canvas.h"

#include <algorithm>

namespace {

int MixChannel(int a, int b, int num, int den)
{
    return (a * (den - num) + b * num + den / 2) / den;
}

int Clamp(int v)
{
    return std::min(255, std::max(0, v));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, int num, int den)
{
    if (num <= 0)
        return a;
    if (num >= den)
        return b;
    return Rgb(MixChannel(a.r, b.r, num, den), MixChannel(a.g, b.g, num, den), MixChannel(a.b, b.b, num, den));
}

Rgb Lighten(Rgb c, int d)
{
    return Rgb(Clamp(c.r + d), Clamp(c.g + d), Clamp(c.b + d));
}

Rgb Ramp(const std::vector<Stop>& stops, int t)
{
    if (t <= stops.front().at)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const Stop& a = stops[i - 1];
            const Stop& b = stops[i];
            return Mix(a.colour, b.colour, t - a.at, b.at - a.at);
        }
    }
    return stops.back().colour;
}

Rgb RampAt(const std::vector<Stop>& stops, int i, int n)
{
    return Ramp(stops, n <= 1 ? 0 : i * 1000 / (n - 1));
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(std::size_t(width) * height, fill)
{
}

void Canvas::Set(int x, int y, Rgb c)
{
    if (Inside(x, y))
        pixels_[std::size_t(y) * width_ + x] = c;
}

void Canvas::Cover(int x, int y, Rgb c, int coverage)
{
    if (Inside(x, y) && coverage > 0)
        Set(x, y, Mix(At(x, y), c, coverage, 64));
}

void Canvas::Fill(const Rect& r, Rgb c)
{
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            Set(x, y, c);
}

void Canvas::Paste(const Canvas& src, int x, int y)
{
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx)
            Set(x + sx, y + sy, src.At(sx, sy));
}

Canvas Canvas::Crop(const Rect& r) const
{
    Canvas out(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            if (Inside(r.left + x, r.top + y))
                out.Set(x, y, At(r.left + x, r.top + y));
    return out;
}

Canvas Canvas::Transposed() const
{
    Canvas out(height_, width_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.Set(y, x, At(x, y));
    return out;
}

Canvas Canvas::MirroredX() const
{
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.Set(width_ - 1 - x, y, At(x, y));
    return out;
}

Canvas Canvas::MirroredY() const
{
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.Set(x, height_ - 1 - y, At(x, y));
    return out;
}
