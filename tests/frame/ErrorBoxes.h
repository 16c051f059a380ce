#pragma once
// Records the application's error boxes instead of showing them, for as
// long as it lives.

#include "framework/Application.h"

#include <string>
#include <vector>

struct TErrorBoxes {
    static inline std::vector<std::string> Texts;
    TApplication::TMessageBoxFunction Saved = Application->MessageBoxFunction;
    TErrorBoxes()
    {
        Texts.clear();
        Application->MessageBoxFunction = &Record;
    }
    ~TErrorBoxes() { Application->MessageBoxFunction = Saved; }
    TErrorBoxes(const TErrorBoxes&) = delete;
    TErrorBoxes& operator=(const TErrorBoxes&) = delete;
    static int WINAPI Record(HWND, LPCSTR text, LPCSTR, UINT)
    {
        Texts.push_back(text);
        return IDOK;
    }
};
