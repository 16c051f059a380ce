#include "tests/support/GdiCount.h"
#include "tests/theme/BitmapTestSupport.h"
#include "tests/theme/ThemeTestSupport.h"
#include "theme/NgLuna.h"

#include "framework/Exceptions.h"
#include "framework/LayoutReader.h"

#include <doctest/doctest.h>

#include "framework/ClassBuilder.h"
#include "resources/resource.h"

#include <ios>

#include <set>
#include <utility>

namespace {
// Every atlas pixel replaced by its own coordinates, so that a drawn pixel
// tells where in the atlas it came from: red = x, green = y's low byte,
// blue = 0x80 | y's high bits.
void EncodeCoordinates(TKsBitmap& atlas)
{
    for (int y = 0; y < atlas.Height(); ++y)
        for (int x = 0; x < atlas.Width(); ++x)
            atlas.SetPixel(x, y, MakeColor(x, y & 0xFF, 0x80 | (y >> 8), 255));
}

// The atlas position a pixel was copied from; (-1, -1) when it was not.
POINT SourceOf(uint32_t pixel)
{
    if ((pixel & 0x80) == 0)
        return POINT{-1, -1};
    return POINT{static_cast<LONG>((pixel >> 16) & 0xFF),
                 static_cast<LONG>(((pixel >> 8) & 0xFF) | ((pixel & 0x7F) << 8))};
}

bool Inside(const POINT& point, const RECT& rect)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

struct TPiece {
    const char* Name;
    RECT Source;
    RECT Target;
};
}

// Luna with an atlas resource that the module does not hold.
class TBrokenLuna : public TNgLuna {
    DECLARE_CLASS(TBrokenLuna, TNgLuna)
public:
    TBrokenLuna() : TNgLuna(RESOURCE_NAME(RES_LUNA_ATLAS), "XP_MISSING") {}
    static const TNgThemeClass& StaticThemeClass()
    {
        static const TNgThemeClass themeClass("Broken Luna", true,
                                              [] { return static_cast<TNgTheme*>(Create<TBrokenLuna>()); });
        return themeClass;
    }
    const TNgThemeClass& ThemeClass() const override { return StaticThemeClass(); }
};

IMPLEMENT_CLASS(TBrokenLuna) {}

TEST_CASE("Luna is registered after the base theme, available, named \"Luna XP\"")
{
    REQUIRE(ThemeClassCount() >= 2);
    CHECK(&ThemeClasses(0) == &TNgTheme::StaticThemeClass());
    CHECK(&ThemeClasses(1) == &TNgLuna::StaticThemeClass());
    CHECK(TNgLuna::StaticThemeClass().GetName() == "Luna XP");
    CHECK(TNgLuna::StaticThemeClass().IsAvailable());
    CHECK(FindThemeClass("luna xp") == nullptr);
}

TEST_CASE("Luna's atlases are loaded and keyed with magenta")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    CHECK(luna->ActiveAtlas().Width() == 190);
    CHECK(luna->ActiveAtlas().Height() == 372);
    CHECK(luna->InactiveAtlas().Width() == 196);
    CHECK(luna->InactiveAtlas().Height() == 435);
    for (TKsBitmap* atlas : {&luna->ActiveAtlas(), &luna->InactiveAtlas()}) {
        int keyed = 0;
        for (int y = 0; y < atlas->Height(); ++y)
            for (int x = 0; x < atlas->Width(); ++x) {
                const uint32_t pixel = atlas->GetPixel(x, y);
                const bool magenta = (pixel & 0xFFFFFF) == 0xFF00FF;
                if ((pixel >> 24) != (magenta ? 0u : 255u)) {
                    FAIL_CHECK("pixel " << x << "," << y << " = " << std::hex << pixel);
                    return;
                }
                keyed += magenta;
            }
        CHECK(keyed > 0);
    }
}

TEST_CASE("Luna's metric, colour and font tables")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    const int metrics[] = {3,  2,  29, 19, 10, 21, 21, 14, 14, 4,  4,  3,  3, 3,
                           22, 17, 16, 16, 16, 16, 11, 22, 4,  22, 17, 17, 2, 21};
    for (int i = 0; i < nmCount; ++i) {
        CAPTURE(i);
        CHECK(luna->GetMetric(i) == metrics[i]);
    }
    CHECK(luna->GetMetric(-1) == 0);
    CHECK(luna->GetMetric(nmCount) == 0);

    // Even with no hue shift every colour goes once through the HSL round
    // trip in single precision, which takes the blue's green down by one.
    const std::pair<int, TColor> colours[] = {
        {0, MakeTColor(255, 255, 255)},  {2, MakeTColor(255, 255, 255)},  {3, MakeTColor(255, 255, 220)},
        {4, MakeTColor(49, 105, 197)},   {5, MakeTColor(128, 128, 128)},  {6, MakeTColor(255, 255, 255)},
        {7, MakeTColor(49, 105, 197)},   {8, MakeTColor(255, 255, 255)},  {9, MakeTColor(49, 105, 197)},
        {10, MakeTColor(0, 0, 0)},       {11, MakeTColor(255, 255, 255)}, {12, MakeTColor(0, 0, 0)},
        {13, MakeTColor(255, 255, 255)}, {14, MakeTColor(128, 128, 128)}, {15, MakeTColor(0, 0, 0)},
        {16, MakeTColor(149, 206, 255)}, {17, MakeTColor(49, 105, 197)},
    };
    for (const auto& [index, colour] : colours) {
        CAPTURE(index);
        CHECK(luna->GetColor(index) == colour);
    }
    CHECK(luna->GetColor(ncUnused1) == luna->GetColor(ncCount));
    CHECK(luna->GetColor(-5) == luna->GetColor(ncCount));

    for (int i = nfCaption; i <= nfHeaderBar; ++i)
        CHECK(luna->GetFontName(i) == "Tahoma");
    CHECK(luna->GetFontName(nfHeaderBar + 1) == "Tahome");
    CHECK(luna->GetFontName(-1) == "Tahome");
    CHECK(luna->GetFontSize(nfCaption) == 10);
    CHECK(luna->GetFontSize(nfToolCaption) == 8);
    CHECK(luna->GetFontSize(9) == 8);
    CHECK(luna->GetFontStyle(nfCaption) == TFontStyles{fsBold});
    CHECK(luna->GetFontStyle(nfToolCaption) == TFontStyles{fsBold});
    CHECK(luna->GetFontStyle(nfMenuBarItem).Empty());
    CHECK(luna->GetFontStyle(7).Empty());
}

TEST_CASE("GetColor follows the hue: white stays white, the selection blue turns")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    const TColor blue = luna->GetColor(ncBorder);
    const uint32_t captionPixel = luna->ActiveAtlas().GetPixel(30, 10);
    luna->SetDeltaHue(60);
    CHECK(luna->GetColor(ncCaptionText) == clWhite);
    CHECK(luna->GetColor(ncBorder) != blue);
    CHECK(luna->ActiveAtlas().GetPixel(30, 10) != captionPixel);
    // Back to 0: white still white, blue close to where it was.
    luna->SetDeltaHue(0);
    CHECK(luna->GetColor(ncCaptionText) == clWhite);
    CHECK(luna->GetColor(ncBorder) == blue);
}

TEST_CASE("A standard 200 x 100 frame: which atlas piece lands where")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    EncodeCoordinates(luna->ActiveAtlas());
    EncodeCoordinates(luna->InactiveAtlas());

    struct TCase {
        int Style;
        bool Active;
        std::vector<TPiece> Pieces;
    };
    const int W = 200, H = 100;
    const TCase cases[] = {
        {1,
         true,
         {{"caption left", {0, 0, 10, 29}, {0, 0, 10, 29}},
          {"caption middle", {10, 0, 56, 29}, {10, 0, W - 10, 29}},
          {"caption right", {56, 0, 66, 29}, {W - 10, 0, W, 29}},
          {"bottom left", {0, 57, 3, 60}, {0, H - 3, 3, H}},
          {"bottom", {3, 57, 62, 60}, {3, H - 3, W - 3, H}},
          {"bottom right", {63, 57, 66, 60}, {W - 3, H - 3, W, H}},
          {"left cap", {0, 29, 3, 32}, {0, 29, 3, 32}},
          {"left", {0, 32, 3, 57}, {0, 32, 3, H - 3}},
          {"right cap", {63, 29, 66, 32}, {W - 3, 29, W, 32}},
          {"right", {63, 32, 66, 57}, {W - 3, 32, W, H - 3}}}},
        {2,
         false,
         {{"caption left", {66, 0, 76, 19}, {0, 0, 10, 19}},
          {"caption middle", {76, 0, 121, 19}, {10, 0, W - 10, 19}},
          {"caption right", {121, 0, 131, 19}, {W - 10, 0, W, 19}},
          {"bottom left", {66, 49, 68, 51}, {0, H - 2, 2, H}},
          {"bottom", {68, 49, 129, 51}, {2, H - 2, W - 2, H}},
          {"bottom right", {130, 49, 132, 51}, {W - 2, H - 2, W, H}},
          {"left cap", {66, 19, 68, 21}, {0, 19, 2, 21}},
          {"left", {66, 22, 69, 49}, {0, 21, 2, H - 2}},
          {"right cap", {130, 19, 132, 21}, {W - 2, 19, W, 21}},
          {"right", {130, 22, 132, 49}, {W - 2, 21, W, H - 2}}}},
    };
    for (const TCase& frame : cases) {
        CAPTURE(frame.Style);
        TOwned<TKsBitmap> bitmap = MakeBitmap(W, H);
        luna->DrawFormFrame(*bitmap, W, H, RECT{3, 29, W - 3, H - 3}, frame.Active, frame.Style);
        std::set<std::pair<int, int>> covered;
        for (const TPiece& piece : frame.Pieces) {
            CAPTURE(piece.Name);
            const bool copied = RectWidth(piece.Source) == RectWidth(piece.Target) &&
                                RectHeight(piece.Source) == RectHeight(piece.Target);
            POINT first{-1, -1}, last{-1, -1};
            bool ok = true;
            for (int y = piece.Target.top; y < piece.Target.bottom && ok; ++y)
                for (int x = piece.Target.left; x < piece.Target.right && ok; ++x) {
                    covered.insert({x, y});
                    const POINT source = SourceOf(bitmap->GetPixel(x, y));
                    if (copied)
                        ok = source.x == piece.Source.left + x - piece.Target.left &&
                             source.y == piece.Source.top + y - piece.Target.top;
                    else
                        ok = Inside(source, piece.Source);
                    if (!ok)
                        FAIL_CHECK("(" << x << "," << y << ") from (" << source.x << "," << source.y << ")");
                    if (x == piece.Target.left && y == piece.Target.top)
                        first = source;
                    last = source;
                }
            // Pieces that are not shrunk span their whole source (a shrink
            // may drop source columns at either end).
            if (RectWidth(piece.Target) >= RectWidth(piece.Source)) {
                CHECK(first.x == piece.Source.left);
                CHECK(last.x == piece.Source.right - 1);
            }
            if (RectHeight(piece.Target) >= RectHeight(piece.Source)) {
                CHECK(first.y == piece.Source.top);
                CHECK(last.y == piece.Source.bottom - 1);
            }
        }
        // Nothing is drawn over the client area.
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (!covered.count({x, y}) && bitmap->GetPixel(x, y) != 0) {
                    FAIL_CHECK("drawn outside the frame at " << x << "," << y);
                    y = H;
                    break;
                }
    }

    // Other border styles draw nothing.
    TOwned<TKsBitmap> none = MakeBitmap(W, H);
    luna->DrawFormFrame(*none, W, H, RECT{0, 0, W, H}, true, 0);
    luna->DrawFormFrame(*none, W, H, RECT{0, 0, W, H}, true, 3);
    CHECK(none->GetPixel(30, 10) == 0);
}

TEST_CASE("The standard frame's region loses exactly the rounded caption corners")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    const int W = 200, H = 100;
    HRGN region = luna->CreateFormRegion(W, H, 1);
    REQUIRE(region);
    std::set<std::pair<int, int>> removed;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (!PtInRegion(region, x, y))
                removed.insert({x, y});
    DeleteObject(region);
    std::set<std::pair<int, int>> expected;
    const int rowWidths[] = {5, 3, 2, 1, 1};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < rowWidths[y]; ++x) {
            expected.insert({x, y});
            expected.insert({W - 1 - x, y});
        }
    CHECK(removed == expected);

    for (int style : {0, 2, 3}) {
        CAPTURE(style);
        HRGN plain = luna->CreateFormRegion(W, H, style);
        REQUIRE(plain);
        RECT box;
        CHECK(GetRgnBox(plain, &box) == SIMPLEREGION);
        const RECT whole{0, 0, W, H};
        CHECK(EqualRect(&box, &whole) != 0);
        DeleteObject(plain);
    }
}

TEST_CASE("Caption buttons: pressed wins over hot, rows by button")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    EncodeCoordinates(luna->ActiveAtlas());
    EncodeCoordinates(luna->InactiveAtlas());
    TOwned<TKsBitmap> bitmap = MakeBitmap(40, 40);
    auto drawn = [&](int button, bool hot, bool pressed, bool active, int style) {
        bitmap->Fill(0);
        luna->DrawCaptionButton(*bitmap, RECT{5, 6, 26, 27}, button, hot, pressed, active, style);
        return SourceOf(bitmap->GetPixel(5, 6));
    };
    POINT p = drawn(2, true, true, true, 1);
    CHECK(p.x == 42);
    CHECK(p.y == 160);
    CHECK(SourceOf(bitmap->GetPixel(25, 26)).x == 62);
    CHECK(SourceOf(bitmap->GetPixel(25, 26)).y == 180);
    CHECK(bitmap->GetPixel(26, 6) == 0);

    const int rows[] = {70, 100, 160, 130, 190, 220, 280, 250};
    for (int button = 0; button < 8; ++button) {
        CAPTURE(button);
        CHECK(drawn(button, false, false, false, 1).y == rows[button]);
        CHECK(drawn(button, true, false, true, 1).x == 21);
        CHECK(drawn(button, false, false, true, 1).x == 0);
    }
    // The tool window's own small close button.
    CHECK(drawn(0, false, false, true, 2).x == 66);
    CHECK(drawn(0, true, false, true, 2).x == 80);
    CHECK(drawn(0, true, true, true, 2).x == 94);
    CHECK(drawn(0, true, true, true, 2).y == 70);
    CHECK(SourceOf(bitmap->GetPixel(5 + 14, 6)).x == -1);
    // Close with no caption draws nothing; other buttons ignore the style.
    CHECK(drawn(0, false, false, true, 0).x == -1);
    CHECK(drawn(3, false, false, true, 0).y == 130);
    CHECK(drawn(8, false, false, true, 1).x == -1);
}

TEST_CASE("Progress blocks: pitch from the height, one block more than fit")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    TOwned<TKsBitmap> bitmap = MakeBitmap(120, 40);
    const uint32_t green = MakeColor(33, 195, 33, 255);
    // Left edges of the green runs along row y.
    auto runs = [&](int y) {
        std::vector<std::pair<int, int>> found;
        for (int x = 0; x < bitmap->Width(); ++x) {
            if (bitmap->GetPixel(x, y) != green)
                continue;
            if (found.empty() || found.back().second != x)
                found.push_back({x, x + 1});
            else
                found.back().second = x + 1;
        }
        return found;
    };
    const RECT content{2, 2, 102, 12};

    bitmap->Fill(0);
    luna->DrawProgressChunks(*bitmap, content, RECT{2, 2, 17, 12}, 0, false);
    CHECK(runs(5) == std::vector<std::pair<int, int>>{{2, 8}, {10, 16}});
    CHECK(bitmap->GetPixel(5, 1) == 0);
    CHECK(bitmap->GetPixel(5, 12) == 0);

    bitmap->Fill(0);
    luna->DrawProgressChunks(*bitmap, content, RECT{2, 2, 9, 12}, 0, false);
    CHECK(runs(5).empty());

    // The last block is cut by the content.
    bitmap->Fill(0);
    luna->DrawProgressChunks(*bitmap, content, RECT{2, 2, 102, 12}, 0, false);
    auto full = runs(5);
    REQUIRE(full.size() == 13);
    CHECK(full.back() == std::pair<int, int>{98, 102});

    bitmap->Fill(0);
    luna->DrawProgressChunks(*bitmap, content, RECT{2, 2, 9, 12}, 0, true);
    CHECK(runs(5) == std::vector<std::pair<int, int>>{{2, 9}});

    // Vertical: counted from the bottom, pitch from the width (10 -> 8).
    bitmap->Fill(0);
    luna->DrawProgressChunks(*bitmap, RECT{20, 10, 30, 40}, RECT{20, 10, 30, 26}, 1, false);
    std::vector<int> greenRows;
    for (int y = 0; y < 40; ++y)
        if (bitmap->GetPixel(25, y) == green)
            greenRows.push_back(y);
    CHECK(greenRows == std::vector<int>{18, 19, 20, 21, 22, 23, 26, 27, 28, 29, 30, 31, 34, 35, 36, 37, 38, 39});
    bitmap->Fill(0);
    luna->DrawProgressChunks(*bitmap, RECT{20, 10, 30, 40}, RECT{20, 10, 30, 17}, 1, false);
    CHECK(bitmap->GetPixel(25, 39) == 0);
}

TEST_CASE("Popup items: measuring, separators, check marks and submenu arrows")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    TOwned<TKsBitmap> bitmap = MakeBitmap(200, 30);

    TNgMenuItemData separator;
    separator.Caption = "-";
    int width = 0, height = 0;
    luna->MeasurePopupItem(*bitmap, separator, width, height);
    CHECK(height == 9);

    TNgMenuItemData item;
    item.Caption = "&Close";
    item.ShortCut = "Alt+F4";
    luna->MeasurePopupItem(*bitmap, item, width, height);
    CHECK(height == 22);
    CHECK(bitmap->Font().Name() == "Tahoma");
    CHECK(width == bitmap->TextWidth("&Close") + bitmap->TextWidth("Alt+F4") + 58);
    luna->MeasureMenuBarItem(*bitmap, item, width, height);
    CHECK(width == bitmap->TextWidth("&Close") + 12);
    CHECK(height == 22);

    const uint32_t white = ColorToPixel(luna->GetColor(ncPopup), 255);
    const uint32_t selection = ColorToPixel(luna->GetColor(ncPopupSelected), 255);
    const uint32_t shadow = ColorToPixel(clBtnShadow, 255);

    // A separator: white with one shadow line 4 pixels down.
    bitmap->Fill(0);
    luna->DrawPopupItem(*bitmap, separator, RECT{0, 0, 100, 9}, false, true);
    CHECK(bitmap->GetPixel(1, 4) == white);
    CHECK(bitmap->GetPixel(2, 4) == shadow);
    CHECK(bitmap->GetPixel(97, 4) == shadow);
    CHECK(bitmap->GetPixel(98, 4) == white);
    CHECK(bitmap->GetPixel(50, 3) == white);
    CHECK(bitmap->GetPixel(50, 5) == white);

    // Checked without an image: the black check mark in the icon cell.
    TNgMenuItemData checked;
    checked.Caption = "Always on top";
    checked.Checked = true;
    bitmap->Fill(0);
    luna->DrawPopupItem(*bitmap, checked, RECT{0, 0, 150, 22}, false, true);
    const int cx = 11 - 2, cy = 11 + 1;
    CHECK((bitmap->GetPixel(cx, cy) & 0xFFFFFF) == 0);
    CHECK((bitmap->GetPixel(cx + 2, cy - 2) & 0xFFFFFF) == 0);
    CHECK((bitmap->GetPixel(cx - 3, cy - 2) & 0xFFFFFF) == 0xFFFFFF);

    // Selected with a submenu: the arrow's cell holds only the selection
    // colour and the selected text colour.
    TNgMenuItemData submenu;
    submenu.Caption = "More";
    submenu.Count = 2;
    bitmap->Fill(0);
    luna->DrawPopupItem(*bitmap, submenu, RECT{0, 0, 150, 22}, true, true);
    const uint32_t text = ColorToPixel(luna->GetColor(ncPopupSelectedText), 255);
    int arrowPixels = 0;
    bool onlyTwo = true;
    for (int y = 0; y < 22; ++y)
        for (int x = 132; x < 148; ++x) {
            const uint32_t pixel = bitmap->GetPixel(x, y);
            onlyTwo = onlyTwo && (pixel == selection || pixel == text);
            arrowPixels += pixel == text;
        }
    CHECK(onlyTwo);
    CHECK(arrowPixels > 3);
    CHECK(bitmap->GetPixel(0, 0) == ColorToPixel(luna->GetColor(ncMenuBorder), 255));
}

TEST_CASE("A missing atlas raises from the constructor and the engine keeps its theme")
{
    const int gdiBefore = CountGdiObjects();
    CHECK_THROWS_AS(Create<TBrokenLuna>(), EResNotFound);
    CHECK(CountGdiObjects() == gdiBefore);

    if (!IsThemeClassRegistered(TBrokenLuna::StaticThemeClass()))
        RegisterThemeClass(TBrokenLuna::StaticThemeClass());
    TOwned<TThemeTestForm> form = MakeOwned<TThemeTestForm>(nullptr);
    TNgThemeEngine* engine = Create<TNgThemeEngine>(form.get());
    TNgTheme* base = engine->Theme();
    CHECK_THROWS_AS(engine->SelectThemeClass(TBrokenLuna::StaticThemeClass()), EResNotFound);
    CHECK(engine->Theme() == base);

    // Through a layout the failure is swallowed.
    TOwned<TThemeTestForm> loaded = MakeOwned<TThemeTestForm>(nullptr);
    ReadLayout(loaded.get(),
               "object Form1: TThemeTestForm\n"
               "  object Engine: TNgThemeEngine\n"
               "    DeltaHue = 0\n"
               "    ThemeClass = {0B00000042726F6B656E204C756E61}\n"
               "  end\n"
               "end\n",
               "TESTBROKEN");
    REQUIRE(loaded->Engine);
    CHECK(&loaded->Engine->Theme()->ThemeClass() == &TNgTheme::StaticThemeClass());
}

TEST_CASE("A layout with an engine selects Luna with the stored hue applied")
{
    TOwned<TNgLuna> plain = MakeOwned<TNgLuna>();
    TOwned<TThemeTestForm> form = MakeOwned<TThemeTestForm>(nullptr);
    ReadLayout(form.get(),
               "object Form1: TThemeTestForm\n"
               "  object Engine: TNgThemeEngine\n"
               "    DeltaHue = 60\n"
               "    Version = '2.1'\n"
               "    ThemeClass = {070000004C756E61205850}\n"
               "  end\n"
               "end\n",
               "TESTLUNA");
    REQUIRE(form->Engine);
    auto* luna = dynamic_cast<TNgLuna*>(form->Engine->Theme());
    REQUIRE(luna);
    CHECK(luna->DeltaHue() == 60);
    CHECK(luna->ActiveAtlas().GetPixel(30, 10) != plain->ActiveAtlas().GetPixel(30, 10));
    plain->SetDeltaHue(60);
    CHECK(luna->ActiveAtlas().GetPixel(30, 10) == plain->ActiveAtlas().GetPixel(30, 10));
    CHECK(luna->GetColor(ncBorder) == plain->GetColor(ncBorder));
}

TEST_CASE("Themes free everything they make")
{
    // Warm up fonts and caches before counting.
    {
        TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
        TOwned<TKsBitmap> bitmap = MakeBitmap(100, 40);
        TNgMenuItemData item;
        item.Caption = "Item";
        item.Count = 1;
        luna->DrawPopupItem(*bitmap, item, RECT{0, 0, 100, 22}, true, true);
    }
    const int before = CountGdiObjects();
    for (int i = 0; i < 3; ++i) {
        TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
        luna->SetDeltaHue(30 * (i + 1));
        TOwned<TKsBitmap> bitmap = MakeBitmap(100, 40);
        TNgMenuItemData item;
        item.Caption = "Item";
        item.Count = 1;
        luna->DrawPopupItem(*bitmap, item, RECT{0, 0, 100, 22}, true, true);
        luna->DrawHeaderBar(*bitmap, RECT{0, 0, 100, 20}, "Header");
        luna->DrawPanel(*bitmap, RECT{0, 0, 100, 40}, 0);
        HRGN region = luna->CreateFormRegion(100, 40, 1);
        DeleteObject(region);
    }
    CHECK(CountGdiObjects() == before);
}
