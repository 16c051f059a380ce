#pragma once
// A brush: a colour, or clear (nothing filled, transparent text background).

#include "framework/Colors.h"
#include "framework/EnumInfo.h"
#include "framework/GdiObject.h"
#include "framework/GraphicsObject.h"

enum TBrushStyle { bsSolid, bsClear };
DECLARE_ENUM_INFO(TBrushStyle)

class TBrush : public TGraphicsObject {
    DECLARE_CLASS(TBrush, TGraphicsObject)
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle style);

    // The GDI brush; a clear brush is the stock hollow brush.
    HBRUSH Handle();
    void Assign(const TPersistent* source) override;

protected:
    HGDIOBJ DetachHandle() override { return FHandle.Release(); }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TGdiHandle<HBRUSH> FHandle;
};
