#pragma once
// The skinned form frame: a component a form carries that takes over the
// form window's whole non-client area. Through its window hook it computes
// the client area itself, paints caption, borders and caption buttons into
// an off-screen bitmap and copies only the frame strips to the window,
// answers hit-testing with its own zones, and moves and sizes the window
// itself while the mouse is captured, snapping to the work area's edges.
// It can also make the window translucent over a snapshot of the screen
// behind it, give it a drop shadow and play a show animation.
//
// It keeps its own window state (normal, maximized, minimized, rolled up to
// the caption, hidden behind a notification-area icon) and shows its own
// skinned system menu.

#include "frame/KsHooks.h"
#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/EnumInfo.h"
#include "framework/Set.h"
#include "framework/UtilityWindow.h"
#include "framework/WindowThunk.h"
#include "theme/KsBitmap.h"

#include <shellapi.h>

enum TKsBorderStyle { kbsNone, kbsStandard, kbsToolWindow };
DECLARE_ENUM_INFO(TKsBorderStyle)

enum TKsBorderIcon { kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray };
DECLARE_ENUM_INFO(TKsBorderIcon)
using TKsBorderIcons = TSet<TKsBorderIcon>;

enum TKsWindowState { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };
DECLARE_ENUM_INFO(TKsWindowState)

enum TKsAnimation { kaNone, kaRandom, kaFade, kaSlide, kaRect };
DECLARE_ENUM_INFO(TKsAnimation)

// The parts of a frame a point can lie on.
enum TKsFrameZone {
    kfzNone,
    kfzCaption,
    kfzLeft,
    kfzTop,
    kfzRight,
    kfzBottom,
    kfzBorder,
    kfzTopLeft,
    kfzTopRight,
    kfzBottomLeft,
    kfzBottomRight,
    kfzClose,
    kfzHelp,
    kfzMinimize,
    kfzMaximize,
    kfzRollup,
    kfzTray,
    kfzSysMenu,
};

// The frame's private messages.
enum : UINT {
    KM_MDICALCCHILDSCROLL = 0x3F,  // the system's MDI client recomputing its scroll bars
    KM_CAPTIONREFRESH = 1389,      // wParam 13: put WS_CAPTION back; then repaint
    KM_MAXIMIZE = 1390,
    KM_TRAYICON = 1388,   // the frame's own tray icon's callback
    KM_ISBLENDED = 1591,  // a skinned control asks its form: 1 when blended
    KM_RESERVED = 1592,
};

// Smallest and largest size of a window; 0 means no limit.
class TKsSizeConstraints : public TPersistent {
    DECLARE_CLASS(TKsSizeConstraints, TPersistent)
public:
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    void Assign(const TPersistent* source) override;
};

using TKsPaintEvent = TEvent<TObject*, TCanvas&>;

class TKsCustomItem;

// The shell call of the frames' tray icons; tests put a recorder here.
using TKsNotifyIconFunction = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAA data);
extern TKsNotifyIconFunction KsNotifyIcon;

class TKsCustomForm : public TKsHookComponent {
    DECLARE_CLASS(TKsCustomForm, TKsHookComponent)
public:
    explicit TKsCustomForm(TComponent* owner);
    ~TKsCustomForm() override;

    // Published settings.
    bool Blend() const { return FBlend; }
    void SetBlend(bool value);
    int BlendValue() const { return FBlendValue; }
    void SetBlendValue(int value);
    TKsBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TKsBorderIcons value);
    TKsBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TKsBorderStyle value);
    bool CanResize() const { return FCanResize; }
    void SetCanResize(bool value);
    bool CanMove() const { return FCanMove; }
    void SetCanMove(bool value);
    bool Magnetic() const { return FMagnetic; }
    void SetMagnetic(bool value) { FMagnetic = value; }
    int MagneticValue() const { return FMagneticValue; }
    void SetMagneticValue(int value) { FMagneticValue = value; }
    TKsSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(const TKsSizeConstraints& value);
    TComponent* MenuBar() const { return FMenuBar; }
    void SetMenuBar(TComponent* value);
    bool MinimizeApplication() const { return FMinimizeApplication; }
    void SetMinimizeApplication(bool value) { FMinimizeApplication = value; }
    TKsAnimation ShowAnimation() const { return FShowAnimation; }
    void SetShowAnimation(TKsAnimation value) { FShowAnimation = value; }
    int ShowAnimationTime() const { return FShowAnimationTime; }
    void SetShowAnimationTime(int value) { FShowAnimationTime = value; }
    bool StayOnTop() const { return FStayOnTop; }
    void SetStayOnTop(bool value);
    bool SysMenuBlend() const { return FSysMenuBlend; }
    void SetSysMenuBlend(bool value) { FSysMenuBlend = value; }
    int SysMenuBlendValue() const { return FSysMenuBlendValue; }
    void SetSysMenuBlendValue(int value) { FSysMenuBlendValue = value; }
    bool SysMenuDropShadow() const { return FSysMenuDropShadow; }
    void SetSysMenuDropShadow(bool value) { FSysMenuDropShadow = value; }
    int SysMenuShadowWidth() const { return FSysMenuShadowWidth; }
    void SetSysMenuShadowWidth(int value) { FSysMenuShadowWidth = value; }
    TKsAnimation SysMenuShowAnimation() const { return FSysMenuShowAnimation; }
    void SetSysMenuShowAnimation(TKsAnimation value) { FSysMenuShowAnimation = value; }
    int SysMenuShowAnimationTime() const { return FSysMenuShowAnimationTime; }
    void SetSysMenuShowAnimationTime(int value) { FSysMenuShowAnimationTime = value; }
    TKsWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TKsWindowState value);
    TKsPaintEvent OnPaint;

    // Set by the popup windows of the skinned menus, not stored.
    bool DropShadow() const { return FDropShadow; }
    void SetDropShadow(bool value) { FDropShadow = value; }
    int ShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(int value);

    // State the tests and descendants read.
    SIZE FrameSize() const { return FFrameSize; }
    SIZE WindowSize() const { return FWindowSize; }
    bool CaptionActive() const { return FCaptionActive; }
    TKsFrameZone PressedZone() const { return FPressedZone; }
    TKsFrameZone HoverZone() const { return FHoverZone; }
    TShiftState MouseButtons() const { return FMouseButtons; }
    TKsBitmap& FrameBuffer() const { return *FFrameBuffer; }
    TKsBitmap& Backdrop() const { return *FBackdrop; }
    bool PaintEnabled() const { return FPaintEnabled; }

    // Frame geometry, in window coordinates.
    virtual RECT GetButtonRect(TKsBorderIcon icon);
    virtual RECT GetClientBounds();
    virtual RECT GetRollupBounds();
    virtual RECT GetMinimizedBounds();
    virtual RECT GetMaximizedBounds();
    virtual POINT GetMaxTrackSize();
    virtual POINT GetMinTrackSize();
    // A new window region, or none (the caller owns it).
    virtual HRGN CreateRegion();
    virtual void PaintFrame(TKsBitmap& bitmap);
    virtual void PaintBackground(TKsBitmap& bitmap);
    virtual TKsFrameZone HitTest(int x, int y);

    // Re-lays the frame: the window recomputes its non-client area and repaints.
    void RefreshFrame();
    // Paints the frame into the buffer and copies its strips to the window.
    void PaintNonClient();
    // A screen point relative to the window's top-left corner.
    POINT ScreenToWindow(POINT point) const;
    RECT WorkArea() const;
    // Magnetic snapping of window bounds to the work area's edges.
    RECT SnapToWorkArea(const RECT& bounds) const;
    // The caption rectangle of the classic frame.
    RECT CaptionRect();

    // Window states. Each of Maximize, Minimize, Rollup and MinimizeToTray
    // restores instead when the window is in that state already.
    void Maximize();
    void Minimize();
    void Rollup();
    void MinimizeToTray();
    void Restore();
    // Closes the form as its close button does: OnClose runs once.
    void CloseForm();
    TKsWindowState PreviousState() const { return FPreviousState; }
    RECT SavedBounds() const { return FSavedBounds; }

    // The system menu: built anew for the state and border icons each time
    // it opens; showing it returns once it has closed. While one is open,
    // another request is ignored.
    void BuildSystemMenu();
    void ShowSystemMenu();
    TKsCustomItem* SystemMenu() const { return FSystemMenu.get(); }
    bool SystemMenuOpen() const { return FSystemMenuOpen; }

    // MDI: a frame on an MDI child works with the frame of its MDI parent
    // form (the parent frame); the parent's caption names the maximized
    // child ("Parent - [Child]"), and maximizing one child restores none,
    // but minimizing, restoring or closing one restores its maximized
    // siblings.
    bool IsMDIChild() const;
    bool IsMDIForm() const;
    TKsCustomForm* ParentFrame() const;
    // For an MDI child: a child of its parent is zoomed by the system or
    // maximized by its frame; for an MDI parent: a child's frame is.
    bool MDIChildMaximized() const;
    void UpdateParentCaption();
    void RestoreMaximizedSiblings();
    // The MDI parent's client window, while this frame subclasses it.
    HWND SubclassedClient() const { return FClientWindow; }
    // The first active frame among the form's components, or null.
    static TKsCustomForm* ActiveFrameOf(TComponent* form);

    // The icon the window goes to when minimized to the tray.
    void UpdateTrayIcon();
    void RemoveTrayIcon();
    HWND TrayWindow() const { return FTrayWindow ? FTrayWindow->Handle() : nullptr; }
    const NOTIFYICONDATAA& TrayData() const { return FTrayData; }

    // Translucency, shadow and show animation.
    void CaptureBackdrop(bool wholeScreen);
    void UpdateBuffers();
    void PlayShowAnimation();

    void AfterConstruction() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // The application's minimize and restore reach every frame that
    // minimizes with it.
    void ApplicationMinimized();
    void ApplicationRestored();

protected:
    // A new item of the system menu (the themed form makes themed ones).
    virtual TKsCustomItem* CreateMenuItem();
    void SystemMenuClick(TObject* sender);
    virtual void FrameMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void FrameMouseMove(TShiftState shift, int x, int y);
    virtual void FrameMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void MessageProcessed(TKsHook* sender, TMessage& message, bool& handled) override;

    // The form's icon (else the application's, else the system's) at a
    // size, made once and kept until the icon or the size changes.
    HICON CaptionIcon(int width, int height);
    // Draws that icon into the bitmap at (x, y), from an image of it with
    // per-pixel alpha made once: drawing an icon with the system on every
    // paint costs far more than the rest of the frame.
    void DrawCaptionIcon(TKsBitmap& bitmap, int x, int y, int width, int height);
    // The caption cut to width with "...", or empty when not even that fits.
    std::string FitCaption(TKsBitmap& bitmap, int width);
    // An MDI child maximized without a frame of its own: zoomed by the
    // system, or maximized by this frame while a menu bar of the parent
    // frame carries its caption buttons.
    bool IsMaximizedMDIChild() const;
    // The form exists and is not going away.
    bool HasForm() const;
    // Blend composition and the drop shadow (translucency).
    void ComposeBlended();
    void PaintShadow();
    RECT WindowScreenRect() const;

private:
    void PaintClassicButton(TKsBitmap& bitmap, TKsBorderIcon icon, TKsFrameZone zone);
    bool ButtonPressed(TKsFrameZone zone) const;
    void ResetDrag();
    void SetFrameSizes(int width, int height);
    void SetRegion();

    void WMNCCalcSize(TMessage& message);
    void WMNCPaint(TMessage& message);
    void WMNCActivate(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMNCButtonDown(TMessage& message);
    void WMNCButtonUp(TMessage& message);
    void WMNCMouseMove(TMessage& message);
    void WMNCLButtonDblClk(TMessage& message);
    void WMCapturedMouse(TMessage& message);
    void WMCancelDrag(TMessage& message);
    void WMActivate(TMessage& message);
    void WMPaint(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMWindowPosChanging(TMessage& message);
    void WMSysCommand(TMessage& message);
    void KMCaptionRefresh(TMessage& message);
    void KMMaximize(TMessage& message);
    void KMIsBlended(TMessage& message);
    void KMReserved(TMessage& message);
    void TrayWindowProc(TMessage& message);
    void WMMDIActivate(TMessage& message);
    // An MDI child leaves the maximized state (minimized or restored):
    // the frame is laid out again and its maximized siblings restored.
    void LeaveMaximizedMDI();
    void MDIMessageProcessed(TMessage& message, bool& handled);
    // Once the frame watches its form: an MDI parent's client window is
    // subclassed; an MDI child, which the system may have activated before
    // the frame watched it, takes its active look from the system.
    void PrepareMDI();
    void SubclassMDIClient();
    void UnsubclassMDIClient();
    void MDIClientProc(HWND window, TMessage& message);
    // The MDI parent form of the frame's form (itself for an MDI parent).
    TCustomForm* MDIParentForm() const;
    bool IsModal() const;
    RECT FormBounds() const;
    void SetFormBounds(const RECT& bounds);
    bool AddTrayIcon();
    // Joins (or leaves) the frames the application's minimize and restore
    // reach.
    void ApplicationCoupling(bool join);

    bool FBlend = false;
    int FBlendValue = 150;
    TKsBorderIcons FBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray};
    TKsBorderStyle FBorderStyle = kbsStandard;
    bool FCanResize = true;
    bool FCanMove = true;
    bool FMagnetic = true;
    int FMagneticValue = 20;
    TOwned<TKsSizeConstraints> FConstraints;
    TComponent* FMenuBar = nullptr;
    bool FMinimizeApplication = true;
    TKsAnimation FShowAnimation = kaNone;
    int FShowAnimationTime = 400;
    bool FStayOnTop = false;
    bool FSysMenuBlend = false;
    int FSysMenuBlendValue = 150;
    bool FSysMenuDropShadow = true;
    int FSysMenuShadowWidth = 4;
    TKsAnimation FSysMenuShowAnimation = kaNone;
    int FSysMenuShowAnimationTime = 300;
    TKsWindowState FWindowState = kwsNormal;
    bool FDropShadow = false;
    int FShadowWidth = 4;

    SIZE FFrameSize{0, 0};
    SIZE FWindowSize{0, 0};
    TOwned<TKsBitmap> FFrameBuffer;
    TOwned<TKsBitmap> FBackdrop;
    bool FCaptionActive = false;
    TKsFrameZone FPressedZone = kfzNone;
    TKsFrameZone FHoverZone = kfzNone;
    TShiftState FMouseButtons;
    POINT FDownPoint{0, 0};
    POINT FLastPoint{0, 0};
    bool FPaintEnabled = true;
    bool FAnimating = false;
    bool FInShowCapture = false;
    int FLastTextLength = -1;
    TKsWindowState FPreviousState = kwsNormal;
    RECT FSavedBounds{0, 0, 0, 0};
    TOwned<TKsCustomItem> FSystemMenu;
    bool FSystemMenuOpen = false;
    std::unique_ptr<TUtilityWindow> FTrayWindow;
    NOTIFYICONDATAA FTrayData{};
    bool FTrayIconShown = false;
    TIconHandle FIcon;
    TOwned<TKsBitmap> FIconImage;
    HICON FIconImageSource = nullptr;
    HICON FIconSource = nullptr;
    SIZE FIconSize{0, 0};
    std::unique_ptr<TWindowThunk> FClientThunk;
    WNDPROC FClientPrevious = nullptr;
    HWND FClientWindow = nullptr;
};

// The caption fonts of the system's non-client metrics, made once.
HFONT KsCaptionFont();
HFONT KsSmallCaptionFont();
