#include "FrameFixture.h"

#include "framework/GdiObject.h"
#include "tests/support/MessagePump.h"
#include "theme/KsBitmap.h"

TFrameFixture::TFrameFixture()
{
    Form = Create<TfrmFrameDemo>(nullptr);
    Frame = Form->NgForm;
    Form->Show();
    Window = Form->Handle();
    Pump();
}

TFrameFixture::~TFrameFixture()
{
    Form->Free();
    Pump();
    // Tests that move the mouse leave it where later tests' windows appear.
    SetCursorPos(1010, 10);
}

void TFrameFixture::Pump()
{
    PumpUntil([] { return true; });
}

RECT TFrameFixture::WindowRect() const
{
    RECT rect;
    GetWindowRect(Window, &rect);
    return rect;
}

LPARAM TFrameFixture::ScreenPoint(int x, int y) const
{
    RECT rect = WindowRect();
    return MAKELPARAM(rect.left + x, rect.top + y);
}

LRESULT TFrameFixture::HitTest(int x, int y) const
{
    return SendMessageA(Window, WM_NCHITTEST, 0, ScreenPoint(x, y));
}

void TFrameFixture::NCButtonDown(int x, int y) const
{
    SendMessageA(Window, WM_NCLBUTTONDOWN, HitTest(x, y), ScreenPoint(x, y));
}

void TFrameFixture::CapturedMove(int x, int y) const
{
    RECT client = Frame->GetClientBounds();
    SendMessageA(Window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x - client.left, y - client.top));
}

void TFrameFixture::CapturedUp(int x, int y) const
{
    RECT client = Frame->GetClientBounds();
    SendMessageA(Window, WM_LBUTTONUP, 0, MAKELPARAM(x - client.left, y - client.top));
}

void TFrameFixture::SetActiveLook(bool active) const
{
    SendMessageA(Window, WM_NCACTIVATE, active ? TRUE : FALSE, 0);
}

std::vector<uint32_t> TFrameFixture::ScreenPixels() const
{
    RECT rect = WindowRect();
    TOwned<TKsBitmap> copy = MakeOwned<TKsBitmap>();
    copy->SetSize(rect.right - rect.left, rect.bottom - rect.top);
    TWindowDC screen(nullptr);
    BitBlt(copy->DC(), 0, 0, copy->Width(), copy->Height(), screen.Get(), rect.left, rect.top, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> pixels(copy->Bits(), copy->Bits() + copy->Width() * copy->Height());
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<int*>(count);
        EnumChildWindows(window, &CountChild, count);  // all descendants
    }
    return TRUE;
}
}

int CountProcessWindows()
{
    int count = 0;
    EnumWindows(&CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}
