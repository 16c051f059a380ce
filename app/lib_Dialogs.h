#pragma once
// Message boxes of the program, shown through the application's modal box
// (owned by the application window, other windows disabled meanwhile).
// Each returns the id of the button pressed.

#include <windows.h>

#include <string>

enum MessageButtons { mbOK, mbOKCancel, mbAbortRetryIgnore, mbYesNoCancel, mbYesNo, mbRetryCancel };
// The MB_... button style of a position.
UINT MessageButtonsStyle(MessageButtons buttons);

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
// Exclamation icon; topmost adds MB_TOPMOST.
int ShowWarning(const std::string& text, const std::string& caption, MessageButtons buttons, bool topmost);
// Stop icon; topmost adds MB_TOPMOST.
int ShowError(const std::string& text, const std::string& caption, MessageButtons buttons, bool topmost);
