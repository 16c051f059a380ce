#pragma once
// The message loop's keyboard step before a key message is dispatched:
// dialog keys (Tab, arrows, Enter, Esc) that the focused control does not
// want are offered to its form as CM_DIALOGKEY, which offers them to the
// controls first and moves the focus for Tab and arrows; Alt+letter, and
// characters the control does not want, are offered as CM_DIALOGCHAR
// (access keys). A message that someone took is not dispatched.

#include <windows.h>

bool IsDialogKeyMessage(const MSG& message);
