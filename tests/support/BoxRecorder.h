#pragma once
// Records the boxes the application would show instead of showing them,
// answering each with a fixed button. With a watched window it also notes
// whether that window was enabled while the box was up.

#include "framework/Application.h"
#include "framework/ScopeGuard.h"

#include <windows.h>

#include <string>
#include <vector>

class TBoxRecorder {
public:
    struct TBox {
        HWND Owner = nullptr;
        std::string Text;
        std::string Caption;
        UINT Flags = 0;
        bool WatchedEnabled = false;
    };

    explicit TBoxRecorder(int answer = IDOK, HWND watched = nullptr);
    TBoxRecorder(const TBoxRecorder&) = delete;
    TBoxRecorder& operator=(const TBoxRecorder&) = delete;

    // Every box since the recorder was made, in order.
    static std::vector<TBox>& Boxes();
    const TBox& Last() const { return Boxes().back(); }

private:
    static int WINAPI Record(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);

    TScopedOverride<TApplication::TMessageBoxFunction> FSeam;
};
