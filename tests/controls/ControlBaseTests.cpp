// The control base: buffer sizing, transparency and blending over the
// parent, what reaches the screen, and its behaviour when GDI fails.

#include "controls/KsControls.h"
#include "tests/controls/ControlsFixture.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"

#include <doctest/doctest.h>

namespace {
const uint32_t Spot = MakeColor(0, 160, 0);

// Draws one opaque square on whatever background the base gives it.
class TSpotControl : public TKsCustomControl {
public:
    using TKsCustomControl::TKsCustomControl;
    int Renders = 0;

protected:
    void PaintForeground() override
    {
        ++Renders;
        Front().FillRect(RECT{2, 2, 6, 6}, Spot);
    }
};

// Answers the blend query the way a blended skinned form does.
class TBlendedForm : public TStripedForm {
    DECLARE_CLASS(TBlendedForm, TStripedForm)
public:
    using TStripedForm::TStripedForm;
    int Queries = 0;

private:
    void KMBlendQuery(TMessage& message)
    {
        ++Queries;
        message.Result = 1;
    }
};

HBITMAP FailingDib(const BITMAPINFO*, void**)
{
    return nullptr;
}

// Makes every new TKsBitmap fail while it exists.
struct TFailingGdi {
    TFailingGdi() { KsBitmapAllocator.CreateDib = FailingDib; }
    ~TFailingGdi() { KsBitmapAllocator = KsBitmapGdiAllocator; }
    TFailingGdi(const TFailingGdi&) = delete;
    TFailingGdi& operator=(const TFailingGdi&) = delete;
};
}  // namespace

IMPLEMENT_CLASS(TBlendedForm)
{
    Message(KM_ISBLENDED, &TBlendedForm::KMBlendQuery);
}

TEST_CASE("buffers are sized in steps of 30 with a step of slack, and shrink only when a step too large")
{
    TControlsFixture fixture;
    auto* control = fixture.Add<TSpotControl>(0, 0, 30, 30);
    CHECK(control->FrontBuffer().Width() == 60);
    control->SetBounds(0, 0, 29, 29);
    CHECK(control->FrontBuffer().Width() == 30);
    control->SetBounds(0, 0, 89, 29);
    CHECK(control->FrontBuffer().Width() == 90);
    control->SetBounds(0, 0, 61, 29);
    CHECK(control->FrontBuffer().Width() == 90);
    control->SetBounds(0, 0, 59, 29);
    CHECK(control->FrontBuffer().Width() == 60);
    CHECK(control->FrontBuffer().Height() == 30);
    // No size: nothing changes, and erasing still answers "done".
    control->SetBounds(0, 0, 0, 29);
    CHECK(control->FrontBuffer().Width() == 60);
    CHECK(control->Perform(WM_ERASEBKGND, 0, 0) == 1);
    control->SetBounds(0, 0, -5, -5);
    CHECK(control->FrontBuffer().Width() == 60);
    CHECK(control->BackBuffer().Empty());
}

TEST_CASE("transparency and blending over the parent's background")
{
    TControlsFixture fixture;
    auto* control = fixture.Add<TSpotControl>(20, 10, 40, 20);
    fixture.Show();
    const uint32_t stripe = TStripedForm::StripeAt(20);

    SUBCASE("opaque: a solid Color rectangle")
    {
        CHECK(Opaque(control->FrontBuffer().GetPixel(0, 0)) == ColorToPixel(clBtnFace));
        CHECK(control->FrontBuffer().GetPixel(3, 3) == Spot);
        control->SetColor(clWhite);
        CHECK(Opaque(control->FrontBuffer().GetPixel(30, 15)) == MakeColor(255, 255, 255));
    }

    SUBCASE("transparent: the form's stripes, read back from the screen")
    {
        control->SetTransparent(true);
        REQUIRE(WaitFor([&] { return ScreenPixel(control->Handle(), 0, 0) == stripe; }));
        for (int x = 6; x < 40; ++x)
            CHECK(ScreenPixel(control->Handle(), x, 10) == TStripedForm::StripeAt(20 + x));
        CHECK(ScreenPixel(control->Handle(), 3, 3) == Spot);
    }

    SUBCASE("blending: BlendValue 0 shows the background only, 255 the control as without blending")
    {
        control->SetTransparent(true);
        control->SetBlend(true);
        CHECK(control->BackBuffer().Width() == control->FrontBuffer().Width());
        control->SetBlendValue(0);
        CHECK(Opaque(control->FrontBuffer().GetPixel(3, 3)) == TStripedForm::StripeAt(23));
        control->SetBlendValue(255);
        CHECK(Opaque(control->FrontBuffer().GetPixel(3, 3)) == Spot);
        control->SetBlendValue(128);
        const uint32_t mixed = control->FrontBuffer().GetPixel(3, 3);
        CHECK(mixed != Spot);
        CHECK(Opaque(mixed) != TStripedForm::StripeAt(23));
        // An unchanged value does not render again.
        const int renders = control->Renders;
        control->SetBlend(true);
        control->SetBlendValue(128);
        CHECK(control->Renders == renders);
    }
}

TEST_CASE("overlapping siblings: drawn into each other once, through the DC they are given")
{
    TControlsFixture fixture;
    auto* below = fixture.Add<TSpotControl>(20, 10, 40, 20);
    auto* above = fixture.Add<TSpotControl>(40, 10, 40, 20);
    above->SetTransparent(true);
    fixture.Show();

    // The upper one shows the lower one's face where they overlap, the
    // stripes elsewhere.
    CHECK(Opaque(above->FrontBuffer().GetPixel(0, 15)) == ColorToPixel(clBtnFace));
    CHECK(Opaque(above->FrontBuffer().GetPixel(25, 15)) == TStripedForm::StripeAt(65));

    // A sibling drawn into a buffer does not validate its own window.
    InvalidateRect(below->Handle(), nullptr, FALSE);
    above->Invalidate();
    RECT pending{};
    CHECK(GetUpdateRect(below->Handle(), &pending, FALSE));

    // Two transparent controls over each other render without end otherwise.
    below->SetTransparent(true);
    above->Invalidate();
    below->Invalidate();
    CHECK_FALSE(above->Dirty());
    CHECK_FALSE(below->Dirty());

    // On a blended form the siblings are left out.
    auto* form = Create<TBlendedForm>(nullptr);
    auto* lower = Create<TSpotControl>(form);
    lower->SetBounds(0, 0, 40, 20);
    lower->SetParent(form);
    auto* upper = Create<TSpotControl>(form);
    upper->SetBounds(20, 0, 40, 20);
    upper->SetTransparent(true);
    upper->SetParent(form);
    form->HandleNeeded();
    TMemoryDC memory;
    upper->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
    CHECK(form->Queries > 0);
    CHECK(upper->OwnerBlended());
    CHECK(Opaque(upper->FrontBuffer().GetPixel(10, 15)) == TStripedForm::StripeAt(30));
    form->Free();
}

TEST_CASE("only the control's own part of its buffer is copied")
{
    TControlsFixture fixture;
    auto* control = fixture.Add<TSpotControl>(0, 0, 35, 20);
    REQUIRE(control->FrontBuffer().Width() == 60);
    TOwned<TKsBitmap> target = MakeOwned<TKsBitmap>();
    target->SetSize(80, 40);
    target->Fill(MakeColor(1, 2, 3));
    control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target->DC()), 0);
    CHECK(Opaque(target->GetPixel(34, 5)) == ColorToPixel(clBtnFace));
    CHECK(Opaque(target->GetPixel(35, 5)) == MakeColor(1, 2, 3));
    CHECK(Opaque(target->GetPixel(5, 20)) == MakeColor(1, 2, 3));
}

TEST_CASE("when GDI cannot make a buffer the control keeps its old one, stays dirty and draws nothing")
{
    TControlsFixture fixture;
    auto* control = fixture.Add<TSpotControl>(0, 0, 40, 20);
    fixture.Show();
    const int renders = control->Renders;
    {
        TFailingGdi failing;
        control->SetBounds(0, 0, 100, 20);
        CHECK(control->FrontBuffer().Width() == 60);
        CHECK(control->Dirty());
        control->Invalidate();
        control->Perform(WM_ERASEBKGND, 0, 0);
        Application->ProcessMessages();
        CHECK(control->Renders == renders);
        // A size whose pixel count overflows 32 bits is refused the same way.
        control->SetBounds(0, 0, 65536, 65536);
        CHECK(control->FrontBuffer().Width() == 60);
    }
    control->SetBounds(0, 0, 100, 20);
    CHECK(control->FrontBuffer().Width() == 120);
    CHECK_FALSE(control->Dirty());
    CHECK(control->Renders > renders);
}
