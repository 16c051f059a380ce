#include "framework/ActionList.h"

#include "framework/Action.h"
#include "framework/ClassBuilder.h"
#include "framework/ImageList.h"
#include "framework/Strings.h"

#include <algorithm>

IMPLEMENT_CLASS(TActionList)
{
    Creatable();
    Property("Images", &TActionList::Images, &TActionList::SetImages);
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList()
{
    SetImages(nullptr);
    // Each action leaves the list as it goes.
    while (!FActions.empty())
        FActions.back()->Free();
}

TAction* TActionList::Actions(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FActions[static_cast<size_t>(index)];
}

void TActionList::AddAction(TAction* action)
{
    FActions.push_back(action);
}

void TActionList::RemoveAction(TAction* action)
{
    FActions.erase(std::remove(FActions.begin(), FActions.end(), action), FActions.end());
}

void TActionList::SetImages(TImageList* value)
{
    if (ReplaceReference(FImages, value))
        ImagesChanged();
}

void TActionList::ImagesChanged()
{
    if (IsDestroying())
        return;
    for (TAction* action : std::vector<TAction*>(FActions))
        action->Changed();
}

void TActionList::GetChildren(const TGetChildProc& proc, TComponent* root)
{
    for (TAction* action : FActions)
        if (action->Owner() == root)
            proc(action);
}

void TActionList::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opRemove && component == FImages) {
        FImages = nullptr;
        ImagesChanged();
    }
}
