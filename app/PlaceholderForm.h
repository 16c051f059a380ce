#pragma once
// Stands in for the controller window until it exists: a hidden top-level
// window that ends the program when it is closed, as the main form does.

#include <windows.h>

class TPlaceholderForm {
public:
    TPlaceholderForm();
    ~TPlaceholderForm();
    TPlaceholderForm(const TPlaceholderForm&) = delete;
    TPlaceholderForm& operator=(const TPlaceholderForm&) = delete;

    HWND Handle() const { return handle_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};
