#pragma once
// The screen as the program sees it: its forms in the order they were
// created, the active form, the screen's size and the desktop work area
// (the screen less the taskbar), and the mouse pointers by name.

#include "framework/Component.h"
#include "framework/Control.h"
#include "framework/GdiObject.h"

#include <vector>

class TCustomForm;
class TWinControl;

struct TDestroyCursor {
    void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
using TCursorHandle = TOwnedHandle<HCURSOR, TDestroyCursor>;

class TScreen : public TComponent {
    DECLARE_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner);

    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int index) const;
    // The form last activated; null when it went away.
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const;

    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    RECT WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().left; }
    int WorkAreaTop() const { return WorkAreaRect().top; }
    int WorkAreaWidth() const;
    int WorkAreaHeight() const;

    // The handle of a pointer; crDefault gives the arrow. Windows 95 has no
    // hand pointer of its own: the screen then draws one.
    HCURSOR Cursors(TCursor cursor) const;
    // A hand pointer made from a bitmap, as on systems without one.
    static HCURSOR CreateHandCursor();

    // Kept up to date by the forms themselves.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form) { FActiveForm = form; }

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    mutable TCursorHandle FHandCursor;
};

extern TScreen* Screen;
