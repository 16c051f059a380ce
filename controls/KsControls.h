#pragma once
// The base of the painted controls. Everything a control shows is composed
// in an off-screen TKsBitmap, the front buffer, whenever its state changes;
// the window's erase and paint only copy that buffer, so the control never
// flickers. On top of that every descendant gets, for free:
//  - transparency: the parent's background, its controls without a window
//    and the windowed siblings that overlap the control are drawn into the
//    buffer before the control draws itself;
//  - blending: the finished image mixed with that background at BlendValue;
//  - hot and focus flags, kept without TrackMouseEvent (the framework's
//    mouse tracker tells the control when the mouse comes and goes).
// Descendants fill in PaintBackground and PaintForeground.

#include "frame/KsForms.h"
#include "framework/WinControl.h"
#include "theme/KsBitmap.h"

enum TKsBarOrientation { kboHorizontal, kboVertical };
DECLARE_ENUM_INFO(TKsBarOrientation)

// The second parameter of the WM_ERASEBKGND a control sends its parent to
// have the parent's background drawn into the control's buffer.
constexpr LPARAM KsBackgroundCopy = 100;

class TKsCustomControl : public TWinControl {
    DECLARE_CLASS(TKsCustomControl, TWinControl)
public:
    explicit TKsCustomControl(TComponent* owner);
    ~TKsCustomControl() override;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool Blend() const { return FBlend; }
    void SetBlend(bool value);
    // Opacity of the control over its background while blending; only the
    // low 8 bits count.
    int BlendValue() const { return FBlendValue; }
    void SetBlendValue(int value);

    // The mouse is over the control / it has the keyboard focus.
    bool Hot() const { return FHot; }
    bool HasFocus() const { return FFocused; }
    // The front buffer no longer shows the control's state.
    bool Dirty() const { return FDirty; }

    // The composed image; buffers are sized in steps and may be larger
    // than the control: only the top-left PaintWidth x PaintHeight counts.
    const TKsBitmap& FrontBuffer() const { return *FFront; }
    const TKsBitmap& BackBuffer() const { return *FBack; }
    int PaintWidth() const { return FPaintWidth; }
    int PaintHeight() const { return FPaintHeight; }
    static constexpr int BufferStep = 30;

    // Marks the image stale and composes it again at once when the control
    // is on screen (a hidden one waits for its first paint), then asks for
    // a repaint that only copies.
    void Invalidate() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    // Composes the image again and, when the control is on screen, copies
    // it to the window at once, without waiting for a paint message; a
    // hidden control is only marked for its next paint.
    void RepaintNow();

    // Whether the owner form says it is blended (KM_ISBLENDED, answered by
    // the skinned frame): then the sibling windows stay out of the
    // background.
    bool OwnerBlended() const;
    // Whether a character offered as an access key (CM_DIALOGCHAR) is the
    // caption's, and the control can take the focus.
    bool IsAccelerator(WPARAM character) const;

protected:
    // The background of the control, drawn first into the front buffer.
    // Here: the control's Color unless it is transparent (then the parent's
    // background is already there).
    virtual void PaintBackground();
    // The control's content.
    virtual void PaintForeground();

    // Called when the mouse enters or leaves and when the focus comes or
    // goes, after the flag is set. The base fires OnMouseEnter/OnMouseLeave.
    virtual void MouseEntered();
    virtual void MouseLeft();
    virtual void FocusGained() {}
    virtual void FocusLost() {}

    // A control that looks different while the mouse is over it is drawn
    // again when the mouse comes and goes.
    void SetShowsHot(bool value) { FShowsHot = value; }
    // Text in the front buffer's font, embossed in the highlight and shadow
    // colours while the control is disabled.
    void DrawCaptionText(const std::string& text, const RECT& box, UINT format);

    // The front buffer, for the descendants' drawing; its font is the
    // control's when PaintForeground runs.
    TKsBitmap& Front() { return *FFront; }

    // Draws into dc what lies under the control on its parent: the parent's
    // background, its controls without a window and, unless leaveOutSiblings,
    // the windowed siblings that overlap the control.
    void CopyParentBackground(HDC dc, bool leaveOutSiblings);
    // Sizes the buffers in steps of BufferStep; renders when they changed.
    void AdjustBuffers();
    // Composes the front buffer when dirty and the buffers can hold the
    // control; otherwise leaves it dirty.
    void UpdateBuffer();

private:
    bool Showing() const;
    void RenderIfShowing();
    // Copies (0, 0, PaintWidth, PaintHeight) of the front buffer to dc.
    void CopyBuffer(HDC dc) const;
    // A bitmap of the new size replaces buffer only once it exists: a
    // failure (GDI exhausted) keeps the old one and answers false.
    static bool Resize(TOwned<TKsBitmap>& buffer, int width, int height);

    void WMEraseBkgnd(TMessage& message);
    void WMPaint(TMessage& message);
    void WMWindowPosChanging(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMTextChanged(TMessage& message);
    void KMReserved(TMessage& message);

    TOwned<TKsBitmap> FFront;
    TOwned<TKsBitmap> FBack;
    bool FFocused = false;
    bool FDirty = true;
    bool FRendering = false;
    bool FTransparent = false;
    bool FBlend = false;
    int FBlendValue = 150;
    bool FHot = false;
    bool FShowsHot = false;
    int FPaintWidth = 0;
    int FPaintHeight = 0;
};
