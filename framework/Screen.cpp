#include "framework/Screen.h"

#include "framework/ClassBuilder.h"
#include "framework/Form.h"
#include "framework/Strings.h"

#include <algorithm>
#include <vector>

IMPLEMENT_CLASS(TScreen) {}

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TCustomForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FForms[static_cast<size_t>(index)];
}

TWinControl* TScreen::ActiveControl() const
{
    return FActiveForm ? FActiveForm->ActiveControl() : nullptr;
}

RECT TScreen::WorkAreaRect() const
{
    RECT area{0, 0, Width(), Height()};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int TScreen::WorkAreaWidth() const
{
    RECT area = WorkAreaRect();
    return area.right - area.left;
}

int TScreen::WorkAreaHeight() const
{
    RECT area = WorkAreaRect();
    return area.bottom - area.top;
}

void TScreen::AddForm(TCustomForm* form)
{
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end())
        FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
    if (FActiveForm == form)
        FActiveForm = nullptr;
}

HCURSOR TScreen::Cursors(TCursor cursor) const
{
    // The system's pointers in the order of TCursor, up to the hand.
    static const LPCSTR Names[] = {
        IDC_ARROW,    IDC_ARROW,  IDC_CROSS,   IDC_IBEAM, IDC_SIZEALL, IDC_SIZENESW,    IDC_SIZENS,
        IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,  IDC_NO,      IDC_APPSTARTING, IDC_HELP,
    };
    static_assert(sizeof Names / sizeof Names[0] == crHandPoint, "a name for every pointer before the hand");
    LPCSTR name = IDC_ARROW;
    if (cursor == crHandPoint) {
        // IDC_HAND arrived with Windows 98.
        if (HCURSOR hand = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)))
            return hand;
        if (!FHandCursor)
            FHandCursor.Reset(CreateHandCursor());
        if (FHandCursor)
            return FHandCursor.Get();
    } else if (cursor >= crDefault && cursor < crHandPoint) {
        name = Names[cursor];
    }
    HCURSOR handle = LoadCursorA(nullptr, name);
    return handle ? handle : LoadCursorA(nullptr, IDC_ARROW);
}

HCURSOR TScreen::CreateHandCursor()
{
    // '#' black outline, '.' white inside, anything else shows the screen.
    static const char* const Picture[] = {
        "      ##        ",  "     #..#       ",  "     #..#       ",  "     #..#       ",  "     #..#       ",
        "     #..###     ",  "     #..#..###  ",  "     #..#..#..##",  " ### #..#..#..#.#", " #..##........#.#",
        " #...#..........#", "  #..#..........#", "   #............#", "   #...........#",  "    #..........#",
        "    #.........#",   "     #........#",   "     #........#",   "     ##########",
    };
    const int size = 32;
    const int rowBytes = size / 8;
    std::vector<BYTE> andMask(static_cast<size_t>(rowBytes * size), 0xFF);
    std::vector<BYTE> xorMask(static_cast<size_t>(rowBytes * size), 0x00);
    int rows = static_cast<int>(sizeof Picture / sizeof Picture[0]);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; Picture[y][x] && x < size; ++x) {
            char c = Picture[y][x];
            if (c != '#' && c != '.')
                continue;
            size_t byte = static_cast<size_t>(y * rowBytes + x / 8);
            BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            andMask[byte] &= static_cast<BYTE>(~bit);
            if (c == '.')
                xorMask[byte] |= bit;
        }
    }
    // The hot spot is the tip of the finger.
    return CreateCursor(GetModuleHandleA(nullptr), 6, 0, size, size, andMask.data(), xorMask.data());
}
