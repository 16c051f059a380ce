#include "FrameFixture.h"

#include "framework/ClassBuilder.h"
#include "framework/LayoutWriter.h"
#include "tests/support/MessagePump.h"

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

TEST_CASE_FIXTURE(TFrameFixture, "the frame is stored with every setting but a default MinimizeApplication")
{
    const std::string layout = WriteLayout(Form);
    for (const char* line : {"BlendValue = 150", "BorderIcons = [kbiClose, kbiSystemMenu]", "CanResize = False",
                             "MagneticValue = 20", "SysMenuShadowWidth = 4", "ThemeEngine = NgThemeEngine",
                             "Version = '2.1'", "WindowState = kwsNormal", "Active = True"})
        CHECK_MESSAGE(layout.find(line) != std::string::npos, line);
    CHECK(layout.find("MinimizeApplication") == std::string::npos);
    Frame->SetMinimizeApplication(false);
    CHECK(WriteLayout(Form).find("MinimizeApplication = False") != std::string::npos);
}

namespace {
struct TPaintRecorder {
    int Calls = 0;
    COLORREF Under = 0;
    void Paint(TObject*, TCanvas& canvas)
    {
        ++Calls;
        Under = GetPixel(canvas.Handle(), 10, 40);
        RECT mark{3, 29, 23, 49};  // the client's top-left corner in the buffer
        FillRect(canvas.Handle(), &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
};
}

TEST_CASE_FIXTURE(TFrameFixture, "OnPaint draws on the client background through the frame buffer")
{
    TPaintRecorder recorder;
    Frame->OnPaint = TKsPaintEvent::Bind<&TPaintRecorder::Paint>(&recorder);
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CHECK(recorder.Calls >= 1);
    CHECK(recorder.Under == RGB(255, 255, 220));  // the theme's window colour is already there
    POINT corner{5, 5};
    ClientToScreen(Window, &corner);
    TWindowDC screen(nullptr);
    CHECK(PumpUntil([&] { return GetPixel(screen.Get(), corner.x, corner.y) == RGB(0, 0, 0); }, 5000));
    Frame->OnPaint = TKsPaintEvent();
}
