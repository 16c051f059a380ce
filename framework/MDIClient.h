#pragma once
// The client window of an MDI parent form: the system's "MDICLIENT" window
// that fills the form's client area and keeps the MDI child windows. The
// system's MDI code does the work (tiling, activation, the maximized
// child); this object owns the window and answers the questions the
// framework asks of it.

#include <windows.h>

#include <vector>

class TMDIClient {
public:
    // Makes the client window in the frame window's client area.
    explicit TMDIClient(HWND frame);
    ~TMDIClient();
    TMDIClient(const TMDIClient&) = delete;
    TMDIClient& operator=(const TMDIClient&) = delete;

    HWND Handle() const { return FHandle; }
    // The child windows, front to back (icon titles and other helpers of
    // the system left out).
    std::vector<HWND> Children() const;
    // The active child window, or null.
    HWND ActiveChild() const;
    // Activates the child window.
    void Activate(HWND child) const;
    // Destroys one child window the way the client expects to hear of it.
    void DestroyChild(HWND child) const;

private:
    HWND FHandle = nullptr;
    HWND FFrame = nullptr;
};
