#pragma once
// Every generated file, by its name under resources/art.
#include "tools/artgen/BmpFile.h"

#include <string>

struct ArtFile {
    std::string name;
    Bytes bytes;
};

std::vector<ArtFile> BuildArtSet();
