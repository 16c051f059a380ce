#include "framework/Brush.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_ENUM_INFO(TBrushStyle, "bsSolid", "bsClear")

IMPLEMENT_CLASS(TBrush)
{
    Property("Color", &TBrush::Color, &TBrush::SetColor, clWhite);
    Property("Style", &TBrush::Style, &TBrush::SetStyle, bsSolid);
}

void TBrush::SetColor(TColor color)
{
    if (color == FColor && FStyle == bsSolid)
        return;
    FColor = color;
    FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

HBRUSH TBrush::Handle()
{
    if (FStyle == bsClear)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!FHandle)
        FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    return FHandle.Get();
}

void TBrush::Assign(const TPersistent* source)
{
    if (const TBrush* brush = dynamic_cast<const TBrush*>(source)) {
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}
