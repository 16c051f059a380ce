#include "framework/Canvas.h"

#include "framework/ClassBuilder.h"
#include "framework/Graphic.h"

IMPLEMENT_CLASS(TCanvas) {}

TCanvas::TCanvas() : FFont(MakeOwned<TFont>()), FBrush(MakeOwned<TBrush>()), FPen(MakeOwned<TPen>())
{
    auto changed = TNotifyEvent::Bind<&TCanvas::ObjectChanged>(this);
    FFont->OnChange = changed;
    FBrush->OnChange = changed;
    FPen->OnChange = changed;
}

TCanvas::TCanvas(HDC dc) : TCanvas()
{
    SetHandle(dc);
}

TCanvas::~TCanvas()
{
    SetHandle(nullptr);
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == FHandle)
        return;
    RestoreObjects();
    FHandle = dc;
}

void TCanvas::Select(TSelection& selection, HGDIOBJ object)
{
    if (selection.Selected)
        return;
    HGDIOBJ old = SelectObject(FHandle, object);
    if (!selection.Old)
        selection.Old = old;
    selection.Selected = true;
}

void TCanvas::Deselect(TSelection& selection)
{
    if (selection.Old)
        SelectObject(FHandle, selection.Old);
    selection = TSelection();
}

void TCanvas::RestoreObjects()
{
    if (!FHandle)
        return;
    Deselect(FFontSelection);
    Deselect(FBrushSelection);
    Deselect(FPenSelection);
}

void TCanvas::ObjectChanged(TObject* sender)
{
    // A changed object drops its handle: put the context's own back first,
    // so that the old handle is never deleted while selected.
    if (!FHandle)
        return;
    if (sender == FFont.get())
        Deselect(FFontSelection);
    else if (sender == FBrush.get())
        Deselect(FBrushSelection);
    else if (sender == FPen.get())
        Deselect(FPenSelection);
}

void TCanvas::SelectFont()
{
    Select(FFontSelection, FFont->Handle());
    SetTextColor(FHandle, ColorToRGB(FFont->Color()));
}

void TCanvas::SelectBrush()
{
    Select(FBrushSelection, FBrush->Handle());
    if (FBrush->Style() == bsClear) {
        SetBkMode(FHandle, TRANSPARENT);
    } else {
        SetBkMode(FHandle, OPAQUE);
        SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
    }
}

void TCanvas::SelectPen()
{
    Select(FPenSelection, FPen->Handle());
}

void TCanvas::SelectObjects()
{
    SelectFont();
    SelectBrush();
    SelectPen();
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    SelectFont();
    SelectBrush();
    ::TextOutA(FHandle, x, y, text.data(), static_cast<int>(text.size()));
    MoveToEx(FHandle, x + TextWidth(text), y, nullptr);
}

SIZE TCanvas::TextExtent(const std::string& text)
{
    SIZE size{0, 0};
    SelectFont();
    GetTextExtentPoint32A(FHandle, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

int TCanvas::DrawText(const std::string& text, RECT& rect, UINT format)
{
    SelectFont();
    SelectBrush();
    return ::DrawTextA(FHandle, text.data(), static_cast<int>(text.size()), &rect, format);
}

void TCanvas::FillRect(const RECT& rect)
{
    SelectBrush();
    ::FillRect(FHandle, &rect, FBrush->Handle());
}

void TCanvas::FrameRect(const RECT& rect)
{
    SelectBrush();
    ::FrameRect(FHandle, &rect, FBrush->Handle());
}

void TCanvas::Rectangle(const RECT& rect)
{
    SelectBrush();
    SelectPen();
    ::Rectangle(FHandle, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::RoundRect(const RECT& rect, int cornerWidth, int cornerHeight)
{
    SelectBrush();
    SelectPen();
    ::RoundRect(FHandle, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(const RECT& rect)
{
    SelectBrush();
    SelectPen();
    ::Ellipse(FHandle, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::Polyline(const std::vector<POINT>& points)
{
    SelectPen();
    ::Polyline(FHandle, points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(const std::vector<POINT>& points)
{
    SelectBrush();
    SelectPen();
    ::Polygon(FHandle, points.data(), static_cast<int>(points.size()));
}

void TCanvas::MoveTo(int x, int y)
{
    MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    SelectPen();
    ::LineTo(FHandle, x, y);
}

POINT TCanvas::PenPos() const
{
    POINT point{0, 0};
    GetCurrentPositionEx(FHandle, &point);
    return point;
}

COLORREF TCanvas::Pixel(int x, int y) const
{
    return ::GetPixel(FHandle, x, y);
}

void TCanvas::SetPixel(int x, int y, COLORREF color)
{
    ::SetPixel(FHandle, x, y, color);
}

void TCanvas::CopyRect(const RECT& rect, TCanvas& source, const RECT& sourceRect)
{
    StretchBlt(FHandle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.Handle(),
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top,
               SRCCOPY);
}

void TCanvas::Draw(int x, int y, TGraphic& graphic)
{
    if (graphic.Empty())
        return;
    RECT rect{x, y, x + graphic.Width(), y + graphic.Height()};
    graphic.Draw(*this, rect);
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic& graphic)
{
    if (!graphic.Empty())
        graphic.Draw(*this, rect);
}
