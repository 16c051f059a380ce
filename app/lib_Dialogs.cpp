#include "app/lib_Dialogs.h"

#include "framework/Application.h"

namespace {

UINT TopmostFlag(bool topmost)
{
    return topmost ? MB_TOPMOST : 0;
}

}  // namespace

UINT MessageButtonsStyle(MessageButtons buttons)
{
    static const UINT styles[] = {
        MB_OK, MB_OKCANCEL, MB_ABORTRETRYIGNORE, MB_YESNOCANCEL, MB_YESNO, MB_RETRYCANCEL,
    };
    return styles[buttons];
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    return Application->MessageBox(text, caption, flags);
}

int ShowWarning(const std::string& text, const std::string& caption, MessageButtons buttons, bool topmost)
{
    return ShowMessageBox(text, caption, MessageButtonsStyle(buttons) | MB_ICONEXCLAMATION | TopmostFlag(topmost));
}

int ShowError(const std::string& text, const std::string& caption, MessageButtons buttons, bool topmost)
{
    return ShowMessageBox(text, caption, MessageButtonsStyle(buttons) | MB_ICONHAND | TopmostFlag(topmost));
}
