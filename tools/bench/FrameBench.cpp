#include "tools/bench/FrameBench.h"

#include "frame/KsItems.h"
#include "frame/NgForms.h"
#include "framework/Form.h"
#include "theme/NgEngine.h"
#include "tools/bench/BenchData.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Rounds = 31;

// Microseconds per call of the fastest of the rounds.
double BestMicroseconds(int calls, const std::function<void(int)>& call)
{
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        const double start = Now();
        for (int i = 0; i < calls; ++i)
            call(i);
        best = std::min(best, Now() - start);
    }
    return best / calls * 1e6;
}

void Print(const char* name, double value, const char* unit)
{
    std::printf("%s %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

void PumpWaiting()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// The moment the system menu's tracking loop first looks at the queue:
// the popup is on screen and painted by then. A message posted ahead of
// the key press reaches this window from that loop, which closes the menu.
constexpr UINT OpenedProbe = WM_APP + 1;
double MenuOpenedAt = 0;
HWND MenuOwner = nullptr;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != OpenedProbe)
        return DefWindowProcA(window, message, wParam, lParam);
    if (TKsItemView::TrackingView())
        MenuOpenedAt = Now();
    PostMessageA(MenuOwner, WM_KEYDOWN, VK_ESCAPE, 1);
    return 0;
}

}  // namespace

void BenchSkinnedFrame()
{
    const TNgThemeClass* luna = FindThemeClass("Luna XP");
    if (!luna) {
        std::printf("FrameRepaint unavailable -\n");
        return;
    }
    TOwned<TForm> form(Create<TForm>(nullptr));
    auto* engine = Create<TNgThemeEngine>(form.get());
    engine->SelectThemeClass(*luna);
    auto* frame = Create<TNgForm>(form.get());
    frame->SetBorderIcons(TKsBorderIcons{kbiClose, kbiSystemMenu});
    frame->SetCanResize(false);
    frame->SetMagnetic(false);
    frame->SetThemeEngine(engine);
    form->SetBounds(300, 300, 306, 212);
    form->Show();
    PumpWaiting();
    HWND window = form->Handle();
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);

    const double framePixels = double(frame->FrameBuffer().Width()) * frame->FrameBuffer().Height();
    const double repaint = BestMicroseconds(50, [&](int) { frame->PaintNonClient(); });
    Print("FrameRepaint", repaint, "us");
    RecordRate("FrameRepaint", framePixels / repaint);
    // The same without the copy to the screen: composing into the buffer.
    const double compose = BestMicroseconds(50, [&](int) { frame->PaintFrame(frame->FrameBuffer()); });
    Print("FrameCompose", compose, "us");
    RecordRate("FrameCompose", framePixels / compose);

    // A caption drag: one step is one move of the window and one repaint.
    RECT rect;
    GetWindowRect(window, &rect);
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(rect.left + 150, rect.top + 15));
    const HBITMAP buffer = frame->FrameBuffer().Handle();
    const RECT client = frame->GetClientBounds();
    const double dragStep = BestMicroseconds(20, [&](int i) {
        const int offset = (i & 1) ? 1 : -1;
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150 + offset - client.left, 15 - client.top));
    });
    Print("DragMove", dragStep, "us");
    RecordRate("DragMove", framePixels / dragStep);
    Print("DragMoveBufferReallocations", frame->FrameBuffer().Handle() == buffer ? 0 : 1, "count");
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(150 - client.left, 15 - client.top));

    // The hover timer: a tick on the same zone costs a hit-test, a new
    // zone one repaint as well.
    GetWindowRect(window, &rect);
    SetCursorPos(rect.left + 150, rect.top + 100);
    frame->UpdateHotZone();
    Print("HoverTickUnchanged", BestMicroseconds(200, [&](int) { frame->UpdateHotZone(); }), "us");
    Print("HoverTickChanged",
          BestMicroseconds(20,
                           [&](int i) {
                               SetCursorPos(rect.left + ((i & 1) ? 296 : 150), rect.top + 12);
                               frame->UpdateHotZone();
                           }),
          "us");

    // From the mouse arriving on the close button to the lit button on
    // screen, with the hover timer running in the message loop: the worst
    // of five.
    double worst = 0;
    for (int i = 0; i < 5; ++i) {
        SendMessageA(window, WM_NCACTIVATE, TRUE, 0);  // lit buttons follow the mouse only when active
        SetCursorPos(rect.left + 150, rect.top + 100);
        PumpWaiting();
        frame->UpdateHotZone();
        const double start = Now();
        SetCursorPos(rect.left + 296, rect.top + 12);
        while (frame->HotZone() != kfzClose && Now() - start < 2.0) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            PumpWaiting();
        }
        worst = std::max(worst, Now() - start);
    }
    Print("HoverLatencyWorst", worst * 1e3, "ms");

    // Alt+Space as the window gets it, to the skinned system menu drawn on
    // screen and closed again by a waiting Escape (an upper bound of the
    // opening): the worst of ten, with every border icon.
    frame->SetBorderIcons(TKsBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray});
    PumpWaiting();
    worst = 0;
    for (int i = 0; i < 10; ++i) {
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
        const double start = Now();
        SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        worst = std::max(worst, Now() - start);
        PumpWaiting();
    }
    Print("SystemMenuOpenWorst", worst * 1e3, "ms");

    // The opening alone: from the key press to the popup painted on
    // screen, when its loop starts to wait for input. The worst of ten.
    HWND probe = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(probe, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeProc));
    MenuOwner = window;
    worst = 0;
    for (int i = 0; i < 10; ++i) {
        MenuOpenedAt = 0;
        PostMessageA(probe, OpenedProbe, 0, 0);
        const double start = Now();
        SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        worst = std::max(worst, MenuOpenedAt > 0 ? MenuOpenedAt - start : 1.0);
        PumpWaiting();
    }
    DestroyWindow(probe);
    Print("SystemMenuOpenedWorst", worst * 1e3, "ms");
    form.reset();
    PumpWaiting();
}
