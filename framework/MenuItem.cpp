#include "framework/MenuItem.h"

#include "framework/Bitmap.h"
#include "framework/ClassBuilder.h"
#include "framework/ImageList.h"
#include "framework/MainMenu.h"
#include "framework/Menu.h"
#include "framework/MenuPainting.h"
#include "framework/Strings.h"

#include <algorithm>
#include <set>

IMPLEMENT_CLASS(TMenuItem)
{
    Creatable();
    Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck, false);
    Object("Bitmap", &TMenuItem::BitmapObject);
    Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false);
    Property("SubMenuImages", &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages);
    Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false);
    Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true);
    Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex, 0);
    Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1);
    Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false);
    Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, 0);
    Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true);
    Event("OnClick", &TMenuItem::OnClick);
    Event("OnDrawItem", &TMenuItem::OnDrawItem);
    Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

namespace {

// Command identifiers in use: unique in the process, so that a window
// serving several menus can tell their items apart. WM_COMMAND carries
// 16 bits of them.
std::set<UINT>& CommandsInUse()
{
    static std::set<UINT> commands;
    return commands;
}

UINT AllocateCommand()
{
    static UINT next = 0;
    auto& used = CommandsInUse();
    if (used.size() >= 0x7FFF)
        throw EOutOfResources("Too many menu items");
    do {
        next = next >= 0x7FFF ? 1 : next + 1;
    } while (used.count(next));
    used.insert(next);
    return next;
}

}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FBitmap(MakeOwned<TBitmap>()), FCommand(AllocateCommand())
{
    FBitmap->OnChange = TNotifyEvent::Bind<&TMenuItem::BitmapChanged>(this);
}

TMenuItem::~TMenuItem()
{
    if (FParent)
        FParent->Remove(this);
    // Sub-items still held go with their parent, last first.
    while (!FItems.empty()) {
        TMenuItem* last = FItems.back();
        FItems.pop_back();
        last->FParent = nullptr;
        last->Free();
    }
    CommandsInUse().erase(FCommand);
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->FParent)
        item = item->FParent;
    return item->FMenu;
}

void TMenuItem::Changed()
{
    TMenu* menu = GetParentMenu();
    if (menu && !menu->IsDestroying())
        menu->MenuChanged();
}

void TMenuItem::BitmapChanged(TObject*)
{
    Changed();
}

void TMenuItem::SetCaption(const std::string& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut)
{
    if (shortCut == FShortCut)
        return;
    FShortCut = shortCut;
    Changed();
}

void TMenuItem::SetChecked(bool checked)
{
    if (checked == FChecked)
        return;
    FChecked = checked;
    if (checked && FRadioItem)
        UncheckGroupSiblings();
    Changed();
}

void TMenuItem::UncheckGroupSiblings()
{
    if (!FParent)
        return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex && sibling->FChecked) {
            sibling->FChecked = false;
            sibling->Changed();
        }
}

void TMenuItem::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    Changed();
}

void TMenuItem::SetVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    Changed();
}

void TMenuItem::SetRadioItem(bool radioItem)
{
    if (radioItem == FRadioItem)
        return;
    FRadioItem = radioItem;
    if (FRadioItem && FChecked)
        UncheckGroupSiblings();
    Changed();
}

void TMenuItem::SetGroupIndex(uint8_t groupIndex)
{
    if (groupIndex == FGroupIndex)
        return;
    FGroupIndex = groupIndex;
    if (FRadioItem && FChecked)
        UncheckGroupSiblings();
    Changed();
}

void TMenuItem::SetDefault(bool isDefault)
{
    if (isDefault == FDefault)
        return;
    // One default item per sub-menu.
    if (isDefault && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            sibling->FDefault = false;
    FDefault = isDefault;
    Changed();
}

void TMenuItem::SetImageIndex(int index)
{
    if (index == FImageIndex)
        return;
    FImageIndex = index;
    Changed();
}

void TMenuItem::SetSubMenuImages(TImageList* images)
{
    if (ReplaceReference(FSubMenuImages, images))
        Changed();
}

void TMenuItem::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FSubMenuImages) {
        FSubMenuImages = nullptr;
        Changed();
    }
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Format("Menu index out of range (%d)", index));
    return FItems[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item)
        return;
    if (item->FParent || item->FMenu)
        throw EInvalidOperation("Menu inserted twice");
    for (const TMenuItem* ancestor = this; ancestor; ancestor = ancestor->FParent)
        if (ancestor == item)
            throw EInvalidOperation("Menu item cannot be its own sub-item");
    if (index < 0 || index > Count())
        throw EListError(Format("Menu index out of range (%d)", index));
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    if (item->FRadioItem && item->FChecked)
        item->UncheckGroupSiblings();
    Changed();
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item)
{
    int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        FItems.back()->Free();
}

TImageList* TMenuItem::GetImageList() const
{
    if (FParent && FParent->FSubMenuImages)
        return FParent->FSubMenuImages;
    TMenu* menu = GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

bool TMenuItem::IsMenuBarItem() const
{
    return FParent && FParent->FMenu && dynamic_cast<TMainMenu*>(FParent->FMenu);
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    if (FAutoCheck)
        SetChecked(!FChecked);
    OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height)
{
    if (OnMeasureItem)
        OnMeasureItem(this, canvas, width, height);
    else
        MeasureMenuItemPlainly(*this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, bool selected)
{
    if (OnDrawItem)
        OnDrawItem(this, canvas, rect, selected);
    else
        DrawMenuItemPlainly(*this, canvas, rect, selected);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent*)
{
    for (TMenuItem* item : FItems)
        proc(item);
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (FParent)
        FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}
