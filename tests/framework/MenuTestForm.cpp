#include "tests/framework/MenuTestForm.h"

#include "framework/ClassBuilder.h"
#include "framework/LayoutReader.h"

IMPLEMENT_CLASS(TMenuTestForm)
{
    Creatable();
    Field("pmQuorvel", &TMenuTestForm::pmQuorvel);
    Field("pmiWarn", &TMenuTestForm::pmiWarn);
    Field("pmiExit", &TMenuTestForm::pmiExit);
}

const TMethodTable* TMenuTestForm::MethodTable() const
{
    static const TMethodTable table = {
        PUBLISHED_METHOD(TMenuTestForm, pmQuorvelPopup), PUBLISHED_METHOD(TMenuTestForm, pmiWarnClick),
        PUBLISHED_METHOD(TMenuTestForm, pmiExitClick),   PUBLISHED_METHOD(TMenuTestForm, ItemClick),
        PUBLISHED_METHOD(TMenuTestForm, ItemMeasure),    PUBLISHED_METHOD(TMenuTestForm, ItemDraw),
    };
    return &table;
}

void TMenuTestForm::GetChildren(const TGetChildProc& proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent())
            proc(Components(i));
}

void TMenuTestForm::Notification(TComponent* component, TOperation operation)
{
    inherited::Notification(component, operation);
    if (operation == opInsert)
        Inserted.push_back(component);
}

TMenuTestForm* ReadMenuForm(const std::string& layout)
{
    TMenuTestForm* form = Create<TMenuTestForm>(nullptr);
    try {
        ReadLayout(form, layout, "TESTMENU");
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}
