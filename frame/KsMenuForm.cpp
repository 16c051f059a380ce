#include "frame/KsMenuForm.h"

#include "framework/ClassBuilder.h"

IMPLEMENT_CLASS(TKsPopupView) {}

IMPLEMENT_CLASS(TKsPopupForm) {}

IMPLEMENT_CLASS(TKsPopupWindow) {}

void TKsPopupView::Repaint()
{
    if (Window() && IsWindowVisible(Window()))
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

TKsPopupForm::TKsPopupForm(TComponent* owner) : TKsCustomForm(owner)
{
    SetBorderIcons(TKsBorderIcons());
    SetBorderStyle(kbsNone);
    SetCanMove(false);
    SetCanResize(false);
    SetMagnetic(false);
    SetActive(true);
}

RECT TKsPopupForm::GetClientBounds()
{
    const SIZE size = FrameSize();
    return RECT{BorderWidth, BorderWidth, size.cx - BorderWidth, size.cy - BorderWidth};
}

POINT TKsPopupForm::GetMinTrackSize()
{
    return POINT{10, 10};
}

void TKsPopupForm::PaintFrame(TKsBitmap& bitmap)
{
    PaintClassicFrame(bitmap);
}

void TKsPopupForm::PaintClassicFrame(TKsBitmap& bitmap)
{
    if (!FView || !FView->Item())
        return;
    const SIZE size = FrameSize();
    const std::pair<TColor, TColor> rings[] = {{clBtnFace, clBlack}, {clBtnHighlight, clBtnShadow}, {clMenu, clMenu}};
    RECT ring{0, 0, size.cx, size.cy};
    for (const auto& [topLeft, bottomRight] : rings) {
        bitmap.DrawEdge(ring, ColorToPixel(topLeft), ColorToPixel(bottomRight));
        InflateRect(&ring, -1, -1);
    }
}

void TKsPopupForm::PaintBackground(TKsBitmap& bitmap)
{
    const RECT client = GetClientBounds();
    bitmap.FillRect(client, ColorToPixel(clMenu));
    if (FView)
        FView->PaintItems(bitmap, POINT{client.left, client.top});
}

void TKsPopupWindow::CreateParams(TCreateParams& params)
{
    inherited::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}

TKsPopupForm* TKsPopupWindow::CreatePopupForm()
{
    return Create<TKsPopupForm>(this);
}

void TKsPopupWindow::Setup(TKsCustomItem* item, TKsItemView* parentView)
{
    FFrame = CreatePopupForm();
    FFrame->SetStayOnTop(true);
    FFrame->SetBlend(item->PopupBlend());
    FFrame->SetBlendValue(item->PopupBlendValue());
    FFrame->SetDropShadow(item->DropShadow());
    FFrame->SetShadowWidth(item->ShadowWidth());
    if (!item->AnimateFirstOnly() || item->AnimateNow()) {
        FFrame->SetShowAnimation(item->ShowAnimation());
        FFrame->SetShowAnimationTime(item->ShowAnimationTime());
        // Only the first popup of a menu bar's tree plays the effect.
        (item->Parent() ? item->Parent() : item)->SetAnimateNow(false);
    }
    FView = Create<TKsPopupView>(this);
    FView->SetBitmap(&FFrame->FrameBuffer());
    FView->SetWindow(Handle());
    FView->SetItem(item);
    FView->SetParentView(parentView);
    FFrame->SetView(FView);
}

SIZE TKsPopupWindow::PopupSize()
{
    const SIZE content = FView->ContentSize();
    const int shadow = FFrame->DropShadow() ? FFrame->ShadowWidth() : 0;
    const int border = 2 * TKsPopupForm::BorderWidth;
    return SIZE{content.cx + border + shadow, content.cy + border + shadow};
}

void TKsPopupWindow::ShowPopup()
{
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}
