#include "tools/artgen/Atlases.h"

#include "tools/artgen/CaptionButtons.h"
#include "tools/artgen/CaptionFrame.h"
#include "tools/artgen/CheckRadio.h"
#include "tools/artgen/PushButtons.h"

Canvas PaintActiveAtlas()
{
    Canvas atlas(kActiveAtlasW, kActiveAtlasH);
    PaintCaptionAndFrame(atlas, true);
    PaintCaptionButtons(atlas, true);
    PaintPushButtons(atlas);
    PaintCheckBoxesAndRadios(atlas);
    return atlas;
}

Canvas PaintInactiveAtlas()
{
    Canvas atlas(kInactiveAtlasW, kInactiveAtlasH);
    PaintCaptionAndFrame(atlas, false);
    PaintCaptionButtons(atlas, false);
    return atlas;
}
