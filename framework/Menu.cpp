#include "framework/Menu.h"

#include "framework/Canvas.h"
#include "framework/ClassBuilder.h"
#include "framework/ImageList.h"
#include "framework/MenuItem.h"
#include "framework/MenuPainting.h"
#include "framework/ScopeGuard.h"
#include "framework/Strings.h"

#include <cctype>
#include <set>

IMPLEMENT_CLASS(TMenu)
{
    Property("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys, true);
    Property("Images", &TMenu::Images, &TMenu::SetImages);
    Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false);
    Property("RightToLeft", &TMenu::RightToLeft, &TMenu::SetRightToLeft, false);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner)
{
    FItems = Create<TMenuItem>(this);
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    // The tree goes first, without telling this half-destroyed menu.
    FItems->FMenu = nullptr;
    FreeAndNil(FItems);
}

void TMenu::SetImages(TImageList* images)
{
    if (ReplaceReference(FImages, images))
        MenuChanged();
}

void TMenu::SetOwnerDraw(bool ownerDraw)
{
    if (ownerDraw == FOwnerDraw)
        return;
    FOwnerDraw = ownerDraw;
    MenuChanged();
}

void TMenu::SetAutoHotkeys(bool autoHotkeys)
{
    if (autoHotkeys == FAutoHotkeys)
        return;
    FAutoHotkeys = autoHotkeys;
    MenuChanged();
}

void TMenu::SetRightToLeft(bool rightToLeft)
{
    if (rightToLeft == FRightToLeft)
        return;
    FRightToLeft = rightToLeft;
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FImages) {
        FImages = nullptr;
        MenuChanged();
    }
}

void TMenu::Loaded()
{
    inherited::Loaded();
    MenuChanged();
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root)
{
    FItems->GetChildren(proc, root);
}

void TMenu::MenuChanged()
{
    FStale = true;
}

HMENU TMenu::Handle()
{
    if ((FStale || !FHandle) && FOpenCount == 0)
        RebuildHandle();
    return FHandle.Get();
}

void TMenu::RebuildHandle()
{
    if (FAutoHotkeys)
        AssignHotkeys(FItems);
    std::vector<std::pair<HMENU, TMenuItem*>> oldLevels;
    oldLevels.swap(FLevels);
    TMenuHandle fresh(NewMenuHandle());
    if (!fresh) {
        FLevels.swap(oldLevels);
        throw EOutOfResources("Out of system resources");
    }
    {
        // A failed fill leaves the menu as it was.
        TScopeGuard keepOld([&] { FLevels.swap(oldLevels); });
        FillMenu(fresh.Get(), FItems);
        keepOld.Dismiss();
    }
    // The old tree stays alive until the new one has taken its place.
    TMenuHandle old(FHandle.Release());
    FHandle.Reset(fresh.Release());
    FStale = false;
    HandleRebuilt();
}

void TMenu::FillMenu(HMENU menu, TMenuItem* parent)
{
    FLevels.emplace_back(menu, parent);
    UINT position = 0;
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible())
            continue;
        std::string text = item->Caption();
        std::string shortCut = ShortCutToText(item->ShortCut());
        if (!shortCut.empty())
            text += "\t" + shortCut;

        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        info.fType = item->IsSeparator() ? MFT_SEPARATOR : MFT_STRING;
        if (FOwnerDraw)
            info.fType |= MFT_OWNERDRAW;
        if (item->RadioItem())
            info.fType |= MFT_RADIOCHECK;
        if (FRightToLeft)
            info.fType |= MFT_RIGHTORDER;
        info.fState = (item->Checked() ? MFS_CHECKED : 0) | (item->Enabled() ? 0 : MFS_GRAYED) |
                      (item->Default() ? MFS_DEFAULT : 0);
        info.wID = item->Command();
        info.dwItemData = item->Command();
        if (!item->IsSeparator() && !FOwnerDraw) {
            info.dwTypeData = const_cast<char*>(text.c_str());
            info.cch = static_cast<UINT>(text.size());
        }
        TMenuHandle subMenu;
        if (item->Count() > 0) {
            subMenu.Reset(CreatePopupMenu());
            if (!subMenu)
                throw EOutOfResources("Out of system resources");
            FillMenu(subMenu.Get(), item);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = subMenu.Get();
        }
        if (!InsertMenuItemA(menu, position, TRUE, &info))
            throw EOutOfResources("Out of system resources");
        subMenu.Release();  // the parent menu destroys it now
        ++position;
    }
}

void TMenu::AssignHotkeys(TMenuItem* parent)
{
    std::set<char> taken;
    for (int i = 0; i < parent->Count(); ++i)
        if (char key = GetHotkey(parent->Items(i)->Caption()))
            taken.insert(key);
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        const std::string& caption = item->Caption();
        if (item->Count() > 0)
            AssignHotkeys(item);
        if (item->IsSeparator() || GetHotkey(caption))
            continue;
        for (size_t at = 0; at < caption.size(); ++at) {
            unsigned char c = static_cast<unsigned char>(caption[at]);
            char key = static_cast<char>(std::toupper(c));
            if (std::isalnum(c) && !taken.count(key)) {
                taken.insert(key);
                // Quietly: the handle is being built from these captions.
                item->FCaption = caption.substr(0, at) + "&" + caption.substr(at);
                break;
            }
        }
    }
}

TMenuItem* TMenu::FindItem(UINT command) const
{
    std::vector<TMenuItem*> pending{FItems};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item != FItems && item->Command() == command)
            return item;
        for (int i = 0; i < item->Count(); ++i)
            pending.push_back(item->Items(i));
    }
    return nullptr;
}

TMenuItem* TMenu::LevelOf(HMENU menu) const
{
    for (const auto& level : FLevels)
        if (level.first == menu)
            return level.second;
    return nullptr;
}

bool TMenu::DispatchMenuMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_COMMAND:
        // From a menu: notification code 0 and no control window.
        if (HIWORD(message.WParam) == 0 && message.LParam == 0) {
            if (TMenuItem* item = FindItem(LOWORD(message.WParam))) {
                item->Click();
                message.Result = 0;
                return true;
            }
        }
        return false;
    case WM_MEASUREITEM: return MeasureItem(message);
    case WM_DRAWITEM: return DrawItem(message);
    case WM_MENUCHAR: return MenuChar(message);
    default: return false;
    }
}

bool TMenu::MeasureItem(TMessage& message)
{
    auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (!request || request->CtlType != ODT_MENU)
        return false;
    TMenuItem* item = FindItem(static_cast<UINT>(request->itemData));
    if (!item)
        return false;
    TWindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    SelectMenuFont(*item, canvas);
    int width = static_cast<int>(request->itemWidth);
    int height = static_cast<int>(request->itemHeight);
    item->MeasureItem(canvas, width, height);
    request->itemWidth = width > 0 ? static_cast<UINT>(width) : 0;
    request->itemHeight = height > 0 ? static_cast<UINT>(height) : 0;
    message.Result = TRUE;
    return true;
}

bool TMenu::DrawItem(TMessage& message)
{
    auto* request = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (!request || request->CtlType != ODT_MENU)
        return false;
    TMenuItem* item = FindItem(static_cast<UINT>(request->itemData));
    if (!item)
        return false;
    // Everything the handler selects or sets goes back before the system
    // draws on with this DC.
    TSavedDC saved(request->hDC);
    TCanvas canvas(request->hDC);
    SelectMenuFont(*item, canvas);
    item->DrawItem(canvas, request->rcItem, (request->itemState & ODS_SELECTED) != 0);
    message.Result = TRUE;
    return true;
}

bool TMenu::MenuChar(TMessage& message)
{
    HMENU menu = reinterpret_cast<HMENU>(message.LParam);
    TMenuItem* parent = LevelOf(menu);
    if (!parent)
        return false;
    char key = static_cast<char>(std::toupper(static_cast<unsigned char>(LOWORD(message.WParam))));
    // Positions in the HMENU are those of the visible items.
    std::vector<std::pair<int, TMenuItem*>> matches;
    int highlighted = -1;
    int position = 0;
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible())
            continue;
        if (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE)
            highlighted = position;
        if (!item->IsSeparator() && GetHotkey(item->Caption()) == key)
            matches.emplace_back(position, item);
        ++position;
    }
    if (matches.empty()) {
        message.Result = MAKELRESULT(0, MNC_IGNORE);
    } else if (matches.size() == 1 && matches[0].second->Enabled()) {
        message.Result = MAKELRESULT(matches[0].first, MNC_EXECUTE);
    } else {
        // Several items share the key: each press moves to the next one.
        size_t next = 0;
        while (next < matches.size() && matches[next].first <= highlighted)
            ++next;
        if (next == matches.size())
            next = 0;
        message.Result = MAKELRESULT(matches[next].first, MNC_SELECT);
    }
    return true;
}
