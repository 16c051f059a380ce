#include "framework/Pen.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_ENUM_INFO(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear")

IMPLEMENT_CLASS(TPen)
{
    Property("Color", &TPen::Color, &TPen::SetColor, clBlack);
    Property("Style", &TPen::Style, &TPen::SetStyle, psSolid);
    Property("Width", &TPen::Width, &TPen::SetWidth, 1);
}

void TPen::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width == FWidth || width < 0)
        return;
    FWidth = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

HPEN TPen::Handle()
{
    if (!FHandle) {
        static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
        FHandle.Reset(CreatePen(styles[FStyle], FWidth, ColorToRGB(FColor)));
    }
    return FHandle.Get();
}

void TPen::Assign(const TPersistent* source)
{
    if (const TPen* pen = dynamic_cast<const TPen*>(source)) {
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}
