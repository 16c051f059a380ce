#pragma once
// Owners and scopes for GDI and USER handles. Each handle has exactly one
// owner; owners are non-copyable and free the handle when they go.
//
//   TGdiHandle<HFONT> font(CreateFontIndirectA(&lf));  // DeleteObject at scope end
//   TSelectObject selected(dc, font.Get());            // old object back at scope end
//   TMemoryDC memory;                                  // DeleteDC at scope end
//   TWindowDC screen(nullptr);                         // ReleaseDC at scope end

#include <windows.h>

#include <utility>

// Deletes a GDI object and nulls the handle that held it.
template <class H>
void SafeDeleteObject(H& handle)
{
    if (handle) {
        DeleteObject(handle);
        handle = nullptr;
    }
}

// Sole owner of one handle; Free says how it is given back.
template <class H, class Free>
class TOwnedHandle {
public:
    TOwnedHandle() = default;
    explicit TOwnedHandle(H handle) : Handle(handle) {}
    ~TOwnedHandle() { Reset(); }
    TOwnedHandle(const TOwnedHandle&) = delete;
    TOwnedHandle& operator=(const TOwnedHandle&) = delete;
    TOwnedHandle(TOwnedHandle&& other) noexcept : Handle(other.Release()) {}
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    H Get() const { return Handle; }
    explicit operator bool() const { return Handle != nullptr; }
    // Gives the handle up without freeing it.
    H Release() { return std::exchange(Handle, nullptr); }
    void Reset(H handle = nullptr)
    {
        H old = std::exchange(Handle, handle);
        if (old)
            Free()(old);
    }

private:
    H Handle = nullptr;
};

struct TDeleteObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct TDestroyIcon {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct TDestroyMenu {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct TDestroyWindow {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct TDeleteDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

template <class H>
using TGdiHandle = TOwnedHandle<H, TDeleteObject>;
using TIconHandle = TOwnedHandle<HICON, TDestroyIcon>;
using TMenuHandle = TOwnedHandle<HMENU, TDestroyMenu>;
using TWindowHandle = TOwnedHandle<HWND, TDestroyWindow>;

// Selects an object into a device context for a scope.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : DC(dc), Old(object ? SelectObject(dc, object) : nullptr) {}
    ~TSelectObject()
    {
        if (Old)
            SelectObject(DC, Old);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC DC;
    HGDIOBJ Old;
};

// A memory device context compatible with the screen (or with dc).
class TMemoryDC {
public:
    explicit TMemoryDC(HDC compatibleWith = nullptr) : Handle(CreateCompatibleDC(compatibleWith)) {}
    ~TMemoryDC()
    {
        if (Handle)
            DeleteDC(Handle);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Get() const { return Handle; }
    explicit operator bool() const { return Handle != nullptr; }

private:
    HDC Handle;
};

// A window's (or, for null, the screen's) device context, borrowed for a scope.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : Window(window), Handle(GetDC(window)) {}
    ~TWindowDC()
    {
        if (Handle)
            ReleaseDC(Window, Handle);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return Handle; }
    explicit operator bool() const { return Handle != nullptr; }

private:
    HWND Window;
    HDC Handle;
};

// The whole window including its frame, borrowed for a scope.
class TWholeWindowDC {
public:
    explicit TWholeWindowDC(HWND window) : Window(window), Handle(GetWindowDC(window)) {}
    ~TWholeWindowDC()
    {
        if (Handle)
            ReleaseDC(Window, Handle);
    }
    TWholeWindowDC(const TWholeWindowDC&) = delete;
    TWholeWindowDC& operator=(const TWholeWindowDC&) = delete;
    HDC Get() const { return Handle; }

private:
    HWND Window;
    HDC Handle;
};

// Saves a device context's state and restores it at scope end.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : DC(dc), Saved(SaveDC(dc)) {}
    ~TSavedDC()
    {
        if (Saved)
            RestoreDC(DC, Saved);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC DC;
    int Saved;
};

// BeginPaint / EndPaint.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : Window(window) { Handle = BeginPaint(window, &Info); }
    ~TPaintDC() { EndPaint(Window, &Info); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return Handle; }
    const PAINTSTRUCT& Paint() const { return Info; }

private:
    HWND Window;
    PAINTSTRUCT Info{};
    HDC Handle = nullptr;
};
