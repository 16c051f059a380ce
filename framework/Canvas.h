#pragma once
// Drawing on a device context with a font, a brush and a pen. The canvas
// borrows the device context; its objects are selected into it when first
// needed and the context's own objects are put back when the canvas lets
// it go, so that the canvas's handles can be freed safely.

#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Pen.h"

#include <string>
#include <vector>

// The canvas's members, not the Win32 A/W macros: the framework calls the
// ANSI functions by their full names.
#undef TextOut
#undef DrawText

class TGraphic;

class TCanvas : public TPersistent {
    DECLARE_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    explicit TCanvas(HDC dc);
    ~TCanvas() override;

    HDC Handle() const { return FHandle; }
    // Lets go of the current device context (its objects are restored) and
    // borrows the new one; null lets go only.
    void SetHandle(HDC dc);

    TFont& Font() { return *FFont; }
    TBrush& Brush() { return *FBrush; }
    TPen& Pen() { return *FPen; }

    // Text in the font, its colour, on the brush (clear brush: transparent).
    void TextOut(int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    int DrawText(const std::string& text, RECT& rect, UINT format);

    void FillRect(const RECT& rect);   // brush
    void FrameRect(const RECT& rect);  // one pixel in the brush colour
    void Rectangle(const RECT& rect);  // pen outline, brush inside
    void RoundRect(const RECT& rect, int cornerWidth, int cornerHeight);
    void Ellipse(const RECT& rect);
    void Polyline(const std::vector<POINT>& points);
    void Polygon(const std::vector<POINT>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    POINT PenPos() const;

    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    // A plain copy of source's rect into rect of this canvas.
    void CopyRect(const RECT& rect, TCanvas& source, const RECT& sourceRect);
    void Draw(int x, int y, TGraphic& graphic);
    void StretchDraw(const RECT& rect, TGraphic& graphic);

    // Selects the font (with its colour), brush and pen now; drawing calls
    // do it themselves, direct GDI calls on Handle() should call this first.
    void SelectObjects();

private:
    // One of the canvas's objects in the borrowed DC, and the DC's own
    // object it took the place of.
    struct TSelection {
        HGDIOBJ Old = nullptr;
        bool Selected = false;
    };

    void ObjectChanged(TObject* sender);
    void SelectFont();
    void SelectBrush();
    void SelectPen();
    void Select(TSelection& selection, HGDIOBJ object);
    // Puts the DC's own object back.
    void Deselect(TSelection& selection);
    void RestoreObjects();

    HDC FHandle = nullptr;
    TOwned<TFont> FFont;
    TOwned<TBrush> FBrush;
    TOwned<TPen> FPen;
    TSelection FFontSelection;
    TSelection FBrushSelection;
    TSelection FPenSelection;
};
