#include "framework/Label.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_ENUM_INFO(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")

IMPLEMENT_CLASS(TLabel)
{
    Creatable();
    Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, taLeftJustify);
    Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true);
    Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true);
    Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false);
    Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false);
    Message(CM_TEXTCHANGED, &TLabel::CMTextChanged);
    Message(CM_FONTCHANGED, &TLabel::CMFontChanged);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() + csReplicatable + csOpaque);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool autoSize)
{
    if (autoSize == FAutoSize)
        return;
    FAutoSize = autoSize;
    AdjustBounds();
}

void TLabel::SetTransparent(bool transparent)
{
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    // A transparent label leaves what lies behind it to be drawn first.
    if (FTransparent)
        SetControlStyle(ControlStyle() - csOpaque);
    else
        SetControlStyle(ControlStyle() + csOpaque);
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == FAlignment)
        return;
    FAlignment = alignment;
    Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap)
{
    if (wordWrap == FWordWrap)
        return;
    FWordWrap = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool show)
{
    if (show == FShowAccelChar)
        return;
    FShowAccelChar = show;
    AdjustBounds();
    Invalidate();
}

void TLabel::Loaded()
{
    inherited::Loaded();
    AdjustBounds();
}

UINT TLabel::TextFlags() const
{
    UINT flags = DT_EXPANDTABS;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    switch (FAlignment) {
    case taLeftJustify: flags |= DT_LEFT; break;
    case taRightJustify: flags |= DT_RIGHT; break;
    case taCenter: flags |= DT_CENTER; break;
    }
    return flags;
}

void TLabel::DrawCaption(TCanvas& canvas, RECT& rect, UINT flags)
{
    // An empty caption still takes a line's height when measured.
    std::string text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&")))
        text += ' ';
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(bsClear);
    if (!Enabled() && !(flags & DT_CALCRECT)) {
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 1);
        canvas.Font().SetColor(clBtnHighlight);
        canvas.DrawText(text, shifted, flags);
        canvas.Font().SetColor(clBtnShadow);
    }
    canvas.DrawText(text, rect, flags);
}

void TLabel::Paint()
{
    TCanvas& canvas = Canvas();
    RECT rect = ClientRect();
    if (!FTransparent) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(rect);
    }
    DrawCaption(canvas, rect, TextFlags());
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || IsLoading())
        return;
    // Measured as on the screen, in a memory context: borrowing the
    // screen's own is a round trip to Wine's server, and the meter
    // measures three labels every second, hidden or not.
    TMemoryDC screen;
    TCanvas canvas(screen.Get());
    RECT rect{0, 0, Width(), 0};
    DrawCaption(canvas, rect, TextFlags() | DT_CALCRECT);
    canvas.SetHandle(nullptr);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    // Right-aligned text keeps its right edge where it was.
    int left = FAlignment == taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, height);
}

void TLabel::CMTextChanged(TMessage& message)
{
    AdjustBounds();
    InheritedMessage<TLabel>(message);
}

void TLabel::CMFontChanged(TMessage& message)
{
    AdjustBounds();
    InheritedMessage<TLabel>(message);
}
