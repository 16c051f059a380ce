#pragma once
// A picture holds one graphic, a bitmap or an icon, and tells its holder
// when the image changes. Bitmap() and Icon() switch the kind: asking for
// the other kind replaces the graphic with an empty one of that kind.
//
// In layouts a picture names the resource it shows:
//   Picture.BitmapResource = 'KSE_CLOSE'    or    Picture.IconResource = 'MAINICON'

#include "framework/Persistent.h"

#include <string>

class TBitmap;
class TGraphic;
class TIcon;

class TPicture : public TPersistent {
    DECLARE_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;

    // The graphic held, or null.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of graphic (a bitmap or an icon); null empties.
    void SetGraphic(const TGraphic* graphic);

    TBitmap& Bitmap();
    TIcon& Icon();

    int Width() const;
    int Height() const;

    std::string BitmapResource() const;
    void SetBitmapResource(const std::string& name);
    std::string IconResource() const;
    void SetIconResource(const std::string& name);

    // From another picture or a graphic (copies), or null (empties).
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Replace(TOwned<TGraphic> graphic);
    void GraphicChanged(TObject* sender);

    TOwned<TGraphic> FGraphic;
};
