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
    explicit TOwnedHandle(H handle) : FHandle(handle) {}
    ~TOwnedHandle() { Reset(); }
    TOwnedHandle(const TOwnedHandle&) = delete;
    TOwnedHandle& operator=(const TOwnedHandle&) = delete;
    TOwnedHandle(TOwnedHandle&& other) noexcept : FHandle(other.Release()) {}
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    H Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    // Gives the handle up without freeing it.
    H Release() { return std::exchange(FHandle, nullptr); }
    void Reset(H handle = nullptr)
    {
        H old = std::exchange(FHandle, handle);
        if (old)
            Free()(old);
    }

private:
    H FHandle = nullptr;
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
    TSelectObject(HDC dc, HGDIOBJ object) : FDC(dc), FOld(object ? SelectObject(dc, object) : nullptr) {}
    ~TSelectObject()
    {
        if (FOld)
            SelectObject(FDC, FOld);
    }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOld;
};

// A memory device context compatible with the screen (or with dc).
class TMemoryDC {
public:
    explicit TMemoryDC(HDC compatibleWith = nullptr) : FHandle(CreateCompatibleDC(compatibleWith)) {}
    ~TMemoryDC()
    {
        if (FHandle)
            DeleteDC(FHandle);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }

private:
    HDC FHandle;
};

// A window's (or, for null, the screen's) device context, borrowed for a scope.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : FWindow(window), FHandle(GetDC(window)) {}
    ~TWindowDC()
    {
        if (FHandle)
            ReleaseDC(FWindow, FHandle);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    HDC Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }

private:
    HWND FWindow;
    HDC FHandle;
};

// The whole window including its frame, borrowed for a scope.
class TWholeWindowDC {
public:
    explicit TWholeWindowDC(HWND window) : FWindow(window), FHandle(GetWindowDC(window)) {}
    ~TWholeWindowDC()
    {
        if (FHandle)
            ReleaseDC(FWindow, FHandle);
    }
    TWholeWindowDC(const TWholeWindowDC&) = delete;
    TWholeWindowDC& operator=(const TWholeWindowDC&) = delete;
    HDC Get() const { return FHandle; }

private:
    HWND FWindow;
    HDC FHandle;
};

// Saves a device context's state and restores it at scope end.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    ~TSavedDC()
    {
        if (FSaved)
            RestoreDC(FDC, FSaved);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};

// BeginPaint / EndPaint.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : FWindow(window) { FHandle = BeginPaint(window, &FInfo); }
    ~TPaintDC() { EndPaint(FWindow, &FInfo); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC Get() const { return FHandle; }
    const PAINTSTRUCT& Paint() const { return FInfo; }

private:
    HWND FWindow;
    PAINTSTRUCT FInfo{};
    HDC FHandle = nullptr;
};
