// The theme engine's walks go over the screen's forms, unless a test has
// put a stand-in list in place.

#include "framework/Form.h"
#include "framework/Screen.h"
#include "theme/NgThemedForms.h"

namespace {
class TScreenFormList : public INgFormList {
public:
    int FormCount() const override { return Screen ? Screen->FormCount() : 0; }
    TComponent* Forms(int index) const override { return Screen->Forms(index); }
    void InvalidateForm(TComponent* form) const override
    {
        if (auto* control = dynamic_cast<TControl*>(form))
            control->Invalidate();
    }
};

TScreenFormList ScreenFormList;
}

INgFormList* ScreenThemedFormList()
{
    return &ScreenFormList;
}
