#pragma once
// The picture control: shows a bitmap or an icon on its parent, at its
// top-left corner, centred, or stretched over the whole control. A
// transparent image lets the parent show through its bitmap's transparent
// colour (icons always do).
//
// In layouts:
//   object imgLogo: TImage
//     Picture.BitmapResource = 'KSE_CLOSE'
//     Transparent = True
//   end

#include "framework/GraphicControl.h"
#include "framework/Picture.h"

class TImage : public TGraphicControl {
    DECLARE_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);

    TPicture& Picture() const { return *FPicture; }
    void SetPicture(const TPicture* picture) { FPicture->Assign(picture); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);

    // Where the picture is drawn, in the control's coordinates.
    RECT DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* sender);
    void ApplyTransparency();
    TPicture* PictureObject() const { return FPicture.get(); }

    TOwned<TPicture> FPicture;
    bool FTransparent = false;
    bool FCenter = false;
    bool FStretch = false;
};
