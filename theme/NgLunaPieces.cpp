// Drawing from the atlases: copies, stretches and nine-slices.

#include "theme/KsBitmap.h"
#include "theme/NgLuna.h"

namespace {
// Restores the atlas's PerPixelAlpha mode, also when drawing raises.
class TAlphaMode {
public:
    TAlphaMode(TKsBitmap& atlas, bool perPixel) : FAtlas(atlas), FSaved(atlas.PerPixelAlpha())
    {
        FAtlas.SetPerPixelAlpha(perPixel);
    }
    ~TAlphaMode() { FAtlas.SetPerPixelAlpha(FSaved); }
    TAlphaMode(const TAlphaMode&) = delete;
    TAlphaMode& operator=(const TAlphaMode&) = delete;

private:
    TKsBitmap& FAtlas;
    bool FSaved;
};

RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    return RECT{left, top, right, bottom};
}
}

void CopyPiece(TKsBitmap& atlas, TKsBitmap& target, int x, int y, const RECT& src, bool transparent)
{
    TAlphaMode mode(atlas, transparent);
    atlas.DrawRect(target, x, y, src);
}

void StretchPiece(TKsBitmap& atlas, TKsBitmap& target, const RECT& dst, const RECT& src)
{
    // Stretching never blends: a per-pixel-alpha stretch would draw nothing.
    TAlphaMode mode(atlas, false);
    atlas.StretchRect(target, dst, src);
}

void NineSlice(TKsBitmap& atlas, TKsBitmap& target, const RECT& d, const RECT& s, int m, bool transparentCorners)
{
    // Edges first, then the corners over them, then the centre.
    StretchPiece(atlas, target, Rect(d.left + m, d.top, d.right - m, d.top + m),
                 Rect(s.left + m, s.top, s.right - m, s.top + m));
    StretchPiece(atlas, target, Rect(d.left + m, d.bottom - m, d.right - m, d.bottom),
                 Rect(s.left + m, s.bottom - m, s.right - m, s.bottom));
    StretchPiece(atlas, target, Rect(d.left, d.top + m, d.left + m, d.bottom - m),
                 Rect(s.left, s.top + m, s.left + m, s.bottom - m));
    StretchPiece(atlas, target, Rect(d.right - m, d.top + m, d.right, d.bottom - m),
                 Rect(s.right - m, s.top + m, s.right, s.bottom - m));

    CopyPiece(atlas, target, d.left, d.top, Rect(s.left, s.top, s.left + m, s.top + m), transparentCorners);
    CopyPiece(atlas, target, d.right - m, d.top, Rect(s.right - m, s.top, s.right, s.top + m), transparentCorners);
    CopyPiece(atlas, target, d.left, d.bottom - m, Rect(s.left, s.bottom - m, s.left + m, s.bottom),
              transparentCorners);
    CopyPiece(atlas, target, d.right - m, d.bottom - m, Rect(s.right - m, s.bottom - m, s.right, s.bottom),
              transparentCorners);

    StretchPiece(atlas, target, Rect(d.left + m, d.top + m, d.right - m, d.bottom - m),
                 Rect(s.left + m, s.top + m, s.right - m, s.bottom - m));
}
