#pragma once
// One column of the gallery: every themed element drawn through a theme,
// labelled, onto a bitmap.

#include "theme/KsBitmap.h"
#include "theme/NgThemes.h"

#include <string>

// Height and width one column needs.
constexpr int GalleryColumnWidth = 870;
constexpr int GalleryColumnHeight = 1090;

// A line of 8-point Tahoma in black, and a bold heading with a rule under
// it across a column (the next free y is returned).
void GalleryLabel(TKsBitmap& page, const std::string& text, int x, int y, int width, UINT format = KsTextLeft,
                  bool bold = false);
int GalleryHeading(TKsBitmap& page, const std::string& text, int left, int y);

// Draws the column with its top-left at (left, top).
void DrawGalleryColumn(TNgTheme& theme, TKsBitmap& page, int left, int top, const std::string& title);
