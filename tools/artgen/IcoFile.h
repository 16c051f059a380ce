#pragma once
// Icon files of 16-colour images, each with its AND mask. Key-coloured
// pixels of a canvas are the transparent ones.
#include "tools/artgen/BmpFile.h"

Bytes EncodeIco4(const std::vector<Canvas>& images, const Palette16& palette);
