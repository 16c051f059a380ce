#pragma once
// Reads a message box of another process: its title, text, icon and
// buttons, and presses one of its buttons.

#include <windows.h>

#include <string>
#include <vector>

struct TMessageBoxContents {
    std::string title;
    std::string text;
    // "stop", "exclamation", "information", "question", "none" or "unknown".
    std::string icon;
    std::vector<std::string> buttons;
};

TMessageBoxContents ReadMessageBox(HWND box);
// Clicks the visible button whose caption (without "&") is the given one.
bool PressButton(HWND box, const std::string& caption);
