#include "controls/KsControls.h"

#include "framework/ClassBuilder.h"
#include "framework/Strings.h"

#include <algorithm>
#include <cctype>

IMPLEMENT_ENUM_INFO(TKsBarOrientation, "kboHorizontal", "kboVertical")

IMPLEMENT_CLASS(TKsCustomControl)
{
    Property("Blend", &TKsCustomControl::Blend, &TKsCustomControl::SetBlend, false);
    Property("BlendValue", &TKsCustomControl::BlendValue, &TKsCustomControl::SetBlendValue, 150);
    Property("Transparent", &TKsCustomControl::Transparent, &TKsCustomControl::SetTransparent, false);
    Message(WM_ERASEBKGND, &TKsCustomControl::WMEraseBkgnd);
    Message(WM_PAINT, &TKsCustomControl::WMPaint);
    Message(WM_WINDOWPOSCHANGING, &TKsCustomControl::WMWindowPosChanging);
    Message(WM_SETFOCUS, &TKsCustomControl::WMSetFocus);
    Message(WM_KILLFOCUS, &TKsCustomControl::WMKillFocus);
    Message(CM_MOUSEENTER, &TKsCustomControl::CMMouseEnter);
    Message(CM_MOUSELEAVE, &TKsCustomControl::CMMouseLeave);
    Message(CM_TEXTCHANGED, &TKsCustomControl::CMTextChanged);
    Message(KM_RESERVED, &TKsCustomControl::KMReserved);
}

namespace {
// Siblings are rendered into a control's background one level deep: a
// sibling drawn there does not in turn draw its own siblings, so two
// overlapping controls cannot render each other without end.
int SiblingPaintDepth = 0;

struct TDepthGuard {
    int& Depth;
    explicit TDepthGuard(int& depth) : Depth(depth) { ++Depth; }
    ~TDepthGuard() { --Depth; }
    TDepthGuard(const TDepthGuard&) = delete;
    TDepthGuard& operator=(const TDepthGuard&) = delete;
};
}  // namespace

TKsCustomControl::TKsCustomControl(TComponent* owner)
    : TWinControl(owner), FFront(MakeOwned<TKsBitmap>()), FBack(MakeOwned<TKsBitmap>())
{
    SetColor(clBtnFace);
    SetControlStyle(ControlStyle() + csOpaque);
    SetBounds(0, 0, 100, 30);
}

TKsCustomControl::~TKsCustomControl() = default;

void TKsCustomControl::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Invalidate();
}

void TKsCustomControl::SetBlend(bool value)
{
    if (value == FBlend)
        return;
    FBlend = value;
    // The back buffer is needed from now on.
    if (FBlend)
        AdjustBuffers();
    Invalidate();
}

void TKsCustomControl::SetBlendValue(int value)
{
    if (value == FBlendValue)
        return;
    FBlendValue = value;
    Invalidate();
}

bool TKsCustomControl::Showing() const
{
    return HandleAllocated() && IsWindowVisible(const_cast<TKsCustomControl*>(this)->Handle());
}

void TKsCustomControl::RenderIfShowing()
{
    if (Showing() || IsDesigning())
        UpdateBuffer();
}

void TKsCustomControl::Invalidate()
{
    FDirty = true;
    if (IsDesigning()) {
        AdjustBuffers();
        UpdateBuffer();
    } else if (Showing()) {
        UpdateBuffer();
    } else {
        // Drawn on its first paint, when it is shown.
        return;
    }
    inherited::Invalidate();
}

void TKsCustomControl::RepaintNow()
{
    FDirty = true;
    if (!Showing())
        return;
    UpdateBuffer();
    TWindowDC dc(Handle());
    if (dc)
        CopyBuffer(dc.Get());
}

void TKsCustomControl::SetBounds(int left, int top, int width, int height)
{
    inherited::SetBounds(left, top, width, height);
    FPaintWidth = width;
    FPaintHeight = height;
    AdjustBuffers();
}

void TKsCustomControl::Loaded()
{
    inherited::Loaded();
    AdjustBuffers();
}

bool TKsCustomControl::OwnerBlended() const
{
    if (IsDesigning())
        return false;
    auto* owner = dynamic_cast<TWinControl*>(Owner());
    if (!owner || !owner->HandleAllocated())
        return false;
    return SendMessageA(owner->Handle(), KM_ISBLENDED, 0, 0) != 0;
}

bool TKsCustomControl::IsAccelerator(WPARAM character) const
{
    const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    return key && key == GetHotkey(Caption()) && CanFocus();
}

bool TKsCustomControl::Resize(TOwned<TKsBitmap>& buffer, int width, int height)
{
    if (buffer->Width() == width && buffer->Height() == height)
        return true;
    try {
        TOwned<TKsBitmap> sized = MakeOwned<TKsBitmap>();
        sized->SetSize(width, height);
        buffer = std::move(sized);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TKsCustomControl::AdjustBuffers()
{
    const int w = FPaintWidth;
    const int h = FPaintHeight;
    // Each extent on its own: their product could overflow.
    if (w <= 0 || h <= 0)
        return;
    const int steppedWidth = (w / BufferStep + 1) * BufferStep;
    const int steppedHeight = (h / BufferStep + 1) * BufferStep;
    bool changed = false;
    // Grown when too small; shrunk only when more than one step too large.
    const int fw = FFront->Width();
    const int fh = FFront->Height();
    if (fw < w || fh < h || fw - BufferStep > w || fh - BufferStep > h ||
        (IsDesigning() && (fw != steppedWidth || fh != steppedHeight))) {
        if (!Resize(FFront, steppedWidth, steppedHeight)) {
            FDirty = true;
            return;
        }
        changed = true;
    }
    if (FBlend && (FBack->Width() != FFront->Width() || FBack->Height() != FFront->Height())) {
        if (!Resize(FBack, FFront->Width(), FFront->Height())) {
            FDirty = true;
            return;
        }
        changed = true;
    }
    if (changed) {
        FDirty = true;
        RenderIfShowing();
    }
}

void TKsCustomControl::UpdateBuffer()
{
    const int w = FPaintWidth;
    const int h = FPaintHeight;
    if (!FDirty || FRendering || w <= 0 || h <= 0)
        return;
    // Buffers that could not be made large enough: nothing is drawn, and
    // the next chance to size them tries again.
    if (FFront->Width() < w || FFront->Height() < h)
        return;
    if (FBlend && (FBack->Width() != FFront->Width() || FBack->Height() != FFront->Height()))
        return;
    FRendering = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{FRendering};

    FFront->Font().Assign(Font());
    if (FBlend) {
        CopyParentBackground(FBack->DC(), OwnerBlended());
        FBack->SetAlpha(255);
        if (FTransparent)
            FBack->DrawBitmap(*FFront, 0, 0);
        PaintBackground();
        PaintForeground();
        FFront->SetAlpha(static_cast<uint8_t>(FBlendValue & 0xFF));
        FFront->MergeUnder(*FBack, 0, 0, RECT{0, 0, FFront->Width(), FFront->Height()});
    } else {
        if (FTransparent)
            CopyParentBackground(FFront->DC(), OwnerBlended());
        PaintBackground();
        PaintForeground();
    }
    FDirty = false;
}

void TKsCustomControl::CopyParentBackground(HDC dc, bool leaveOutSiblings)
{
    TWinControl* parent = Parent();
    if (!parent || !dc)
        return;
    TSavedDC saved(dc);
    // The parent's coordinates land where the control is.
    OffsetWindowOrgEx(dc, Left(), Top(), nullptr);
    if (parent->HandleAllocated())
        SendMessageA(parent->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), KsBackgroundCopy);
    else
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), KsBackgroundCopy);
    parent->PaintControls(dc);
    if (IsDesigning() || leaveOutSiblings || SiblingPaintDepth > 0)
        return;
    TDepthGuard guard(SiblingPaintDepth);
    const RECT mine = BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TWinControl*>(parent->Controls(i));
        if (!sibling || sibling == this || !sibling->Visible() || !sibling->HandleAllocated())
            continue;
        RECT bounds = sibling->BoundsRect();
        RECT common;
        if (IntersectRect(&common, &mine, &bounds))
            sibling->PaintTo(dc, sibling->Left(), sibling->Top());
    }
}

void TKsCustomControl::PaintBackground()
{
    if (!FTransparent)
        FFront->FillRect(RECT{0, 0, FFront->Width(), FFront->Height()}, ColorToPixel(Color(), 255));
}

void TKsCustomControl::PaintForeground() {}

void TKsCustomControl::CopyBuffer(HDC dc) const
{
    const int w = std::min(FPaintWidth, FFront->Width());
    const int h = std::min(FPaintHeight, FFront->Height());
    if (w > 0 && h > 0)
        FFront->DrawRectTo(dc, 0, 0, RECT{0, 0, w, h});
}

void TKsCustomControl::WMEraseBkgnd(TMessage& message)
{
    if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
        UpdateBuffer();
        CopyBuffer(dc);
    }
    message.Result = 1;
}

void TKsCustomControl::WMPaint(TMessage& message)
{
    TWinPaintDC dc(Handle(), message.WParam);
    // Shown for the first time since it changed while hidden.
    UpdateBuffer();
    CopyBuffer(dc.Get());
    PaintControls(dc.Get());
    message.Result = 0;
}

void TKsCustomControl::WMWindowPosChanging(TMessage& message)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
    if (pos && !(pos->flags & SWP_NOSIZE)) {
        FPaintWidth = pos->cx;
        FPaintHeight = pos->cy;
        AdjustBuffers();
        FDirty = true;
        RenderIfShowing();
        if (IsDesigning() && FBlend)
            pos->flags |= SWP_NOCOPYBITS;
    }
    InheritedMessage<TKsCustomControl>(message);
}

void TKsCustomControl::WMSetFocus(TMessage& message)
{
    FFocused = true;
    FocusGained();
    Invalidate();
    InheritedMessage<TKsCustomControl>(message);
}

void TKsCustomControl::WMKillFocus(TMessage& message)
{
    FFocused = false;
    FocusLost();
    Invalidate();
    InheritedMessage<TKsCustomControl>(message);
}

void TKsCustomControl::MouseEntered()
{
    OnMouseEnter(this);
}

void TKsCustomControl::MouseLeft()
{
    OnMouseLeave(this);
}

// TControl's own handlers only raise the events, which MouseEntered and
// MouseLeft do after the flag is set: they are not called again.
void TKsCustomControl::CMMouseEnter(TMessage&)
{
    FHot = true;
    MouseEntered();
    if (FShowsHot)
        Invalidate();
}

void TKsCustomControl::CMMouseLeave(TMessage&)
{
    FHot = false;
    MouseLeft();
    if (FShowsHot)
        Invalidate();
}

void TKsCustomControl::DrawCaptionText(const std::string& text, const RECT& box, UINT format)
{
    // Not clipped to the measured box: where the face draws wider than it
    // measures (overhanging glyphs, a stand-in for a missing face), the
    // last letter would be lost. The control's own edge still clips.
    format |= DT_NOCLIP;
    if (!Enabled()) {
        RECT raised = box;
        OffsetRect(&raised, 1, 1);
        FFront->Font().SetColor(clBtnHighlight);
        FFront->DrawText(text, raised, format);
        FFront->Font().SetColor(clBtnShadow);
    }
    FFront->DrawText(text, box, format);
}

void TKsCustomControl::CMTextChanged(TMessage& message)
{
    InheritedMessage<TKsCustomControl>(message);
    Invalidate();
}

void TKsCustomControl::KMReserved(TMessage& message)
{
    message.Result = 0;
}
