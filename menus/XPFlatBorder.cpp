#include "menus/XPFlatBorder.h"

#include "framework/Canvas.h"
#include "framework/GdiObject.h"

namespace {

void Fill(TCanvas& canvas, const RECT& rect, TColor color)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

}

void DrawXPFlatBorder(HWND menuWindow, const TXPMenuColors& colors, int iconWidth, bool gradient)
{
    RECT window;
    RECT client;
    if (!menuWindow || !GetWindowRect(menuWindow, &window) || !GetClientRect(menuWindow, &client))
        return;
    POINT clientOrigin{0, 0};
    ClientToScreen(menuWindow, &clientOrigin);
    TWindowDC screen(nullptr);
    if (!screen)
        return;
    TCanvas canvas(screen.Get());

    // The frame stands 2 pixels in from the right and bottom, leaving room
    // for the shadow.
    RECT frame{window.left, window.top, window.right - 2, window.bottom - 2};
    canvas.Brush().SetColor(colors.MenuBorder);
    canvas.FrameRect(frame);

    // Between the frame and the items lies the system's raised edge: cover
    // it in the colours of the items next to it.
    int clientLeft = clientOrigin.x;
    int clientTop = clientOrigin.y;
    int clientRight = clientOrigin.x + client.right;
    int clientBottom = clientOrigin.y + client.bottom;
    RECT inside{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    if (inside.right > inside.left && inside.bottom > inside.top) {
        Fill(canvas, RECT{clientRight, inside.top, inside.right, inside.bottom}, colors.Item);
        Fill(canvas, RECT{inside.left, clientBottom, inside.right, inside.bottom}, colors.Item);
        Fill(canvas, RECT{inside.left, inside.top, inside.right, clientTop}, colors.Item);
        Fill(canvas, RECT{inside.left, inside.top, clientLeft, inside.bottom}, colors.IconStrip);
        if (!gradient)
            Fill(canvas, RECT{inside.left, inside.top, clientLeft + iconWidth, clientTop}, colors.IconStrip);
        RECT stripBottom{inside.left, clientBottom, clientLeft + iconWidth, inside.bottom};
        if (!gradient)
            Fill(canvas, stripBottom, colors.IconStrip);
    }

    // The shadow, its two outer corners cleared.
    Fill(canvas, RECT{window.right - 2, window.top, window.right, window.bottom}, colors.MenuShadow);
    Fill(canvas, RECT{window.left, window.bottom - 2, window.right, window.bottom}, colors.MenuShadow);
    Fill(canvas, RECT{window.left, window.bottom - 2, window.left + 2, window.bottom}, colors.IconStrip);
    Fill(canvas, RECT{window.right - 2, window.top, window.right, window.top + 2}, colors.IconStrip);
}
