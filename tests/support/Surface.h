#pragma once
// An off-screen surface in the screen's format, white to start with, for
// drawing tests.

#include "framework/GdiObject.h"

struct TSurface {
    TWindowDC Screen{nullptr};
    TMemoryDC DC{Screen.Get()};
    TGdiHandle<HBITMAP> Bitmap;
    TSelectObject Selected;

    explicit TSurface(int width = 200, int height = 150)
        : Bitmap(CreateCompatibleBitmap(Screen.Get(), width, height)), Selected(DC.Get(), Bitmap.Get())
    {
        RECT all{0, 0, width, height};
        FillRect(DC.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
};
