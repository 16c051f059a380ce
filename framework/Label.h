#pragma once
// A line (or block) of text on its parent: transparent or on its colour,
// sized to its text, in its font and alignment, with "&" underlining the
// access key. Clickable, with any mouse pointer (a hand for links).

#include "framework/GraphicControl.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
DECLARE_ENUM_INFO(TAlignment)

class TLabel : public TGraphicControl {
    DECLARE_CLASS(TLabel, TGraphicControl)
public:
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    // "&" marks the access key (shown underlined); "&&" is one "&".
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool show);

    void Loaded() override;

protected:
    void Paint() override;

private:
    UINT TextFlags() const;
    void DrawCaption(TCanvas& canvas, RECT& rect, UINT flags);
    // Sizes the label to its text when AutoSize is on.
    void AdjustBounds();
    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);

    bool FAutoSize = true;
    bool FTransparent = false;
    TAlignment FAlignment = taLeftJustify;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
};
