#include "framework/Image.h"

#include "framework/Bitmap.h"
#include "framework/ClassBuilder.h"
#include "framework/Icon.h"

IMPLEMENT_CLASS(TImage)
{
    Creatable();
    Property("Center", &TImage::Center, &TImage::SetCenter, false);
    Object("Picture", &TImage::PictureObject);
    Property("Stretch", &TImage::Stretch, &TImage::SetStretch, false);
    Property("Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(MakeOwned<TPicture>())
{
    FPicture->OnChange = TNotifyEvent::Bind<&TImage::PictureChanged>(this);
    SetBounds(Left(), Top(), 105, 105);
}

void TImage::ApplyTransparency()
{
    // The image's own setting follows the control's; the bitmap tells its
    // picture, which comes back here once with nothing left to change.
    if (auto* bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic()))
        bitmap->SetTransparent(FTransparent);
}

void TImage::PictureChanged(TObject*)
{
    ApplyTransparency();
    TControlStyle style = ControlStyle();
    // A picture that covers the control hides whatever is behind it.
    TGraphic* graphic = FPicture->Graphic();
    bool covers = graphic && !graphic->Empty() && !FTransparent && !dynamic_cast<TIcon*>(graphic) &&
                  (FStretch || (graphic->Width() >= Width() && graphic->Height() >= Height()));
    if (covers)
        style.Include(csOpaque);
    else
        style.Exclude(csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TImage::SetTransparent(bool transparent)
{
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    PictureChanged(this);
}

void TImage::SetCenter(bool center)
{
    if (center == FCenter)
        return;
    FCenter = center;
    PictureChanged(this);
}

void TImage::SetStretch(bool stretch)
{
    if (stretch == FStretch)
        return;
    FStretch = stretch;
    PictureChanged(this);
}

RECT TImage::DestRect() const
{
    if (FStretch)
        return RECT{0, 0, Width(), Height()};
    int width = FPicture->Width();
    int height = FPicture->Height();
    RECT rect{0, 0, width, height};
    if (FCenter)
        OffsetRect(&rect, (Width() - width) / 2, (Height() - height) / 2);
    return rect;
}

void TImage::Paint()
{
    TGraphic* graphic = FPicture->Graphic();
    if (!graphic || graphic->Empty())
        return;
    Canvas().StretchDraw(DestRect(), *graphic);
}
