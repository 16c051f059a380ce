#pragma once
// A pen: colour, width and line style.

#include "framework/Colors.h"
#include "framework/EnumInfo.h"
#include "framework/GdiObject.h"
#include "framework/GraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
DECLARE_ENUM_INFO(TPenStyle)

class TPen : public TGraphicsObject {
    DECLARE_CLASS(TPen, TGraphicsObject)
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    int Width() const { return FWidth; }
    void SetWidth(int width);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle style);

    HPEN Handle();
    void Assign(const TPersistent* source) override;

protected:
    HGDIOBJ DetachHandle() override { return FHandle.Release(); }

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TGdiHandle<HPEN> FHandle;
};
