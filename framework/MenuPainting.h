#pragma once
// The plain look of an owner-drawn menu item that has no measure or draw
// handler of its own: the system's menu colours and font, a check mark or
// radio dot, the item's image, caption and shortcut text.

#include <windows.h>

class TCanvas;
class TMenuItem;

void MeasureMenuItemPlainly(TMenuItem& item, TCanvas& canvas, int& width, int& height);
void DrawMenuItemPlainly(TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected);

// The font the system draws menus with (bold for a default item), for the
// canvas of a measure or draw request.
void SelectMenuFont(TMenuItem& item, TCanvas& canvas);
