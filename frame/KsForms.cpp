#include "frame/KsForms.h"

#include "frame/KsItems.h"
#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Form.h"

#include <algorithm>

IMPLEMENT_ENUM_INFO(TKsBorderStyle, "kbsNone", "kbsStandard", "kbsToolWindow")
IMPLEMENT_ENUM_INFO(TKsBorderIcon, "kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize", "kbiHelp", "kbiRollup",
                    "kbiTray")
IMPLEMENT_ENUM_INFO(TKsWindowState, "kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray")
IMPLEMENT_ENUM_INFO(TKsAnimation, "kaNone", "kaRandom", "kaFade", "kaSlide", "kaRect")

IMPLEMENT_CLASS(TKsSizeConstraints)
{
    Property("MinWidth", &TKsSizeConstraints::MinWidth, &TKsSizeConstraints::MinWidth, 0);
    Property("MinHeight", &TKsSizeConstraints::MinHeight, &TKsSizeConstraints::MinHeight, 0);
    Property("MaxWidth", &TKsSizeConstraints::MaxWidth, &TKsSizeConstraints::MaxWidth, 0);
    Property("MaxHeight", &TKsSizeConstraints::MaxHeight, &TKsSizeConstraints::MaxHeight, 0);
}

IMPLEMENT_CLASS(TKsCustomForm)
{
    using C = TKsCustomForm;
    Property("Active", &C::Active, &C::SetActive);
    Property("Blend", &C::Blend, &C::SetBlend);
    Property("BlendValue", &C::BlendValue, &C::SetBlendValue);
    Property("BorderIcons", &C::BorderIcons, &C::SetBorderIcons);
    Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle);
    Property("CanResize", &C::CanResize, &C::SetCanResize);
    Property("CanMove", &C::CanMove, &C::SetCanMove);
    Property("Magnetic", &C::Magnetic, &C::SetMagnetic);
    Property("MagneticValue", &C::MagneticValue, &C::SetMagneticValue);
    Object("Constraints", &C::Constraints);
    Property("MenuBar", &C::MenuBar, &C::SetMenuBar);
    Property("MinimizeApplication", &C::MinimizeApplication, &C::SetMinimizeApplication, true);
    Property("ShowAnimation", &C::ShowAnimation, &C::SetShowAnimation);
    Property("ShowAnimationTime", &C::ShowAnimationTime, &C::SetShowAnimationTime);
    Property("StayOnTop", &C::StayOnTop, &C::SetStayOnTop);
    Property("SysMenuBlend", &C::SysMenuBlend, &C::SetSysMenuBlend);
    Property("SysMenuBlendValue", &C::SysMenuBlendValue, &C::SetSysMenuBlendValue);
    Property("SysMenuDropShadow", &C::SysMenuDropShadow, &C::SetSysMenuDropShadow);
    Property("SysMenuShadowWidth", &C::SysMenuShadowWidth, &C::SetSysMenuShadowWidth);
    Property("SysMenuShowAnimation", &C::SysMenuShowAnimation, &C::SetSysMenuShowAnimation);
    Property("SysMenuShowAnimationTime", &C::SysMenuShowAnimationTime, &C::SetSysMenuShowAnimationTime);
    Event("OnPaint", &C::OnPaint);
    Message(WM_NCCALCSIZE, &C::WMNCCalcSize);
    Message(WM_NCPAINT, &C::WMNCPaint);
    Message(WM_NCACTIVATE, &C::WMNCActivate);
    Message(WM_NCHITTEST, &C::WMNCHitTest);
    Message(WM_NCLBUTTONDOWN, &C::WMNCButtonDown);
    Message(WM_NCRBUTTONDOWN, &C::WMNCButtonDown);
    Message(WM_NCLBUTTONUP, &C::WMNCButtonUp);
    Message(WM_NCRBUTTONUP, &C::WMNCButtonUp);
    Message(WM_NCMOUSEMOVE, &C::WMNCMouseMove);
    Message(WM_NCLBUTTONDBLCLK, &C::WMNCLButtonDblClk);
    Message(WM_MOUSEMOVE, &C::WMCapturedMouse);
    Message(WM_LBUTTONUP, &C::WMCapturedMouse);
    Message(WM_CANCELMODE, &C::WMCancelDrag);
    Message(WM_CAPTURECHANGED, &C::WMCancelDrag);
    Message(WM_ACTIVATE, &C::WMActivate);
    Message(WM_PAINT, &C::WMPaint);
    Message(WM_ERASEBKGND, &C::WMEraseBkgnd);
    Message(WM_WINDOWPOSCHANGING, &C::WMWindowPosChanging);
    Message(WM_SYSCOMMAND, &C::WMSysCommand);
    Message(WM_MDIACTIVATE, &C::WMMDIActivate);
    Message(KM_CAPTIONREFRESH, &C::KMCaptionRefresh);
    Message(KM_MAXIMIZE, &C::KMMaximize);
    Message(KM_ISBLENDED, &C::KMIsBlended);
    Message(KM_RESERVED, &C::KMReserved);
}

void TKsSizeConstraints::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TKsSizeConstraints*>(source)) {
        MinWidth = other->MinWidth;
        MinHeight = other->MinHeight;
        MaxWidth = other->MaxWidth;
        MaxHeight = other->MaxHeight;
        return;
    }
    inherited::Assign(source);
}

namespace {

// The caption fonts, made from the system's non-client metrics once and
// kept for the life of the process.
struct TCaptionFonts {
    TGdiHandle<HFONT> Caption;
    TGdiHandle<HFONT> SmallCaption;
    TCaptionFonts()
    {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the Windows 9x layout");
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        Caption.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
        SmallCaption.Reset(CreateFontIndirectA(&metrics.lfSmCaptionFont));
    }
};

TCaptionFonts& CaptionFonts()
{
    static TCaptionFonts fonts;
    return fonts;
}

}  // namespace

HFONT KsCaptionFont()
{
    return CaptionFonts().Caption.Get();
}

HFONT KsSmallCaptionFont()
{
    return CaptionFonts().SmallCaption.Get();
}

// ---- life cycle and settings ----

TKsCustomForm::TKsCustomForm(TComponent* owner)
    : TKsHookComponent(owner), FConstraints(MakeOwned<TKsSizeConstraints>()), FFrameBuffer(MakeOwned<TKsBitmap>()),
      FBackdrop(MakeOwned<TKsBitmap>())
{
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) {
        // The frame is ours: the form keeps a plain sizeable window (which
        // never scrolls: the framework's forms have no scroll bars).
        form->SetBorderStyle(bsSizeable);
        form->SetBorderIcons(TBorderIcons());
        SetForm(form);
        // A child window within its parent: it minimizes on its own,
        // snaps to the parent's client area and has nothing to go to the
        // tray with.
        if (form->FormStyle() == fsMDIChild) {
            FMinimizeApplication = false;
            FMagneticValue = 9;
            FBorderIcons = TKsBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup};
        }
    }
    if (!IsDesigning()) {
        FTrayWindow = std::make_unique<TUtilityWindow>(TWndMethod::Bind<&TKsCustomForm::TrayWindowProc>(this));
        // The Windows 95 record: the shells of these systems know no other.
        FTrayData.cbSize = NOTIFYICONDATAA_V1_SIZE;
        FTrayData.hWnd = FTrayWindow->Handle();
        FTrayData.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(this));
        FTrayData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        FTrayData.uCallbackMessage = KM_TRAYICON;
    }
}

TKsCustomForm::~TKsCustomForm()
{
    UnsubclassMDIClient();
    ApplicationCoupling(false);
    RemoveTrayIcon();
}

bool TKsCustomForm::HasForm() const
{
    auto* form = dynamic_cast<TCustomForm*>(Form());
    return form && !form->IsDestroying() && !IsDestroying();
}

void TKsCustomForm::SetBlend(bool value)
{
    if (value == FBlend)
        return;
    FBlend = value;
    // Switched on after loading: the snapshot is made now, so that the
    // composition never reads an empty one.
    if (FBlend && HasForm() && !IsLoading() && IsWindowVisible(FormHandle()))
        CaptureBackdrop(FCanMove);
    RefreshFrame();
}

void TKsCustomForm::SetBlendValue(int value)
{
    value = std::clamp(value, 0, 255);
    if (value == FBlendValue)
        return;
    FBlendValue = value;
    RefreshFrame();
}

void TKsCustomForm::SetBorderIcons(TKsBorderIcons value)
{
    if (value == FBorderIcons)
        return;
    FBorderIcons = value;
    RefreshFrame();
}

void TKsCustomForm::SetBorderStyle(TKsBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    RefreshFrame();
}

void TKsCustomForm::SetCanResize(bool value)
{
    if (value == FCanResize)
        return;
    FCanResize = value;
    RefreshFrame();
}

void TKsCustomForm::SetCanMove(bool value)
{
    if (value == FCanMove)
        return;
    FCanMove = value;
    RefreshFrame();
}

void TKsCustomForm::SetConstraints(const TKsSizeConstraints& value)
{
    FConstraints->Assign(&value);
    if (HasForm()) {
        TCustomForm* form = HookedForm();
        if (form && FConstraints->MinWidth && form->Width() < FConstraints->MinWidth)
            form->SetWidth(FConstraints->MinWidth);
        if (form && FConstraints->MinHeight && form->Height() < FConstraints->MinHeight)
            form->SetHeight(FConstraints->MinHeight);
    }
    RefreshFrame();
}

void TKsCustomForm::SetMenuBar(TComponent* value)
{
    ReplaceReference(FMenuBar, value);
}

void TKsCustomForm::SetStayOnTop(bool value)
{
    FStayOnTop = value;
    if (IsDesigning() || !HasForm() || !FormHandle())
        return;
    TCustomForm* form = HookedForm();
    SetWindowPos(FormHandle(), value ? HWND_TOPMOST : HWND_NOTOPMOST, form->Left(), form->Top(), FFrameSize.cx,
                 FFrameSize.cy, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void TKsCustomForm::SetWindowState(TKsWindowState value)
{
    if (value == FWindowState)
        return;
    FWindowState = value;
    RefreshFrame();
}

void TKsCustomForm::SetShadowWidth(int value)
{
    // A band wider than the window would leave no frame at all.
    FShadowWidth = std::clamp(value, 0, 64);
}

void TKsCustomForm::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FMenuBar)
        FMenuBar = nullptr;
}

void TKsCustomForm::AfterConstruction()
{
    inherited::AfterConstruction();
    // Made in code rather than read from a layout: lay the frame out now.
    if (!IsLoading())
        PrepareMDI();
    RefreshFrame();
}

void TKsCustomForm::Loaded()
{
    inherited::Loaded();
    if (HasForm()) {
        TCustomForm* form = HookedForm();
        if (form)
            SetFrameSizes(form->Width(), form->Height());
        if ((FBlend || FDropShadow) && !IsDesigning())
            FBackdrop->SetSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    PrepareMDI();
    RefreshFrame();
}

void TKsCustomForm::RefreshFrame()
{
    if (!Active() || IsLoading() || !HasForm() || !FormHandle())
        return;
    TCustomForm* form = HookedForm();
    int width = form->Width();
    form->SetWidth(width + 1);
    form->SetWidth(width);
}
