#include "framework/Picture.h"

#include "framework/Bitmap.h"
#include "framework/ClassBuilder.h"
#include "framework/Icon.h"

IMPLEMENT_CLASS(TPicture)
{
    Property("BitmapResource", &TPicture::BitmapResource, &TPicture::SetBitmapResource, std::string());
    Property("IconResource", &TPicture::IconResource, &TPicture::SetIconResource, std::string());
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::GraphicChanged(TObject*)
{
    OnChange(this);
}

void TPicture::Replace(TOwned<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = TNotifyEvent::Bind<&TPicture::GraphicChanged>(this);
    OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (graphic == FGraphic.get()) {
        return;
    }
    if (!graphic) {
        Replace(nullptr);
        return;
    }
    TOwned<TGraphic> copy;
    if (dynamic_cast<const TBitmap*>(graphic))
        copy = MakeOwned<TBitmap>();
    else if (dynamic_cast<const TIcon*>(graphic))
        copy = MakeOwned<TIcon>();
    else
        AssignError(graphic);
    copy->Assign(graphic);
    Replace(std::move(copy));
}

TBitmap& TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(FGraphic.get()))
        Replace(MakeOwned<TBitmap>());
    return static_cast<TBitmap&>(*FGraphic);
}

TIcon& TPicture::Icon()
{
    if (!dynamic_cast<TIcon*>(FGraphic.get()))
        Replace(MakeOwned<TIcon>());
    return static_cast<TIcon&>(*FGraphic);
}

int TPicture::Width() const
{
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const
{
    return FGraphic ? FGraphic->Height() : 0;
}

std::string TPicture::BitmapResource() const
{
    auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get());
    return bitmap ? bitmap->ResourceName() : std::string();
}

void TPicture::SetBitmapResource(const std::string& name)
{
    if (name.empty())
        return;
    Bitmap().SetResourceName(name);
}

std::string TPicture::IconResource() const
{
    auto* icon = dynamic_cast<TIcon*>(FGraphic.get());
    return icon ? icon->ResourceName() : std::string();
}

void TPicture::SetIconResource(const std::string& name)
{
    if (name.empty())
        return;
    Icon().SetResourceName(name);
}

void TPicture::Assign(const TPersistent* source)
{
    if (source == this)
        return;
    if (!source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto* picture = dynamic_cast<const TPicture*>(source)) {
        SetGraphic(picture->Graphic());
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
        return;
    }
    inherited::Assign(source);
}
