#include "framework/DialogKeys.h"

#include "framework/Form.h"

namespace {

// What a control must ask for (WM_GETDLGCODE) to get the key itself.
UINT WantMask(WPARAM key)
{
    switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
    }
}

}  // namespace

bool IsDialogKeyMessage(const MSG& message)
{
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_SYSCHAR: break;
    default: return false;
    }
    TWinControl* control = FindControlOfWindow(message.hwnd);
    if (!control || control->IsDestroying())
        return false;
    TCustomForm* form = GetParentForm(control);
    if (!form)
        return false;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        UINT mask = WantMask(message.wParam);
        if (!mask || (control->Perform(WM_GETDLGCODE) & mask))
            return false;
        return form->Perform(CM_DIALOGKEY, message.wParam, message.lParam) != 0;
    }
    case WM_CHAR:
        if (control->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS)
            return false;
        return form->Perform(CM_DIALOGCHAR, message.wParam, message.lParam) != 0;
    default:  // WM_SYSCHAR: Alt+Space stays the system menu's
        if (message.wParam == ' ')
            return false;
        return form->Perform(CM_DIALOGCHAR, message.wParam, message.lParam) != 0;
    }
}
