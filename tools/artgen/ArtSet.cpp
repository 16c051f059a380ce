#include "tools/artgen/ArtSet.h"

#include "tools/artgen/Atlases.h"

std::vector<ArtFile> BuildArtSet()
{
    std::vector<ArtFile> files;
    files.push_back({"XP_MAIN.bmp", EncodeBmp24(PaintActiveAtlas())});
    files.push_back({"XP_MAIN1.bmp", EncodeBmp24(PaintInactiveAtlas())});
    return files;
}
