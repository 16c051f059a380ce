// Whole elements drawn by Luna, hashed pixel by pixel (as Wine's own DIB
// tests do), so that an unintended change of drawing or artwork shows.

#include "tests/theme/NgLunaElementHashes.h"
#include "theme/NgLuna.h"

#include "framework/Strings.h"

#include <doctest/doctest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {
struct TElement {
    std::string Name;
    int Width;
    int Height;
    std::function<void(TNgLuna&, TKsBitmap&)> Draw;
};

// 64-bit FNV-1a over the pixels, alpha included.
std::string HashPixels(const TKsBitmap& bitmap)
{
    uint64_t hash = 14695981039346656037ull;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            uint32_t pixel = bitmap.GetPixel(x, y);
            for (int i = 0; i < 4; ++i) {
                hash ^= (pixel >> (8 * i)) & 0xFF;
                hash *= 1099511628211ull;
            }
        }
    return Format("%08lX%08lX", static_cast<unsigned long>(hash >> 32), static_cast<unsigned long>(hash));
}

TNgMenuItemData Item(const char* caption)
{
    TNgMenuItemData item;
    item.Caption = caption;
    return item;
}

std::vector<TElement> Elements()
{
    std::vector<TElement> elements;
    for (int style : {nbsStandard, nbsToolWindow})
        for (bool active : {true, false})
            elements.push_back({Format("frame %d %s", style, active ? "active" : "inactive"), 200, 100,
                                [style, active](TNgLuna& luna, TKsBitmap& bitmap) {
                                    luna.DrawFormFrame(bitmap, 200, 100, RECT{3, 29, 197, 97}, active, style);
                                }});
    elements.push_back({"caption buttons", 8 * 63, 42, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            for (int button = ncbClose; button <= ncbTray; ++button)
                                for (int state = 0; state < 3; ++state)
                                    for (int active = 0; active < 2; ++active) {
                                        const int x = button * 63 + state * 21;
                                        luna.DrawCaptionButton(bitmap, RECT{x, active * 21, x + 21, active * 21 + 21},
                                                               button, state == 1, state == 2, active != 0,
                                                               nbsStandard);
                                    }
                        }});
    for (int state = esNormal; state <= esDefault; ++state)
        elements.push_back({Format("button state %d", state), 75, 25,
                            [state](TNgLuna& luna, TKsBitmap& bitmap) { luna.DrawButton(bitmap, 75, 25, state); }});
    elements.push_back({"check boxes", 4 * 16, 3 * 16, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            for (int state = esNormal; state <= esDisabled; ++state)
                                for (int check = ckChecked; check <= ckGrayed; ++check)
                                    luna.DrawCheckBox(bitmap,
                                                      RECT{state * 16, check * 16, state * 16 + 16, check * 16 + 16},
                                                      state, check);
                        }});
    elements.push_back({"radio buttons", 4 * 16, 2 * 16, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            for (int state = esNormal; state <= esDisabled; ++state)
                                for (int check = ckChecked; check <= ckUnchecked; ++check)
                                    luna.DrawRadioButton(bitmap,
                                                         RECT{state * 16, check * 16, state * 16 + 16, check * 16 + 16},
                                                         state, check);
                        }});
    elements.push_back(
        {"progress blocks", 273, 16, [](TNgLuna& luna, TKsBitmap& bitmap) {
             luna.DrawProgressFrame(bitmap, RECT{0, 0, 273, 16});
             luna.DrawProgressChunks(bitmap, RECT{2, 2, 271, 14}, RECT{2, 2, 136, 14}, orHorizontal, false);
         }});
    elements.push_back({"progress smooth", 100, 16, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            luna.DrawProgressFrame(bitmap, RECT{0, 0, 100, 16});
                            luna.DrawProgressChunks(bitmap, RECT{2, 2, 98, 14}, RECT{2, 2, 60, 14}, orHorizontal, true);
                        }});
    elements.push_back(
        {"popup frame", 120, 60, [](TNgLuna& luna, TKsBitmap& bitmap) { luna.DrawPopupFrame(bitmap, 120, 60); }});
    elements.push_back({"popup item", 150, 22, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            luna.DrawPopupItem(bitmap, Item("Mi&nimize"), RECT{0, 0, 150, 22}, false, true);
                        }});
    elements.push_back({"popup item selected with submenu", 150, 22, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            TNgMenuItemData item = Item("&More");
                            item.Count = 2;
                            luna.DrawPopupItem(bitmap, item, RECT{0, 0, 150, 22}, true, true);
                        }});
    elements.push_back({"popup item checked", 150, 22, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            TNgMenuItemData item = Item("Always on &top");
                            item.Checked = true;
                            luna.DrawPopupItem(bitmap, item, RECT{0, 0, 150, 22}, false, true);
                        }});
    elements.push_back({"popup item disabled with shortcut", 150, 22, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            TNgMenuItemData item = Item("&Close");
                            item.ShortCut = "Alt+F4";
                            item.Enabled = false;
                            luna.DrawPopupItem(bitmap, item, RECT{0, 0, 150, 22}, false, true);
                        }});
    elements.push_back({"popup separator", 150, 9, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            luna.DrawPopupItem(bitmap, Item("-"), RECT{0, 0, 150, 9}, false, true);
                        }});
    elements.push_back(
        {"menu bar", 200, 22, [](TNgLuna& luna, TKsBitmap& bitmap) {
             luna.DrawMenuBar(bitmap, 200, 22);
             luna.DrawMenuBarItem(bitmap, Item("&File"), RECT{0, 0, 40, 22}, false, true);
             luna.DrawMenuBarItem(bitmap, Item("&Edit"), RECT{40, 0, 80, 22}, true, true);
             for (int kind = ikClose; kind <= ikWindowIcon; ++kind) {
                 TNgMenuItemData item;
                 item.Kind = kind;
                 const int x = 90 + kind * 22;
                 luna.DrawMenuBarButton(bitmap, item, RECT{x, 0, x + 22, 22}, kind % 2 == 0, kind != ikMinimize);
             }
         }});
    elements.push_back({"panel, header bar and group frame", 160, 130, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            luna.DrawPanel(bitmap, RECT{0, 0, 160, 60}, 0);
                            luna.DrawHeaderBar(bitmap, RECT{0, 62, 160, 82}, "Header");
                            bitmap.Font().SetName("Tahoma");
                            bitmap.Font().SetSize(8);
                            luna.DrawGroupFrame(bitmap, RECT{2, 92, 150, 125}, RECT{10, 86, 60, 98}, "Group");
                        }});
    elements.push_back({"small buttons", 3 * 17, 3 * 17, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            for (int state = esNormal; state <= esPressed; ++state)
                                for (int row = 0; row < 3; ++row)
                                    luna.DrawSmallButton(bitmap,
                                                         RECT{state * 17, row * 17, state * 17 + 17, row * 17 + 17},
                                                         row == 2 ? sgCross : sgChevrons, state, row == 1);
                        }});
    elements.push_back(
        {"scroll pieces", 160, 80, [](TNgLuna& luna, TKsBitmap& bitmap) {
             luna.DrawScrollTrack(bitmap, RECT{0, 0, 17, 80}, true);
             luna.DrawScrollTrack(bitmap, RECT{20, 0, 160, 17}, false);
             for (int state = esNormal; state <= esDisabled; ++state) {
                 for (int dir = 0; dir < 4; ++dir)
                     luna.DrawScrollArrow(bitmap, RECT{20 + dir * 17, 20 + state * 15, 37 + dir * 17, 37 + state * 15},
                                          dir < 2, dir % 2 == 0, state);
                 luna.DrawScrollThumb(bitmap, RECT{95 + state * 15, 20, 110 + state * 15, 60}, true, state);
             }
             luna.DrawScrollThumb(bitmap, RECT{95, 62, 155, 79}, false, esHot);
         }});
    elements.push_back(
        {"track pieces", 200, 60, [](TNgLuna& luna, TKsBitmap& bitmap) {
             luna.DrawTrackChannel(bitmap, RECT{0, 0, 200, 4}, RECT{20, 1, 80, 3});
             for (int state = esNormal; state <= esFocused; ++state)
                 for (int kind = 0; kind < 3; ++kind) {
                     luna.DrawTrackThumb(bitmap, RECT{state * 40 + kind * 12, 6, 0, 0}, false, kind, state);
                     luna.DrawTrackThumb(bitmap, RECT{state * 40, 30 + kind * 10, 0, 0}, true, kind, state);
                 }
         }});
    elements.push_back({"tab page and tabs", 200, 100, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            luna.DrawTabPage(bitmap, RECT{0, 30, 200, 100});
                            for (int position = 0; position < 4; ++position)
                                for (int row = 0; row < 3; ++row) {
                                    static const int states[] = {esNormal, esHot, esFocused};
                                    luna.DrawTab(bitmap,
                                                 RECT{position * 50, row * 10, position * 50 + 48, row * 10 + 22},
                                                 position, states[row]);
                                }
                        }});
    elements.push_back({"frame 1 active, hue 60", 200, 100, [](TNgLuna& luna, TKsBitmap& bitmap) {
                            luna.SetDeltaHue(60);
                            luna.DrawFormFrame(bitmap, 200, 100, RECT{3, 29, 197, 97}, true, nbsStandard);
                            luna.DrawButton(bitmap, 75, 25, esHot);
                            luna.DrawPopupItem(bitmap, Item("Hue"), RECT{0, 60, 150, 82}, true, true);
                            luna.SetDeltaHue(0);
                        }});
    return elements;
}

const char* ExpectedHash(const std::string& name)
{
    for (const TElementHash& expected : ExpectedElementHashes)
        if (name == expected.Name)
            return expected.Hash;
    return "";
}
}

TEST_CASE("Whole elements drawn by Luna keep their pixels")
{
    TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
    const bool print = std::getenv("QUORVEL_PRINT_HASHES") != nullptr;
    for (const TElement& element : Elements()) {
        TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
        bitmap->SetSize(element.Width, element.Height);
        // A ground that shows where the element leaves the target alone.
        bitmap->Fill(MakeColor(12, 34, 56, 78));
        element.Draw(*luna, *bitmap);
        const std::string hash = HashPixels(*bitmap);
        if (print)
            std::printf("    {\"%s\", \"%s\"},\n", element.Name.c_str(), hash.c_str());
        CAPTURE(element.Name);
        CHECK(hash == ExpectedHash(element.Name));
    }
}
