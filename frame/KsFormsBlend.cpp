// Translucency, drop shadow and show animation of the skinned frame: a
// snapshot of the screen taken when the window is shown is mixed into
// every later paint.

#include "frame/KsForms.h"

#include "framework/Form.h"
#include "framework/ScopeGuard.h"
#include "theme/KsEffects.h"

#include <algorithm>

namespace {

int BufferStep(int size)
{
    return (size / 50 + 1) * 50;
}

}  // namespace

void TKsCustomForm::CaptureBackdrop(bool wholeScreen)
{
    TWindowDC screen(nullptr);
    if (!screen.Get())
        return;
    if (wholeScreen) {
        if (FBackdrop->Empty())
            FBackdrop->SetSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        BitBlt(FBackdrop->DC(), 0, 0, FBackdrop->Width(), FBackdrop->Height(), screen.Get(), 0, 0, SRCCOPY);
        FBackdrop->SetAlpha(255);
        return;
    }
    if (FWindowSize.cx <= 0 || FWindowSize.cy <= 0)
        return;
    // The window's corner is its client origin minus the client insets.
    TCustomForm* form = HookedForm();
    const RECT client = GetClientBounds();
    POINT origin = form ? form->ClientOrigin() : POINT{0, 0};
    FBackdrop->SetSize(FWindowSize.cx, FWindowSize.cy);
    BitBlt(FBackdrop->DC(), 0, 0, FWindowSize.cx, FWindowSize.cy, screen.Get(), origin.x - client.left,
           origin.y - client.top, SRCCOPY);
}

void TKsCustomForm::SetRegion()
{
    HWND handle = FormHandle();
    if (!handle)
        return;
    HRGN region = CreateRegion();
    // The window owns a region it accepted; a refused one is still ours.
    if (!SetWindowRgn(handle, region, TRUE) && region)
        DeleteObject(region);
}

void TKsCustomForm::UpdateBuffers()
{
    const int W = FWindowSize.cx;
    const int H = FWindowSize.cy;
    if (W <= 0 || H <= 0)
        return;
    TKsBitmap& buffer = *FFrameBuffer;
    if (buffer.Empty() || W > buffer.Width() || H > buffer.Height() || W < buffer.Width() - 50 ||
        H < buffer.Height() - 50)
        buffer.SetSize(BufferStep(W), BufferStep(H));
    TScopedOverride<bool> painting(FPaintEnabled, false);
    SetRegion();
}

void TKsCustomForm::ComposeBlended()
{
    TKsBitmap& buffer = *FFrameBuffer;
    buffer.SetPerPixelAlpha(true);
    PaintFrame(buffer);
    const RECT client = GetClientBounds();
    const int w = FFrameSize.cx;
    const int h = FFrameSize.cy;
    const uint8_t alpha = static_cast<uint8_t>(FBlendValue);
    buffer.SetAlphaRect(alpha, RECT{0, 0, w, client.top});
    buffer.SetAlphaRect(alpha, RECT{0, client.bottom, w, h});
    buffer.SetAlphaRect(alpha, RECT{0, client.top, client.left, h});
    buffer.SetAlphaRect(alpha, RECT{client.right, client.top, w, h});
    if (FCanMove && !FAnimating) {
        const RECT R = WindowScreenRect();
        const int bottomInset = h - client.bottom;
        buffer.MergeUnder(*FBackdrop, 0, 0, RECT{R.left, R.top, R.right, R.top + client.top});
        buffer.MergeUnder(*FBackdrop, 0, client.bottom, RECT{R.left, R.bottom - bottomInset, R.right, R.bottom});
        buffer.MergeUnder(*FBackdrop, 0, client.top,
                          RECT{R.left, R.top + client.top, R.left + client.left, R.bottom - bottomInset});
        buffer.MergeUnder(*FBackdrop, client.right, client.top,
                          RECT{R.right - (w - client.right), R.top + client.top, R.right, R.bottom - bottomInset});
    } else {
        buffer.MergeUnder(*FBackdrop, 0, 0, RECT{0, 0, w, h});
    }
}

void TKsCustomForm::PaintShadow()
{
    TKsBitmap& buffer = *FFrameBuffer;
    const int s = FShadowWidth;
    const int W = FWindowSize.cx;
    const int H = FWindowSize.cy;
    const int w = FFrameSize.cx;
    const int h = FFrameSize.cy;
    if (s <= 0)
        return;
    const bool fromScreen = FCanMove && !FAnimating;
    const RECT R = WindowScreenRect();
    const bool saved = buffer.PerPixelAlpha();
    buffer.SetPerPixelAlpha(false);
    buffer.FillRect(RECT{w, 0, W, s}, 0x01FFFFFF);
    buffer.FillRect(RECT{w, s, W - 1, H}, 0xB05F5F5F);
    buffer.FillRect(RECT{W - 1, s, W, H}, 0x707F7F7F);
    buffer.MergeUnder(*FBackdrop, w, 0, fromScreen ? RECT{R.right - s, R.top, R.right, R.bottom} : RECT{w, 0, W, H});
    buffer.FillRect(RECT{0, h, s, H}, 0x01FFFFFF);
    buffer.FillRect(RECT{s, h, w, H}, 0xB05F5F5F);
    buffer.MergeUnder(*FBackdrop, 0, h, fromScreen ? RECT{R.left, R.bottom - s, R.right, R.bottom} : RECT{0, h, w, H});
    buffer.SetPerPixelAlpha(saved);
}

void TKsCustomForm::PlayShowAnimation()
{
    TCustomForm* form = HasForm() ? HookedForm() : nullptr;
    if (FBlend || FShowAnimation == kaNone || !form || FWindowSize.cx <= 0 || FWindowSize.cy <= 0)
        return;
    TWindowDC screen(nullptr);
    if (!screen.Get())
        return;
    TScopedOverride<bool> animating(FAnimating, true);
    CaptureBackdrop(false);
    FBackdrop->SetAlpha(255);
    TKsBitmap& buffer = *FFrameBuffer;
    {
        TScopedOverride<bool> active(FCaptionActive, true);
        PaintFrame(buffer);
        PaintBackground(buffer);
    }
    const RECT client = GetClientBounds();
    {
        TSavedDC saved(buffer.DC());
        SetViewportOrgEx(buffer.DC(), client.left, client.top, nullptr);
        form->PaintControls(buffer.DC());
    }
    for (int i = 0; i < form->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(form->Controls(i));
        if (child && child->Visible() && child->HandleAllocated())
            child->PaintTo(buffer.DC(), child->Left() + client.left, child->Top() + client.top);
    }
    buffer.SetAlphaRect(255, RECT{0, 0, FFrameSize.cx, FFrameSize.cy});

    TKsAnimation kind = FShowAnimation;
    if (kind == kaRandom)
        kind = static_cast<TKsAnimation>(KsRandom(4) + 1);
    RECT origin = WindowScreenRect();
    const RECT screenRect{origin.left, origin.top, origin.left + FWindowSize.cx, origin.top + FWindowSize.cy};
    switch (kind) {
    case kaFade:
        FadeEffect(screen.Get(), *FBackdrop, RECT{0, 0, FWindowSize.cx, FWindowSize.cy}, buffer, screenRect,
                   FShowAnimationTime);
        break;
    case kaSlide:
        SlideEffect(screen.Get(), *FBackdrop, RECT{0, 0, FFrameSize.cx, FFrameSize.cy}, buffer, screenRect, KsRandom(8),
                    FShowAnimationTime);
        break;
    case kaRect:
        RectEffect(screen.Get(), *FBackdrop, RECT{0, 0, FFrameSize.cx, FFrameSize.cy}, buffer, screenRect, KsRandom(5),
                   FShowAnimationTime);
        break;
    default: break;
    }
}
