#pragma once
// A form for the control tests: its background is painted in stripes, so
// that what a transparent control lets through can be told from a plain
// fill, with a theme engine holding Luna. Helpers read pixels of buffers
// and of the screen, and count runs of a colour along a row.

#include "framework/Form.h"
#include "tests/support/MessagePump.h"
#include "theme/KsBitmap.h"
#include "theme/NgEngine.h"

#include <cstdint>
#include <functional>

class TStripedForm : public TForm {
    DECLARE_CLASS(TStripedForm, TForm)
public:
    explicit TStripedForm(TComponent* owner);
    // The background at x of the form's client area.
    static uint32_t StripeAt(int x);

private:
    void WMEraseBkgnd(TMessage& message);
};

struct TControlsFixture {
    TStripedForm* Form = nullptr;
    TNgThemeEngine* Engine = nullptr;

    TControlsFixture();
    ~TControlsFixture();
    TControlsFixture(const TControlsFixture&) = delete;
    TControlsFixture& operator=(const TControlsFixture&) = delete;

    // A control of class T on the form, bound to the engine when it has one.
    template <class T>
    T* Add(int left, int top, int width, int height)
    {
        T* control = Create<T>(Form);
        control->SetBounds(left, top, width, height);
        control->SetParent(Form);
        if constexpr (HasThemeEngine<T>(0))
            control->SetThemeEngine(Engine);
        return control;
    }

    // Moves the pointer away, shows the form, activates it and waits until
    // it has painted.
    void Show();

private:
    template <class T>
    static constexpr auto HasThemeEngine(int) -> decltype(std::declval<T>().ThemeEngine(), true)
    {
        return true;
    }
    template <class T>
    static constexpr bool HasThemeEngine(...)
    {
        return false;
    }
};

// The pixel at (x, y) of a window's client area as shown on the screen,
// opaque.
uint32_t ScreenPixel(HWND window, int x, int y);
// Runs of exactly the colour along row y from x = from to x = to - 1.
int CountRuns(const TKsBitmap& bitmap, int y, int from, int to, uint32_t color);
// The pixel with its alpha made 255 (GDI leaves alpha 0 where it draws).
inline uint32_t Opaque(uint32_t pixel)
{
    return pixel | 0xFF000000u;
}

// The number of windows of this thread, children included.
int CountWindows();

// Left button down and up at (x, y) of the control, through its window.
void ClickAt(TControl* control, int x, int y);
// Waits until the control's window has the keyboard focus.
bool PumpUntilFocused(TWinControl* control);
