#pragma once
// One column of the gallery: every themed element drawn through a theme,
// labelled, onto a bitmap.

#include "theme/KsBitmap.h"
#include "theme/NgThemes.h"

#include <string>

// Height and width one column needs.
constexpr int GalleryColumnWidth = 870;
constexpr int GalleryColumnHeight = 1090;

// Draws the column with its top-left at (left, top).
void DrawGalleryColumn(TNgTheme& theme, TKsBitmap& page, int left, int top, const std::string& title);
