#include "tools/artgen/Atlases.h"

#include "tools/artgen/CaptionButtons.h"
#include "tools/artgen/CaptionFrame.h"
#include "tools/artgen/CheckRadio.h"
#include "tools/artgen/PushButtons.h"
#include "tools/artgen/ScrollParts.h"
#include "tools/artgen/SmallButtons.h"
#include "tools/artgen/Tabs.h"
#include "tools/artgen/TrackThumbs.h"

Canvas PaintActiveAtlas()
{
    Canvas atlas(kActiveAtlasW, kActiveAtlasH);
    PaintCaptionAndFrame(atlas, true);
    PaintCaptionButtons(atlas, true);
    PaintPushButtons(atlas);
    PaintCheckBoxesAndRadios(atlas);
    PaintScrollArrows(atlas);
    PaintSmallButtons(atlas);
    PaintMenuBarGlyphs(atlas);
    return atlas;
}

Canvas PaintInactiveAtlas()
{
    Canvas atlas(kInactiveAtlasW, kInactiveAtlasH);
    PaintCaptionAndFrame(atlas, false);
    PaintCaptionButtons(atlas, false);
    PaintTrackThumbs(atlas);
    PaintScrollThumbsAndTracks(atlas);
    PaintTabs(atlas);
    return atlas;
}
