#include "tests/framework/TestComponents.h"

#include "framework/ClassBuilder.h"
#include "framework/Stream.h"

#include <algorithm>

std::vector<std::string> TestLog;

IMPLEMENT_ENUM_INFO(TShape, "shCircle", "shSquare", "shTriangle")
IMPLEMENT_ENUM_INFO(TFlag, "flRed", "flGreen", "flBlue")

IMPLEMENT_CLASS(TTestFont)
{
    Property("Name", &TTestFont::Name, &TTestFont::Name, std::string("Arial"));
    Property("Height", &TTestFont::Height, &TTestFont::Height, -11);
}

IMPLEMENT_CLASS(TGadget)
{
    Creatable();
    Property("Count", &TGadget::Count, &TGadget::Count, 0);
    Property("Caption", &TGadget::Caption, &TGadget::Caption);
    Property("Enabled", &TGadget::Enabled, &TGadget::Enabled, true);
    Property("Shape", &TGadget::Shape, &TGadget::Shape, shCircle);
    Property("Flags", &TGadget::Flags, &TGadget::Flags, TFlags());
    Property("Color", &TGadget::Color, &TGadget::Color, clBtnFace);
    Property("Ratio", &TGadget::Ratio, &TGadget::Ratio, 8.33L);
    Property("Tag", &TGadget::Tag, &TGadget::Tag, 0).AlwaysStored();
    Property("Buddy", &TGadget::Buddy, &TGadget::SetBuddy);
    Object("Font", &TGadget::Font);
    Event("OnChange", &TGadget::OnChange);
}

TGadget::TGadget(TComponent* owner) : TComponent(owner), FFont(MakeOwned<TTestFont>()) {}

TGadget::~TGadget()
{
    TestLog.push_back("free " + Name());
}

void TGadget::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opInsert && dynamic_cast<TGadget*>(component))
        TestLog.push_back(Name() + " sees gadget inserted");
    if (operation == opRemove && component == FBuddy)
        FBuddy = nullptr;
}

void TGadget::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(
        "Blob",
        [this](TStream& stream) {
            int32_t length = stream.ReadInt32();
            Blob.assign(static_cast<size_t>(length), '\0');
            stream.ReadBuffer(&Blob[0], static_cast<size_t>(length));
        },
        [this](TStream& stream) {
            stream.WriteInt32(static_cast<int32_t>(Blob.size()));
            stream.WriteBuffer(Blob.data(), Blob.size());
        },
        !Blob.empty());
}

void TGadget::GetChildren(const TGetChildProc& proc, TComponent*)
{
    for (TGadget* kid : Kids)
        proc(kid);
}

void TGadget::SetParentComponent(TComponent* parent)
{
    ParentGadget = dynamic_cast<TGadget*>(parent);
    if (ParentGadget)
        ParentGadget->Kids.push_back(this);
}

void TGadget::Loaded()
{
    TComponent::Loaded();
    TestLog.push_back("loaded " + Name());
}

IMPLEMENT_CLASS(TTestForm)
{
    Creatable();
    Field("First", &TTestForm::First);
    Field("Second", &TTestForm::Second);
}

const TMethodTable* TTestForm::MethodTable() const
{
    static const TMethodTable table = {
        PUBLISHED_METHOD(TTestForm, GadgetChanged),
        PUBLISHED_METHOD(TTestForm, OtherChanged),
        PUBLISHED_METHOD(TTestForm, WrongShape),
    };
    return &table;
}

void TTestForm::GetChildren(const TGetChildProc& proc, TComponent*)
{
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* component = Components(i);
        if (!component->HasParent())
            proc(component);
    }
}
