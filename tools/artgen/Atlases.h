#pragma once
// The two atlases the Luna theme cuts its look from.
#include "tools/artgen/Canvas.h"

constexpr int kActiveAtlasW = 190, kActiveAtlasH = 372;
constexpr int kInactiveAtlasW = 196, kInactiveAtlasH = 435;

// "XP_MAIN": active frame and caption buttons, push buttons, check boxes,
// radios, scroll arrows, small buttons, menu-bar glyphs.
Canvas PaintActiveAtlas();
// "XP_MAIN1": inactive frame and caption buttons, track thumbs, scroll
// track and thumbs, tabs and the tab page.
Canvas PaintInactiveAtlas();
