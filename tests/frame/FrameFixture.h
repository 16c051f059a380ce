#pragma once
// The demonstration form on screen for the frame tests, with the ways to
// reach it: screen points of window-relative positions, the non-client
// messages the system would send, and the screen's pixels.

#include "FrameDemo.h"

#include <windows.h>

#include <cstdint>
#include <vector>

struct TFrameFixture {
    TfrmFrameDemo* Form = nullptr;
    TNgForm* Frame = nullptr;
    HWND Window = nullptr;

    TFrameFixture();
    ~TFrameFixture();
    TFrameFixture(const TFrameFixture&) = delete;
    TFrameFixture& operator=(const TFrameFixture&) = delete;

    RECT WindowRect() const;
    // The screen point of a window-relative position, as lParam.
    LPARAM ScreenPoint(int x, int y) const;
    LRESULT HitTest(int x, int y) const;
    // Window-relative mouse input as the system delivers it to a frame.
    void NCButtonDown(int x, int y) const;
    // While captured: client-relative WM_MOUSEMOVE / WM_LBUTTONUP.
    void CapturedMove(int x, int y) const;
    void CapturedUp(int x, int y) const;
    void SetActiveLook(bool active) const;
    // Handles the messages waiting now.
    static void Pump();
    // The window's pixels as the screen shows them (0x00RRGGBB).
    std::vector<uint32_t> ScreenPixels() const;
};

// The windows this process has (top-level and children): the USER objects
// a leak would show.
int CountProcessWindows();
