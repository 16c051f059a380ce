#include "tests/controls/ControlsFixture.h"

#include "framework/Application.h"
#include "framework/ClassBuilder.h"
#include "theme/NgLuna.h"

#include <doctest/doctest.h>

IMPLEMENT_CLASS(TStripedForm)
{
    Message(WM_ERASEBKGND, &TStripedForm::WMEraseBkgnd);
}

TStripedForm::TStripedForm(TComponent* owner) : TForm(owner)
{
    SetBorderStyle(bsNone);
    SetBounds(40, 40, 400, 200);
}

uint32_t TStripedForm::StripeAt(int x)
{
    return (x / 3) % 2 ? MakeColor(200, 40, 40) : MakeColor(40, 40, 200);
}

void TStripedForm::WMEraseBkgnd(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    RECT client = ClientRect();
    for (int x = 0; x < client.right; x += 3) {
        TGdiHandle<HBRUSH> brush(CreateSolidBrush(PixelToColor(StripeAt(x))));
        RECT stripe{x, 0, x + 3, client.bottom};
        FillRect(dc, &stripe, brush.Get());
    }
    message.Result = 1;
}

TControlsFixture::TControlsFixture() : Form(Create<TStripedForm>(nullptr))
{
    Engine = Create<TNgThemeEngine>(Form);
    Engine->SelectThemeClass(TNgLuna::StaticThemeClass());
}

TControlsFixture::~TControlsFixture()
{
    Form->Free();
}

void TControlsFixture::Show()
{
    // The pointer stays wherever an earlier program left it: away from the
    // form, no control is hot unless a test makes it so.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    REQUIRE(WaitFor([&] { return Form->Active(); }));
    // The paint of the form and its controls has happened when nothing is
    // left to paint.
    Form->Update();
    for (int i = 0; i < Form->ControlCount(); ++i)
        Form->Controls(i)->Update();
    Application->ProcessMessages();
}

uint32_t ScreenPixel(HWND window, int x, int y)
{
    TWindowDC dc(window);
    const COLORREF color = GetPixel(dc.Get(), x, y);
    return MakeColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

int CountRuns(const TKsBitmap& bitmap, int y, int from, int to, uint32_t color)
{
    int runs = 0;
    bool inside = false;
    for (int x = from; x < to; ++x) {
        const bool match = Opaque(bitmap.GetPixel(x, y)) == Opaque(color);
        if (match && !inside)
            ++runs;
        inside = match;
    }
    return runs;
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}
}  // namespace

int CountWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

void ClickAt(TControl* control, int x, int y)
{
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

bool PumpUntilFocused(TWinControl* control)
{
    return WaitFor([&] { return control->Focused(); });
}
