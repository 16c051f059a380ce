#pragma once
// The push button in the classic look: a face with a bevel, a caption with
// its access key and an optional glyph beside it. Predefined kinds set
// caption, glyph and modal result together. The default button shows a
// frame and answers Enter while the focus is on a control that is not a
// button; a button whose ModalResult is mrCancel answers Esc.

#include "controls/KsControls.h"
#include "framework/Bitmap.h"
#include "framework/Form.h"

#include <cstdint>
#include <vector>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
DECLARE_ENUM_INFO(TButtonLayout)

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
DECLARE_ENUM_INFO(TBitBtnKind)

class TKsCustomButton : public TKsCustomControl {
    DECLARE_CLASS(TKsCustomButton, TKsCustomControl)
public:
    explicit TKsCustomButton(TComponent* owner);

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    // Whether the button shows the default frame and answers Enter now.
    bool DefaultShown() const { return FDefaultShown; }
    // The image strip: NumGlyphs images side by side (normal, disabled...).
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* glyph);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind value);
    // 1 to 4; other values are brought into that range.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Grey glyph unless the mouse is over the button.
    bool BlackAndWhiteGlyph() const { return FBlackAndWhiteGlyph; }
    void SetBlackAndWhiteGlyph(bool value);
    // Shown pressed (mouse held over it, or Space held).
    bool Down() const { return FDown; }

    // Gives the form the button's ModalResult, then OnClick, then runs the
    // linked action.
    void Click() override;
    // Shows the action's image from its list's images as the glyph.
    void ActionChange(TAction* action, bool checkDefaults) override;

    // The box of caption and glyph together, centred (moved by (1, 1)
    // while pressed), and the shares of caption and glyph in it.
    virtual RECT GetContentRect();
    virtual RECT GetCaptionRect();
    virtual RECT GetGlyphRect();

protected:
    void PaintBackground() override { PaintFace(); }
    void PaintForeground() override
    {
        PaintCaption();
        PaintGlyph();
    }
    virtual void PaintFace();
    virtual void PaintGlyph();
    virtual void PaintCaption();

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    bool HasGlyph() const { return FGlyphWidth > 0 && FGlyphHeight > 0; }
    int ImageWidth() const { return FGlyphWidth / FNumGlyphs; }
    // The content box cut to the glyph's share, or to the caption's.
    RECT ContentShare(bool glyph);
    void SetDown(bool down);
    void GlyphChanged(TObject* sender);

    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMFocusChanged(TMessage& message);

    bool FDefaultShown = false;
    bool FDefault = false;
    bool FTracking = false;
    TOwned<TBitmap> FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    TBitBtnKind FKind = bkCustom;
    int FNumGlyphs = 1;
    int FSpacing = 4;
    bool FDown = false;
    TModalResult FModalResult = mrNone;
    bool FBlackAndWhiteGlyph = false;
    // The glyph's pixels (0x00RRGGBB, top row first), read when it changes.
    std::vector<uint32_t> FGlyphPixels;
    int FGlyphWidth = 0;
    int FGlyphHeight = 0;
};

// The grey of an HSL lightness between 0 and 1 scaled to range, from base.
uint32_t LightnessGrey(uint32_t pixel, int range, int base);
