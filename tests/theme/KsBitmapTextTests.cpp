// TKsBitmap's text: measuring, drawing in the font colour, turned text in
// both directions, and caption truncation.

#include "theme/KsBitmap.h"

#include <doctest/doctest.h>

#include <climits>

namespace {

constexpr uint32_t Paper = 0xFF000000;
constexpr uint32_t InkBlue = 0xFF0000FF;

TOwned<TKsBitmap> Sheet(int width, int height)
{
    TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Fill(Paper);
    bitmap->Font().SetName("Tahoma");
    bitmap->Font().SetHeight(-14);
    bitmap->Font().SetColor(clBlue);
    return bitmap;
}

// The bounding box of the pixels that are not paper.
struct TInk {
    int Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;
    int Count = 0;
    bool OnlyInk = true;
};

TInk FindInk(const TKsBitmap& bitmap, uint32_t ink)
{
    TInk found;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const uint32_t p = bitmap.GetPixel(x, y);
            if (p == Paper)
                continue;
            ++found.Count;
            found.OnlyInk = found.OnlyInk && p == ink;
            found.Left = std::min(found.Left, x);
            found.Right = std::max(found.Right, x);
            found.Top = std::min(found.Top, y);
            found.Bottom = std::max(found.Bottom, y);
        }
    return found;
}

}  // namespace

TEST_CASE("Text is measured in Font, and not at all on an Empty bitmap")
{
    TOwned<TKsBitmap> empty = MakeOwned<TKsBitmap>();
    CHECK(empty->TextWidth("Quorvel") == 0);
    CHECK(empty->TextHeight("Quorvel") == 0);
    CHECK(empty->TextExtent("Quorvel").cx == 0);

    TOwned<TKsBitmap> bitmap = Sheet(10, 10);
    const int narrow = bitmap->TextWidth("ii");
    const int wide = bitmap->TextWidth("WWWW");
    CHECK(narrow > 0);
    CHECK(wide > narrow);
    CHECK(bitmap->TextHeight("W") >= 14);
    bitmap->Font().SetHeight(-28);
    CHECK(bitmap->TextWidth("WWWW") > wide);
    CHECK(bitmap->TextExtent("WWWW").cx == bitmap->TextWidth("WWWW"));
}

TEST_CASE("DrawText draws in the font colour inside its rect and restores the DC")
{
    TOwned<TKsBitmap> bitmap = Sheet(120, 40);
    const COLORREF colour = GetTextColor(bitmap->DC());
    const HGDIOBJ font = GetCurrentObject(bitmap->DC(), OBJ_FONT);
    bitmap->DrawText("Mid", RECT{10, 5, 110, 35}, 37);
    const TInk ink = FindInk(*bitmap, InkBlue);
    REQUIRE(ink.Count > 0);
    CHECK(ink.Left >= 10);
    CHECK(ink.Right < 110);
    CHECK(ink.Top >= 5);
    CHECK(ink.Bottom < 35);
    // Centred: about as much room on the left as on the right.
    CHECK(std::abs((ink.Left - 10) - (109 - ink.Right)) <= 4);
    CHECK(GetTextColor(bitmap->DC()) == colour);
    CHECK(GetCurrentObject(bitmap->DC(), OBJ_FONT) == font);
}

TEST_CASE("DrawRotatedText turns the text a quarter, clockwise or not")
{
    // Upright the text would run left to right from the top-left corner
    // (format 0: top, left). Turned clockwise it runs down from the top,
    // its letters' tops toward the right edge; counter-clockwise it runs up
    // from the bottom, tops toward the left edge.
    const RECT rect{20, 10, 50, 130};
    TOwned<TKsBitmap> upright = Sheet(RectHeight(rect), RectWidth(rect));
    upright->DrawText("Quorvel", RECT{0, 0, upright->Width(), upright->Height()}, 0);
    const TInk flat = FindInk(*upright, InkBlue);
    REQUIRE(flat.Count > 0);

    TOwned<TKsBitmap> clockwise = Sheet(80, 150);
    clockwise->DrawRotatedText("Quorvel", rect, 0, true);
    const TInk right = FindInk(*clockwise, InkBlue);
    CHECK(right.OnlyInk);
    CHECK(right.Count == flat.Count);
    CHECK(right.Left == rect.right - flat.Bottom);
    CHECK(right.Right == rect.right - flat.Top);
    CHECK(right.Top == rect.top + flat.Left);
    CHECK(right.Bottom == rect.top + flat.Right);
    // The text starts at the top: the top half holds most of it.
    CHECK(right.Top - rect.top < rect.bottom - right.Bottom);

    TOwned<TKsBitmap> counter = Sheet(80, 150);
    counter->DrawRotatedText("Quorvel", rect, 0, false);
    const TInk left = FindInk(*counter, InkBlue);
    CHECK(left.OnlyInk);
    CHECK(left.Count == flat.Count);
    CHECK(left.Left == rect.left + flat.Top);
    CHECK(left.Right == rect.left + flat.Bottom);
    CHECK(left.Bottom == rect.bottom - flat.Left);
    CHECK(left.Top == rect.bottom - flat.Right);
    CHECK(rect.bottom - left.Bottom < left.Top - rect.top);

    // Each turn is the other's half-turn: pixel for pixel.
    bool mirrored = true;
    for (int y = 0; y < RectHeight(rect) + 1; ++y)
        for (int x = 0; x < RectWidth(rect) + 1; ++x)
            mirrored = mirrored && clockwise->GetPixel(rect.right - x, rect.top + y) ==
                                       counter->GetPixel(rect.left + x, rect.bottom - y);
    CHECK(mirrored);
}

TEST_CASE("TruncateText keeps what fits and ends a cut caption in an ellipsis")
{
    TOwned<TKsBitmap> bitmap = Sheet(10, 10);
    const std::string caption = "Quorvel resource meter";
    const int full = bitmap->TextExtent(caption).cx;
    CHECK(TruncateText(*bitmap, caption, full) == caption);
    CHECK(TruncateText(*bitmap, caption, full + 50) == caption);

    const std::string cut = TruncateText(*bitmap, caption, full / 2);
    REQUIRE(cut.size() > 3);
    CHECK(cut.substr(cut.size() - 3) == "...");
    const std::string prefix = cut.substr(0, cut.size() - 3);
    CHECK(caption.compare(0, prefix.size(), prefix) == 0);
    CHECK(bitmap->TextExtent(cut).cx <= full / 2);
    // One more character would not have fitted.
    CHECK(bitmap->TextExtent(caption.substr(0, prefix.size() + 1) + "...").cx > full / 2);

    CHECK(TruncateText(*bitmap, caption, 1) == "...");
    CHECK(TruncateText(*bitmap, "", 0) == "");
}
