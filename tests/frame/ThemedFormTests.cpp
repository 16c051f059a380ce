#include "FrameFixture.h"

#include "framework/ClassBuilder.h"

#include <doctest/doctest.h>

TEST_CASE_FIXTURE(TFrameFixture, "without an available theme the frame is the classic one, and comes back with it")
{
    CHECK(Frame->Version() == "2.1");
    Frame->SetVersion("9.9");
    CHECK(Frame->Version() == "2.1");

    const int side = GetSystemMetrics(SM_CXFRAME);
    const int top = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION);
    auto clientCorner = [&] {
        POINT origin{0, 0};
        ClientToScreen(Window, &origin);
        RECT window = WindowRect();
        return POINT{origin.x - window.left, origin.y - window.top};
    };
    CHECK(clientCorner().y == 29);

    SUBCASE("the engine's theme is replaced by one that cannot draw")
    {
        Form->NgThemeEngine->SelectThemeClass(TNgTheme::StaticThemeClass());
        CHECK_FALSE(Frame->IsThemed());
        CHECK(clientCorner().x == side);
        CHECK(clientCorner().y == top);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        CHECK(GetWindowRgn(Window, region) == ERROR);  // the classic frame is a plain rectangle
        DeleteObject(region);
        Form->NgThemeEngine->SelectThemeClass(*FindThemeClass("Luna XP"));
        CHECK(clientCorner().y == 29);
    }
    SUBCASE("the engine goes away")
    {
        Form->NgThemeEngine->Free();
        Form->NgThemeEngine = nullptr;
        CHECK(Frame->ThemeEngine() == nullptr);
        CHECK_FALSE(Frame->IsThemed());
        Frame->RefreshFrame();
        CHECK(clientCorner().y == top);
    }
}

namespace {
// Exposes the caption icon the frame draws with.
class TIconFrame : public TKsCustomForm {
    DECLARE_CLASS(TIconFrame, TKsCustomForm)
public:
    explicit TIconFrame(TComponent* owner) : TKsCustomForm(owner) {}
    using TKsCustomForm::CaptionIcon;
};
}

IMPLEMENT_CLASS(TIconFrame) {}

TEST_CASE("the caption icon is copied once per icon and size, not on every paint")
{
    TForm* form = Create<TForm>(nullptr);
    auto* frame = Create<TIconFrame>(form);
    frame->SetActive(true);
    HICON first = frame->CaptionIcon(16, 16);
    REQUIRE(first);
    CHECK(frame->CaptionIcon(16, 16) == first);
    HICON larger = frame->CaptionIcon(32, 32);
    REQUIRE(larger);
    CHECK(frame->CaptionIcon(32, 32) == larger);
    form->Free();
}
