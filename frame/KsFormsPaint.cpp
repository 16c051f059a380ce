// The skinned frame's painting: everything is drawn into the frame buffer,
// and only the four frame strips are copied to the window.

#include "frame/KsForms.h"

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Icon.h"

#include <algorithm>
#include <memory>

void TKsCustomForm::PaintNonClient()
{
    if (IsMaximizedMDIChild() || !FPaintEnabled || !HasForm())
        return;
    HWND handle = FormHandle();
    if (!handle || FFrameSize.cx <= 0 || FFrameSize.cy <= 0 || FFrameBuffer->Empty())
        return;
    TWholeWindowDC dc(handle);
    if (!dc.Get())
        return;
    if (FBlend)
        ComposeBlended();
    else
        PaintFrame(*FFrameBuffer);
    if (FDropShadow)
        PaintShadow();
    const RECT client = GetClientBounds();
    const int W = FWindowSize.cx;
    const int H = FWindowSize.cy;
    FFrameBuffer->DrawRectTo(dc.Get(), 0, 0, RECT{0, 0, W, client.top});
    FFrameBuffer->DrawRectTo(dc.Get(), client.left, client.bottom, RECT{client.left, client.bottom, client.right, H});
    FFrameBuffer->DrawRectTo(dc.Get(), 0, client.top, RECT{0, client.top, client.left, H});
    FFrameBuffer->DrawRectTo(dc.Get(), client.right, client.top, RECT{client.right, client.top, W, H});
}

std::string TKsCustomForm::FitCaption(TKsBitmap& bitmap, int width)
{
    TCustomForm* form = HookedForm();
    if (!form || width <= 0)
        return std::string();
    std::string fitted = TruncateText(bitmap, form->Caption(), width);
    // When not even "..." fits, nothing is drawn.
    if (bitmap.TextExtent(fitted).cx > width)
        return std::string();
    return fitted;
}

HICON TKsCustomForm::CaptionIcon(int width, int height)
{
    HICON source = nullptr;
    TCustomForm* form = HookedForm();
    if (form && form->Icon() && form->Icon()->Handle())
        source = form->Icon()->Handle();
    else if (Application && Application->Icon())
        source = Application->Icon();
    else
        source = LoadIconA(nullptr, IDI_APPLICATION);
    if (!source)
        return nullptr;
    // One copy per icon and size, not one per paint.
    if (source != FIconSource || width != FIconSize.cx || height != FIconSize.cy || !FIcon) {
        FIcon.Reset(static_cast<HICON>(CopyImage(source, IMAGE_ICON, width, height, 0)));
        FIconSource = source;
        FIconSize = SIZE{width, height};
    }
    return FIcon.Get();
}

void TKsCustomForm::DrawCaptionIcon(TKsBitmap& bitmap, int x, int y, int width, int height)
{
    HICON icon = CaptionIcon(width, height);
    if (!icon)
        return;
    if (icon != FIconImageSource || !FIconImage || FIconImage->Width() != width || FIconImage->Height() != height) {
        // The icon over black and over white: where they differ it lets
        // the background through, which gives its alpha.
        TOwned<TKsBitmap> overBlack = MakeOwned<TKsBitmap>();
        TOwned<TKsBitmap> overWhite = MakeOwned<TKsBitmap>();
        overBlack->SetSize(width, height);
        overWhite->SetSize(width, height);
        overBlack->Fill(0xFF000000);
        overWhite->Fill(0xFFFFFFFF);
        DrawIconEx(overBlack->DC(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        DrawIconEx(overWhite->DC(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        GdiFlush();
        FIconImage = MakeOwned<TKsBitmap>();
        FIconImage->SetSize(width, height);
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column) {
                const uint32_t black = overBlack->GetPixel(column, row);
                const uint32_t white = overWhite->GetPixel(column, row);
                const int alpha =
                    255 -
                    std::clamp(static_cast<int>((white >> 8) & 0xFF) - static_cast<int>((black >> 8) & 0xFF), 0, 255);
                auto channel = [&](int shift) {
                    return alpha ? std::min(255, static_cast<int>((black >> shift) & 0xFF) * 255 / alpha) : 0;
                };
                FIconImage->SetPixel(column, row, MakeColor(channel(16), channel(8), channel(0), alpha));
            }
        FIconImageSource = icon;
    }
    FIconImage->SetPerPixelAlpha(true);
    FIconImage->DrawRect(bitmap, x, y, RECT{0, 0, width, height});
}

bool TKsCustomForm::ButtonPressed(TKsFrameZone zone) const
{
    return FMouseButtons.Contains(ssLeft) && FPressedZone == zone && FHoverZone == zone;
}

void TKsCustomForm::PaintFrame(TKsBitmap& bitmap)
{
    if (FBorderStyle == kbsNone || bitmap.Empty())
        return;
    HDC dc = bitmap.DC();
    RECT outer{0, 0, FFrameSize.cx, FFrameSize.cy};
    ::DrawEdge(dc, &outer, EDGE_RAISED, BF_RECT);
    RECT inner = outer;
    InflateRect(&inner, -2, -2);
    const RECT client = GetClientBounds();
    const uint32_t face = ColorToPixel(clBtnFace);
    bitmap.FillRect(RECT{inner.left, inner.top, inner.right, client.top}, face);
    bitmap.FillRect(RECT{inner.left, client.top, client.left, client.bottom}, face);
    bitmap.FillRect(RECT{client.right, client.top, inner.right, client.bottom}, face);
    bitmap.FillRect(RECT{inner.left, client.bottom, inner.right, inner.bottom}, face);

    const RECT caption = CaptionRect();
    uint32_t from =
        ColorToPixel(static_cast<TColor>(0x80000000u | (FCaptionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION)));
    uint32_t to = ColorToPixel(static_cast<TColor>(
        0x80000000u | (FCaptionActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION)));
    bitmap.GradientFill(caption, from, to, false);

    if (HasForm()) {
        const bool tool = FBorderStyle == kbsToolWindow;
        RECT text = caption;
        if (!tool && FBorderIcons.Contains(kbiSystemMenu))
            text.left += RectHeight(caption);
        int reserve = tool ? 2 * GetSystemMetrics(SM_CXSMSIZE)
                           : GetSystemMetrics(SM_CXSIZE) * (FWindowState == kwsMinimized ? 2 : 7);
        LOGFONTA logFont{};
        GetObjectA(tool ? KsSmallCaptionFont() : KsCaptionFont(), sizeof(logFont), &logFont);
        bitmap.Font().AssignLogFont(logFont);
        bitmap.Font().SetColor(
            static_cast<TColor>(0x80000000u | (FCaptionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT)));
        std::string fitted = FitCaption(bitmap, FFrameSize.cx - text.left - reserve);
        InflateRect(&text, -2, 0);
        bitmap.DrawText(fitted, text, DT_SINGLELINE | DT_VCENTER);
    }

    PaintClassicButton(bitmap, kbiClose, kfzClose);
    if (FBorderStyle == kbsToolWindow)
        return;
    PaintClassicButton(bitmap, kbiSystemMenu, kfzSysMenu);
    PaintClassicButton(bitmap, kbiMinimize, kfzMinimize);
    PaintClassicButton(bitmap, kbiMaximize, kfzMaximize);
    PaintClassicButton(bitmap, kbiRollup, kfzRollup);
    PaintClassicButton(bitmap, kbiTray, kfzTray);
    PaintClassicButton(bitmap, kbiHelp, kfzHelp);
}

void TKsCustomForm::PaintClassicButton(TKsBitmap& bitmap, TKsBorderIcon icon, TKsFrameZone zone)
{
    RECT rect = GetButtonRect(icon);
    if (IsRectEmpty(&rect) || IsMaximizedMDIChild())
        return;
    HDC dc = bitmap.DC();
    const bool pressed = ButtonPressed(zone);
    const UINT push = pressed ? DFCS_PUSHED : 0;
    switch (icon) {
    case kbiClose: DrawFrameControl(dc, &rect, DFC_CAPTION, DFCS_CAPTIONCLOSE | push); break;
    case kbiMinimize:
        DrawFrameControl(dc, &rect, DFC_CAPTION,
                         (FWindowState == kwsMinimized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) | push);
        break;
    case kbiMaximize:
        DrawFrameControl(dc, &rect, DFC_CAPTION,
                         (FWindowState == kwsMaximized ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) | push);
        break;
    case kbiHelp: DrawFrameControl(dc, &rect, DFC_CAPTION, DFCS_CAPTIONHELP | push); break;
    case kbiSystemMenu: {
        int width = GetSystemMetrics(SM_CXSMICON);
        int height = GetSystemMetrics(SM_CYSMICON);
        if (!width || !height) {
            width = GetSystemMetrics(SM_CXSIZE);
            height = GetSystemMetrics(SM_CYSIZE);
        }
        DrawCaptionIcon(bitmap, rect.left, rect.top, width, height);
        break;
    }
    case kbiRollup:
    case kbiTray: {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | push);
        TGdiHandle<HBRUSH> black(CreateSolidBrush(RGB(0, 0, 0)));
        TSelectObject brush(dc, black.Get());
        TSelectObject pen(dc, GetStockObject(BLACK_PEN));
        if (icon == kbiRollup) {
            RECT mark = rect;
            InflateRect(&mark, -4, -5);
            if (!pressed)
                OffsetRect(&mark, -1, -1);
            const int centre = (mark.left + mark.right) / 2;
            POINT points[3];
            if (FWindowState == kwsRollup) {
                points[0] = POINT{mark.left, mark.bottom};
                points[1] = POINT{mark.right, mark.bottom};
                points[2] = POINT{centre, mark.top};
            } else {
                points[0] = POINT{mark.left, mark.top};
                points[1] = POINT{mark.right, mark.top};
                points[2] = POINT{centre, mark.bottom};
            }
            Polygon(dc, points, 3);
        } else {
            RECT mark = rect;
            InflateRect(&mark, -5, -5);
            OffsetRect(&mark, 0, 2);
            if (pressed)
                OffsetRect(&mark, 1, 1);
            Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
        }
        break;
    }
    }
}

void TKsCustomForm::PaintBackground(TKsBitmap& bitmap)
{
    TCustomForm* form = HookedForm();
    if (!form)
        return;
    bitmap.FillRect(GetClientBounds(), ColorToPixel(form->Color()));
}

void TKsCustomForm::WMEraseBkgnd(TMessage& message)
{
    // An MDI parent's background is drawn for its client window, which
    // asks with lParam 100; its own erase is the form's.
    if (IsMDIForm() && message.LParam != 100)
        return;
    MarkHandled();
    message.Result = 1;
    if (!FPaintEnabled || !HasForm() || FFrameBuffer->Empty())
        return;
    HWND handle = FormHandle();
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    std::unique_ptr<TWindowDC> own;
    if (!dc) {
        own = std::make_unique<TWindowDC>(handle);
        dc = own->Get();
    }
    if (!dc)
        return;
    const RECT client = GetClientBounds();
    PaintBackground(*FFrameBuffer);
    if (FBlend) {
        FFrameBuffer->SetAlphaRect(static_cast<uint8_t>(FBlendValue), client);
        const int w = FFrameSize.cx;
        const int h = FFrameSize.cy;
        if (FCanMove) {
            RECT R = WindowScreenRect();
            FFrameBuffer->MergeUnder(*FBackdrop, client.left, client.top,
                                     RECT{R.left + client.left, R.top + client.top, R.right - (w - client.right),
                                          R.bottom - (h - client.bottom)});
        } else {
            FFrameBuffer->MergeUnder(*FBackdrop, client.left, client.top, client);
        }
    }
    if (OnPaint && !IsLoading()) {
        TCanvas canvas(FFrameBuffer->DC());
        OnPaint(this, canvas);
        canvas.SetHandle(nullptr);
    }
    FFrameBuffer->DrawTo(dc, -client.left, -client.top);
}
