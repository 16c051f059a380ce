#include "frame/KsItems.h"

#include "frame/KsMenuForm.h"
#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "framework/Exceptions.h"
#include "framework/ImageList.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"
#include "framework/UtilityWindow.h"
#include "resources/resource.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

namespace {
// A value the item shows of its own, not its action's: only such values
// are stored.
template <auto ItemValue, auto ActionValue>
bool IsOwnValue(const TObject& object)
{
    const auto& item = static_cast<const TKsCustomItem&>(object);
    const TAction* action = item.Action();
    return !action || !((item.*ItemValue)() == (action->*ActionValue)());
}

bool IsOwnClick(const TObject& object)
{
    const auto& item = static_cast<const TKsCustomItem&>(object);
    return !item.Action() || item.OnClick != item.Action()->OnExecute();
}
}  // namespace

IMPLEMENT_CLASS(TKsCustomItem)
{
    using C = TKsCustomItem;
    using A = TAction;
    Creatable();
    Property("Caption", &C::Caption, &C::SetCaption).StoredWhen(&IsOwnValue<&C::Caption, &A::Caption>);
    Property("Checked", &C::Checked, &C::SetChecked, false).StoredWhen(&IsOwnValue<&C::Checked, &A::Checked>);
    Property("Enabled", &C::Enabled, &C::SetEnabled, true).StoredWhen(&IsOwnValue<&C::Enabled, &A::Enabled>);
    Property("HelpContext", &C::HelpContext, &C::SetHelpContext, 0)
        .StoredWhen(&IsOwnValue<&C::HelpContext, &A::HelpContext>);
    Property("Hint", &C::Hint, &C::SetHint).StoredWhen(&IsOwnValue<&C::Hint, &A::Hint>);
    Property("ImageIndex", &C::ImageIndex, &C::SetImageIndex, -1)
        .StoredWhen(&IsOwnValue<&C::ImageIndex, &A::ImageIndex>);
    Property("Images", &C::Images, &C::SetImages);
    Property("PopupBlend", &C::PopupBlend, &C::SetPopupBlend, false);
    Property("PopupBlendValue", &C::PopupBlendValue, &C::SetPopupBlendValue, 150);
    Property("ShortCut", &C::ShortCut, &C::SetShortCut, 0).StoredWhen(&IsOwnValue<&C::ShortCut, &A::ShortCut>);
    Property("Visible", &C::Visible, &C::SetVisible, true).StoredWhen(&IsOwnValue<&C::Visible, &A::Visible>);
    Property("Action", &C::Action, &C::SetAction);
    Event("OnClick", &C::OnClick).StoredWhen(&IsOwnClick);
}

IMPLEMENT_CLASS(TKsItemView) {}

namespace {

// Every live item with its serial: a deferred click names an item that may
// be gone by the time the message arrives, or whose address a new item
// has taken since.
std::map<const TKsCustomItem*, unsigned>& LiveItems()
{
    static std::map<const TKsCustomItem*, unsigned> items;
    return items;
}
unsigned NextSerial = 0;

struct TMenuFont {
    LOGFONTA LogFont{};
    TMenuFont()
    {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        LogFont = metrics.lfMenuFont;
    }
};

// Runs chosen items once the menus have closed.
class TKsClickHandler {
public:
    TKsClickHandler() : FWindow(TWndMethod::Bind<&TKsClickHandler::WndProc>(this))
    {
        SetWindowPos(FWindow.Handle(), nullptr, 10000, 10000, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND Handle() const { return FWindow.Handle(); }

private:
    void WndProc(TMessage& message)
    {
        if (message.Msg != KM_ITEMCLICK) {
            FWindow.DefaultHandler(message);
            return;
        }
        auto* item = reinterpret_cast<TKsCustomItem*>(message.LParam);
        const auto serial = static_cast<unsigned>(message.WParam);
        if (!TKsCustomItem::IsLive(item, serial))
            return;
        // The closed popups disappear and their owners repaint first.
        if (Application)
            Application->ProcessMessages();
        // Handling those messages may have freed the item (a new menu tree).
        if (TKsCustomItem::IsLive(item, serial))
            item->RunClick();
    }

    TUtilityWindow FWindow;
};

TKsClickHandler& ClickHandler()
{
    static TKsClickHandler handler;
    return handler;
}

TKsItemView* InnermostTracking = nullptr;

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IsNonClientButton(UINT message)
{
    return message >= WM_NCLBUTTONDOWN && message <= WM_NCMBUTTONDBLCLK;
}

}  // namespace

const LOGFONTA& KsMenuLogFont()
{
    static TMenuFont font;
    return font.LogFont;
}

HWND KsClickHandlerWindow()
{
    return ClickHandler().Handle();
}

// ---- items ----

TKsCustomItem::TKsCustomItem(TComponent* owner) : TComponent(owner), FSerial(++NextSerial)
{
    LiveItems()[this] = FSerial;
}

TKsCustomItem::~TKsCustomItem()
{
    LiveItems().erase(this);
    while (!FItems.empty()) {
        TKsCustomItem* child = FItems.back();
        FItems.pop_back();
        child->FParent = nullptr;
        child->Free();
    }
    if (FParent)
        FParent->Remove(this);
    SetImages(nullptr);
}

bool TKsCustomItem::IsLive(const TKsCustomItem* item, unsigned serial)
{
    auto found = LiveItems().find(item);
    return found != LiveItems().end() && found->second == serial;
}

void TKsCustomItem::SetCaption(const std::string& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    Changed();
}

void TKsCustomItem::SetChecked(bool value)
{
    if (value == FChecked)
        return;
    FChecked = value;
    Changed();
}

void TKsCustomItem::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    Changed();
}

void TKsCustomItem::SetImageIndex(int value)
{
    if (value == FImageIndex)
        return;
    FImageIndex = value;
    Changed();
}

void TKsCustomItem::SetImages(TImageList* value)
{
    if (ReplaceReference(FImages, value) && !IsDestroying())
        Changed();
}

void TKsCustomItem::SetShortCut(TShortCut value)
{
    if (value == FShortCut)
        return;
    FShortCut = value;
    Changed();
}

void TKsCustomItem::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    Changed();
}

void TKsCustomItem::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation != opRemove || !component)
        return;
    if (component == FImages)
        FImages = nullptr;
    if (component == Action())
        FActionLink.reset();
}

void TKsCustomItem::Changed()
{
    OnItemChange(this);
    TKsCustomItem* root = Root();
    if (root != this)
        root->OnItemChange(this);
}

TKsCustomItem* TKsCustomItem::Root()
{
    TKsCustomItem* item = this;
    while (item->FParent)
        item = item->FParent;
    return item;
}

void TKsCustomItem::Add(TKsCustomItem* item)
{
    Insert(Count(), item);
}

void TKsCustomItem::Insert(int index, TKsCustomItem* item)
{
    if (item->FParent)
        throw Exception(LoadStr(IDS_ITEM_ALREADY_INSERTED));
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TKsCustomItem::Delete(int index)
{
    TKsCustomItem* item = Items(index);
    item->FParent = nullptr;
    FItems.erase(FItems.begin() + index);
}

void TKsCustomItem::Remove(TKsCustomItem* item)
{
    int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
}

int TKsCustomItem::IndexOf(const TKsCustomItem* item) const
{
    auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TKsCustomItem::SetPopupBlend(bool value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FPopupBlend = value; });
}

void TKsCustomItem::SetPopupBlendValue(int value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FPopupBlendValue = std::clamp(value, 0, 255); });
}

void TKsCustomItem::SetDropShadow(bool value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FDropShadow = value; });
}

void TKsCustomItem::SetShadowWidth(int value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FShadowWidth = value; });
}

void TKsCustomItem::SetShowAnimation(TKsAnimation value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FShowAnimation = value; });
}

void TKsCustomItem::SetShowAnimationTime(int value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FShowAnimationTime = value; });
}

void TKsCustomItem::SetAnimateNow(bool value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FAnimateNow = value; });
}

void TKsCustomItem::SetAnimateFirstOnly(bool value)
{
    ForSubtree([value](TKsCustomItem& item) { item.FAnimateFirstOnly = value; });
}

TImageList* TKsCustomItem::GetImages()
{
    return FImages ? FImages : Root()->FImages;
}

TKsCustomItem* TKsCustomItem::FindAccelerator(char key) const
{
    const std::string wanted = std::string("&") + Upper(key);
    for (TKsCustomItem* child : FItems) {
        std::string caption = child->FCaption;
        for (char& c : caption)
            c = Upper(c);
        if (caption.find(wanted) != std::string::npos)
            return child;
    }
    return nullptr;
}

void TKsCustomItem::DispatchShortCut(WORD key, TShiftState shift)
{
    TShortCut modifiers = 0;
    if (shift.Contains(ssShift))
        modifiers |= scShift;
    if (shift.Contains(ssCtrl))
        modifiers |= scCtrl;
    if (shift.Contains(ssAlt))
        modifiers |= scAlt;
    const TShortCut wanted = MakeShortCut(static_cast<unsigned char>(Upper(static_cast<char>(key))), modifiers);
    for (TKsCustomItem* child : std::vector<TKsCustomItem*>(FItems)) {
        if (child->FShortCut && child->FShortCut == wanted)
            child->Click();
        child->DispatchShortCut(key, shift);
    }
}

void TKsCustomItem::Click()
{
    if (IsSeparator() || Count() > 0 || !FEnabled)
        return;
    PostMessageA(KsClickHandlerWindow(), KM_ITEMCLICK, FSerial, reinterpret_cast<LPARAM>(this));
}

TKsPopupWindow* TKsCustomItem::CreatePopupWindow(TKsItemView* parentView)
{
    auto* window = Create<TKsPopupWindow>(nullptr);
    window->Setup(this, parentView);
    return window;
}

void TKsCustomItem::Popup(TKsItemView* parentView, int x, int y, const RECT& exclude)
{
    TOwned<TKsPopupWindow> window(CreatePopupWindow(parentView));
    TKsItemView& view = window->View();
    const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const SIZE size = window->PopupSize();
    int left = x;
    int top = y;
    if (RectWidth(exclude) < 1) {
        if (left + size.cx > screen.cx)
            left = x - size.cx;
        if (top + size.cy > screen.cy)
            top = y - size.cy;
    } else {
        const bool belowBar = parentView && parentView->IsMenuBar();
        left = belowBar ? exclude.left : exclude.right;
        top = belowBar ? exclude.bottom : exclude.top;
        if (left + size.cx > screen.cx)
            left = (belowBar ? exclude.right : exclude.left) - size.cx;
        if (top + size.cy > screen.cy)
            top = (belowBar ? exclude.top : exclude.bottom) - size.cy;
        if (left + size.cx > screen.cx)
            left = screen.cx - size.cx;
        if (top + size.cy > screen.cy)
            top = screen.cy - size.cy;
    }
    window->SetBounds(left, top, size.cx, size.cy);
    window->ShowPopup();
    if (parentView)
        parentView->SetChildView(&view);
    TScopeGuard unlink([parentView] {
        if (parentView)
            parentView->SetChildView(nullptr);
    });
    view.Track();
}

// ---- the view ----

TKsItemView::TKsItemView(TComponent* owner) : TComponent(owner) {}

TKsItemView::~TKsItemView()
{
    if (InnermostTracking == this)
        InnermostTracking = FParentView;
}

TKsItemView* TKsItemView::TrackingView()
{
    return InnermostTracking;
}

SIZE TKsItemView::ContentSize()
{
    SIZE content{0, 0};
    if (!FItem)
        return content;
    for (int i = 0; i < FItem->Count(); ++i) {
        TKsCustomItem* child = FItem->Items(i);
        if (!child->Visible())
            continue;
        int width = 0;
        int height = 0;
        child->MeasureItem(FBitmap, *this, width, height);
        if (FHorizontal) {
            content.cx += width;
            content.cy = std::max<LONG>(content.cy, height);
        } else {
            content.cx = std::max<LONG>(content.cx, width);
            content.cy += height;
        }
    }
    return content;
}

RECT TKsItemView::GetItemRect(const TKsCustomItem* child)
{
    RECT none{0, 0, 0, 0};
    if (!FItem || !child || !child->Visible())
        return none;
    const SIZE content = ContentSize();
    int offset = 0;
    for (int i = 0; i < FItem->Count(); ++i) {
        TKsCustomItem* item = FItem->Items(i);
        if (!item->Visible())
            continue;
        int width = 0;
        int height = 0;
        item->MeasureItem(FBitmap, *this, width, height);
        RECT rect =
            FHorizontal ? RECT{offset, 0, offset + width, content.cy} : RECT{0, offset, content.cx, offset + height};
        offset += FHorizontal ? width : height;
        if (item == child) {
            OffsetRect(&rect, FPaintOrigin.x, FPaintOrigin.y);
            return rect;
        }
    }
    return none;
}

void TKsItemView::PaintItems(TKsBitmap& bitmap, POINT origin)
{
    if (!FItem)
        return;
    FPaintOrigin = origin;
    for (int i = 0; i < FItem->Count(); ++i) {
        TKsCustomItem* child = FItem->Items(i);
        if (child->Visible())
            child->DrawItem(bitmap, *this, GetItemRect(child), child == FSelected, !FTracking);
    }
    FPaintOrigin = POINT{0, 0};
}

void TKsItemView::HitTest(POINT screen)
{
    POINT point = screen;
    if (FWindow)
        ScreenToClient(FWindow, &point);
    if (!FTracking)
        FSelected = nullptr;
    if (FItem) {
        for (int i = 0; i < FItem->Count(); ++i) {
            TKsCustomItem* child = FItem->Items(i);
            RECT rect = GetItemRect(child);
            if (child->Visible() && PtInRect(&rect, point)) {
                FSelected = child;
                break;
            }
        }
    }
    Repaint();
}

void TKsItemView::Step(int direction)
{
    if (!FItem || FItem->Count() == 0)
        return;
    const int count = FItem->Count();
    int index = FSelected ? FItem->IndexOf(FSelected) : (direction > 0 ? count - 1 : 0);
    // At most one round: a level with nothing to stop at keeps its selection.
    for (int step = 0; step < count; ++step) {
        index = (index + direction + count) % count;
        if (FItem->Items(index)->IsSelectable()) {
            FSelected = FItem->Items(index);
            break;
        }
    }
    Repaint();
    if (FSubmenuOpen)
        OpenSubmenu();
}

void TKsItemView::SelectNext()
{
    Step(1);
}

void TKsItemView::SelectPrevious()
{
    Step(-1);
}

void TKsItemView::CloseAll()
{
    for (TKsItemView* view = this; view; view = view->FParentView) {
        view->FTracking = false;
        view->FSelected = nullptr;
        view->FSubmenuOpen = false;
        view->Repaint();
    }
}

bool TKsItemView::OpenSubmenu()
{
    TKsCustomItem* selected = FSelected;
    if (!selected || selected->Count() == 0)
        return false;
    RECT rect = GetItemRect(selected);
    MapWindowPoints(FWindow, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    FSubmenuOpen = true;
    if (FIsMenuBar)
        selected->Popup(this, rect.left, rect.bottom, rect);
    else
        selected->Popup(this, rect.right, rect.top, rect);
    return true;
}

TKsItemView* TKsItemView::Outermost()
{
    TKsItemView* view = this;
    while (view->FParentView)
        view = view->FParentView;
    return view;
}

void TKsItemView::PostKey(WPARAM key) const
{
    PostMessageA(FWindow, WM_KEYDOWN, key, 1);
}

namespace {
POINT LastMousePosition{-1, -1};
}

void TKsItemView::Track()
{
    FTracking = true;
    TKsItemView* const outer = InnermostTracking;
    InnermostTracking = this;
    TScopeGuard leave([this, outer] {
        FTracking = false;
        InnermostTracking = outer;
        ReleaseCapture();
    });
    if (FItem && FItem->Count() > 0) {
        FSelected = FItem->Items(FItem->Count() - 1);
        SelectNext();
        POINT cursor;
        GetCursorPos(&cursor);
        HitTest(cursor);
    }
    Repaint();
    bool first = true;
    while (FTracking) {
        if (!first)
            WaitMessage();
        first = false;
        MSG msg;
        while (FTracking && PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            if (!HandleMessage(msg))
                return;
    }
}

bool TKsItemView::OnSelectedChain(POINT screen)
{
    for (TKsItemView* view = this; view; view = view->FParentView) {
        if (!view->FSelected)
            continue;
        POINT point = screen;
        ScreenToClient(view->FWindow, &point);
        RECT rect = view->GetItemRect(view->FSelected);
        if (PtInRect(&rect, point))
            return true;
    }
    return false;
}

bool TKsItemView::MouseButton(const MSG& msg, bool down)
{
    POINT point = msg.pt;
    ScreenToClient(FWindow, &point);
    RECT rect = FSelected ? GetItemRect(FSelected) : RECT{0, 0, 0, 0};
    if (PtInRect(&rect, point)) {
        PostKey(VK_RETURN);
        return true;
    }
    if (OnSelectedChain(msg.pt))
        return true;
    CloseAll();
    return !down;
}

bool TKsItemView::MouseMove(const MSG& msg)
{
    const POINT point = msg.pt;
    if (point.x == LastMousePosition.x && point.y == LastMousePosition.y)
        return true;
    LastMousePosition = point;
    for (TKsItemView* view = Outermost(); view; view = view->FChildView) {
        TKsCustomItem* before = view->FSelected;
        view->HitTest(point);
        if (view != this && view->FSelected != before) {
            for (TKsItemView* closing = this; closing && closing != view; closing = closing->FParentView)
                closing->PostKey(VK_ESCAPE);
            PostMessageA(view->FWindow, KM_OPENSUBMENU, 0, 0);
            return true;
        }
        if (view == this)
            break;
    }
    if (!FIsMenuBar)
        OpenSubmenu();
    return true;
}

bool TKsItemView::HandleKey(MSG& msg)
{
    const bool popup = !FIsMenuBar;
    switch (msg.wParam) {
    case VK_TAB:
    case VK_SPACE: return true;
    case VK_RETURN: {
        TKsCustomItem* chosen = FSelected;
        if (!chosen)
            return true;
        chosen->Click();
        const bool opened = OpenSubmenu();
        if (!opened && chosen->Enabled() && !chosen->IsSeparator())
            CloseAll();
        return true;
    }
    case VK_MENU:
    case VK_F10: CloseAll(); return true;
    case VK_ESCAPE:
        if (FParentView)
            FParentView->FSubmenuOpen = false;
        FSelected = nullptr;
        Repaint();
        return false;
    case VK_LEFT:
        if (!popup) {
            SelectPrevious();
        } else if (FParentView && FParentView->FIsMenuBar) {
            FParentView->PostKey(VK_LEFT);
            return false;
        } else if (FParentView) {
            PostKey(VK_ESCAPE);
        }
        return true;
    case VK_UP:
        if (popup)
            SelectPrevious();
        return true;
    case VK_RIGHT:
        if (!popup) {
            SelectNext();
        } else if (!OpenSubmenu() && FParentView && Outermost()->FIsMenuBar) {
            TKsItemView* outermost = Outermost();
            for (TKsItemView* view = this; view != outermost; view = view->FParentView)
                view->PostKey(VK_ESCAPE);
            outermost->SelectNext();
            PostMessageA(outermost->FWindow, KM_OPENSUBMENU, 0, 0);
            return false;
        }
        return true;
    case VK_DOWN:
        if (popup)
            SelectNext();
        else
            OpenSubmenu();
        return true;
    default: TranslateMessage(&msg); return true;
    }
}

bool TKsItemView::HandleMessage(MSG& peeked)
{
    if (peeked.message == WM_QUIT || IsNonClientButton(peeked.message)) {
        CloseAll();
        return false;
    }
    if (peeked.message == WM_LBUTTONDOWN && !MouseButton(peeked, true))
        return false;
    MSG msg;
    // The message looked at, not one that came in ahead of it since.
    if (!PeekMessageA(&msg, peeked.hwnd, peeked.message, peeked.message, PM_REMOVE))
        return true;
    const UINT message = msg.message;
    if (message == WM_LBUTTONDOWN || message == WM_CONTEXTMENU)
        return true;
    if (message == WM_MOUSEMOVE)
        return MouseMove(msg);
    if (message == WM_LBUTTONUP)
        return MouseButton(msg, false);
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        return true;
    if (message == KM_OPENSUBMENU && msg.hwnd == FWindow) {
        OpenSubmenu();
        return true;
    }
    if (message >= WM_KEYFIRST && message <= WM_KEYLAST) {
        if (GetKeyState(VK_LBUTTON) < 0)
            return true;
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
            return HandleKey(msg);
        if (message == WM_CHAR || message == WM_SYSCHAR) {
            if (TKsCustomItem* found = FItem ? FItem->FindAccelerator(static_cast<char>(msg.wParam)) : nullptr) {
                FSelected = found;
                Repaint();
                PostKey(VK_RETURN);
            }
        }
        return true;
    }
    DispatchMessageA(&msg);
    return true;
}
