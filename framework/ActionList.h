#pragma once
// A list of actions with the images their clients show. In layouts the
// actions are stored inside their list:
//   object alCommands: TActionList
//     Images = ilCommands
//     object actClose: TAction
//       Caption = '&Close'
//       OnExecute = actCloseExecute
//     end
//   end

#include "framework/Component.h"

#include <vector>

class TAction;
class TImageList;

class TActionList : public TComponent {
    DECLARE_CLASS(TActionList, TComponent)
public:
    explicit TActionList(TComponent* owner);
    // Frees the actions still in the list.
    ~TActionList() override;

    int Count() const { return static_cast<int>(FActions.size()); }
    TAction* Actions(int index) const;

    // Not owned; the actions' clients hear when it changes.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TAction;
    void AddAction(TAction* action);
    void RemoveAction(TAction* action);
    void ImagesChanged();

    std::vector<TAction*> FActions;
    TImageList* FImages = nullptr;
};
