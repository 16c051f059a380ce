// The skinned frame's MDI support: the frame of an MDI child works with
// its parent form's frame and caption, and the frame of an MDI parent
// subclasses the parent's client window, which lies over the whole client
// area, so that the frame's background shows through it.

#include "frame/KsForms.h"

#include "framework/Form.h"
#include "framework/ScopeGuard.h"

#include <vector>

namespace {

// The caption part the frames add to an MDI parent's caption.
const char ChildCaptionStart[] = " - [";

// The caption without the part naming a maximized child. Only what the
// frames add is taken off: a parent's own caption may hold a "[".
std::string ParentCaptionBase(const std::string& caption)
{
    const size_t start = caption.find(ChildCaptionStart);
    if (start == std::string::npos || caption.empty() || caption.back() != ']')
        return caption;
    return caption.substr(0, start);
}

std::vector<HWND> ChildWindows(const TCustomForm* parent)
{
    std::vector<HWND> windows;
    for (int i = 0; parent && i < parent->MDIChildCount(); ++i)
        if (TCustomForm* child = parent->MDIChildren(i); child && child->HandleAllocated())
            windows.push_back(child->Handle());
    return windows;
}

TKsCustomForm* FrameOfWindow(HWND window)
{
    return TKsCustomForm::ActiveFrameOf(dynamic_cast<TCustomForm*>(FindControl(window)));
}

bool FrameMaximized(const TCustomForm* child)
{
    TKsCustomForm* frame = TKsCustomForm::ActiveFrameOf(const_cast<TCustomForm*>(child));
    return frame && frame->WindowState() == kwsMaximized;
}

bool ChildMaximized(const TCustomForm* child, bool countZoomed)
{
    return FrameMaximized(child) || (countZoomed && child->WindowState() == wsMaximized);
}

// Sibling restoring restores frames, whose restoring restores siblings:
// the outermost pass does the work.
bool RestoringSiblings = false;

}  // namespace

TKsCustomForm* TKsCustomForm::ActiveFrameOf(TComponent* form)
{
    for (int i = 0; form && i < form->ComponentCount(); ++i)
        if (auto* frame = dynamic_cast<TKsCustomForm*>(form->Components(i)); frame && frame->Active())
            return frame;
    return nullptr;
}

bool TKsCustomForm::IsMDIChild() const
{
    TCustomForm* form = HookedForm();
    return form && form->FormStyle() == fsMDIChild;
}

bool TKsCustomForm::IsMDIForm() const
{
    TCustomForm* form = HookedForm();
    return form && form->FormStyle() == fsMDIForm;
}

TCustomForm* TKsCustomForm::MDIParentForm() const
{
    if (IsMDIForm())
        return HookedForm();
    return IsMDIChild() ? HookedForm()->MDIParent() : nullptr;
}

TKsCustomForm* TKsCustomForm::ParentFrame() const
{
    return IsMDIChild() ? ActiveFrameOf(MDIParentForm()) : nullptr;
}

bool TKsCustomForm::MDIChildMaximized() const
{
    TCustomForm* parent = MDIParentForm();
    for (int i = 0; parent && i < parent->MDIChildCount(); ++i)
        if (TCustomForm* child = parent->MDIChildren(i); child && ChildMaximized(child, IsMDIChild()))
            return true;
    return false;
}

bool TKsCustomForm::IsMaximizedMDIChild() const
{
    if (!IsMDIChild())
        return false;
    if (HookedForm()->WindowState() == wsMaximized)
        return true;
    // Without a menu bar nothing would carry the caption buttons of a
    // frameless child: it keeps its own caption to be restored by.
    TKsCustomForm* parentFrame = ParentFrame();
    return FWindowState == kwsMaximized && parentFrame && parentFrame->MenuBar();
}

void TKsCustomForm::UpdateParentCaption()
{
    TCustomForm* parent = MDIParentForm();
    if (!parent || parent->IsDestroying())
        return;
    // The child named: this one when maximized, else the active one when
    // maximized, else the first maximized one.
    TCustomForm* named = nullptr;
    if (IsMDIChild() && ChildMaximized(HookedForm(), true))
        named = HookedForm();
    else if (TCustomForm* active = parent->ActiveMDIChild(); active && ChildMaximized(active, true))
        named = active;
    for (int i = 0; !named && i < parent->MDIChildCount(); ++i)
        if (TCustomForm* child = parent->MDIChildren(i); child && ChildMaximized(child, true))
            named = child;
    std::string caption = ParentCaptionBase(parent->Caption());
    if (named)
        caption += ChildCaptionStart + named->Caption() + "]";
    if (caption != parent->Caption())
        parent->SetCaption(caption);
    if (named && parent->HandleAllocated())
        PostMessageA(parent->Handle(), KM_CAPTIONREFRESH, 0, 0);
}

void TKsCustomForm::RestoreMaximizedSiblings()
{
    TCustomForm* parent = MDIParentForm();
    if (!parent || RestoringSiblings)
        return;
    {
        TScopedOverride<bool> restoring(RestoringSiblings, true);
        // Found again by window for each: a restore may free nothing, but
        // its handlers may.
        for (HWND window : ChildWindows(parent))
            if (TKsCustomForm* frame = FrameOfWindow(window); frame && frame->WindowState() == kwsMaximized)
                frame->Restore();
    }
    UpdateParentCaption();
}

void TKsCustomForm::LeaveMaximizedMDI()
{
    RefreshFrame();
    PostMessageA(FormHandle(), WM_SIZE, 0, 0);
    // The parent frame's menu bar would hide the child's caption buttons
    // here; the program's windows have none.
    RestoreMaximizedSiblings();
}

void TKsCustomForm::PrepareMDI()
{
    if (IsDesigning() || !Active() || !HasForm())
        return;
    SubclassMDIClient();
    if (IsMDIChild() && HookedForm()->HandleAllocated() && HookedForm()->Active() != FCaptionActive) {
        FCaptionActive = !FCaptionActive;
        PaintNonClient();
    }
}

// ---- the MDI parent's client window ----

void TKsCustomForm::SubclassMDIClient()
{
    if (IsDesigning() || !Active() || !IsMDIForm())
        return;
    HWND client = HookedForm()->ClientHandle();
    if (!client || client == FClientWindow)
        return;
    UnsubclassMDIClient();
    FClientThunk = std::make_unique<TWindowThunk>(TThunkMethod::Bind<&TKsCustomForm::MDIClientProc>(this));
    FClientPrevious = WindowProcOf(client);
    SetWindowProc(client, FClientThunk->Procedure());
    FClientWindow = client;
}

void TKsCustomForm::UnsubclassMDIClient()
{
    if (!FClientWindow)
        return;
    if (IsWindow(FClientWindow)) {
        if (WindowProcOf(FClientWindow) == FClientThunk->Procedure())
            SetWindowProc(FClientWindow, FClientPrevious);
        else
            AbandonProcedure(std::move(FClientThunk), FClientPrevious);
    }
    FClientThunk.reset();
    FClientPrevious = nullptr;
    FClientWindow = nullptr;
}

void TKsCustomForm::MDIClientProc(HWND window, TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT: {
        TWinPaintDC dc(window, message.WParam);
        if (HasForm())
            HookedForm()->PaintControls(dc.Get());
        message.Result = 0;
        return;
    }
    case WM_ERASEBKGND:
        // The frame's background, as the form's own erase would draw it.
        if (HasForm() && !MDIChildMaximized())
            SendMessageA(FormHandle(), WM_ERASEBKGND, message.WParam, 100);
        message.Result = 0;
        return;
    case KM_MDICALCCHILDSCROLL: {
        const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
        // Only when there is an edge to take: re-applying the frame makes
        // the client post this message again.
        if (exStyle & WS_EX_CLIENTEDGE) {
            SetWindowLongA(window, GWL_EXSTYLE, exStyle & ~WS_EX_CLIENTEDGE);
            SetWindowPos(window, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        message.Result = 0;
        return;
    }
    default: break;
    }
    const WNDPROC previous = FClientPrevious;
    message.Result = CallWindowProcA(previous, window, message.Msg, message.WParam, message.LParam);
    // Clicks on the empty client area reach the form below it.
    if (message.Msg == WM_NCHITTEST && message.Result == HTCLIENT)
        message.Result = HTTRANSPARENT;
    if (message.Msg == WM_NCDESTROY && window == FClientWindow) {
        if (WindowProcOf(window) == FClientThunk->Procedure())
            SetWindowProc(window, previous);
        FClientThunk.reset();
        FClientPrevious = nullptr;
        FClientWindow = nullptr;
    }
}

// ---- messages ----

void TKsCustomForm::WMMDIActivate(TMessage& message)
{
    // Not consumed: the system's MDI code needs it as well.
    if (!HasForm() || !ParentFrame() || !MDIChildMaximized())
        return;
    UpdateParentCaption();
    if (reinterpret_cast<HWND>(message.WParam) == FormHandle()) {
        // The place where the parent frame's menu bar would show this
        // child's caption buttons; no window of the program has one.
        return;
    }
    // Activated while another child is maximized: maximized as well.
    if (FWindowState != kwsMaximized)
        PostMessageA(FormHandle(), KM_MAXIMIZE, 0, 0);
}

void TKsCustomForm::MDIMessageProcessed(TMessage& message, bool& handled)
{
    if (message.Msg == KM_MDICALCCHILDSCROLL) {
        message.Result = 0;
        handled = true;
        return;
    }
    if (message.Msg != WM_SIZE || !IsMDIForm() || !MDIChildMaximized())
        return;
    TCustomForm* form = HookedForm();
    TCustomForm* active = form->ActiveMDIChild();
    if (!active)
        return;
    RECT area{0, 0, 0, 0};
    GetClientRect(form->ClientHandle() ? form->ClientHandle() : form->Handle(), &area);
    active->SetBoundsRect(area);
}
