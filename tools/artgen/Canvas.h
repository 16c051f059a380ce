#pragma once
// A small RGB raster that every piece of artwork is painted on, plus the
// integer colour arithmetic the painters share. Everything is integer so
// that the generated files are identical on every build and every run.
#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    constexpr Rgb() = default;
    constexpr Rgb(int red, int green, int blue) : r(uint8_t(red)), g(uint8_t(green)), b(uint8_t(blue)) {}
    constexpr bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    constexpr bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// The transparency key of the atlases and bitmaps.
constexpr Rgb kKey(255, 0, 255);

// Half-open rectangle in pixels.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// a moved toward b by num/den, rounded to nearest.
Rgb Mix(Rgb a, Rgb b, int num, int den);
// Adds d to every channel, clamped.
Rgb Lighten(Rgb c, int d);

// A colour ramp: stops at increasing integer positions, linear between them,
// flat outside them.
struct Stop {
    int at;
    Rgb colour;
};
Rgb Ramp(const std::vector<Stop>& stops, int t);
// The same ramp given over 0..1000 and sampled at step i of n (0 .. n-1).
Rgb RampAt(const std::vector<Stop>& stops, int i, int n);

class Canvas {
public:
    Canvas(int width, int height, Rgb fill = kKey);

    int Width() const { return width_; }
    int Height() const { return height_; }

    Rgb At(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Drawing outside the canvas is ignored.
    void Set(int x, int y, Rgb c);
    // Covers the pixel with c to the extent coverage/64 (as from Shapes).
    void Cover(int x, int y, Rgb c, int coverage);
    void Fill(const Rect& r, Rgb c);

    void Paste(const Canvas& src, int x, int y);
    Canvas Crop(const Rect& r) const;
    // Swaps rows and columns: turns an upright piece into a lying one.
    Canvas Transposed() const;
    Canvas MirroredX() const;
    Canvas MirroredY() const;

private:
    int width_, height_;
    std::vector<Rgb> pixels_;
};
