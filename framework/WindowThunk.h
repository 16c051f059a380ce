#pragma once
// A window procedure bound to a method: each thunk is a procedure address
// of its own, so that one object can sit in a window's subclass chain and
// be told apart from every other one. The addresses come from a fixed pool
// of procedures (no executable memory is made); a thunk returns its
// address to the pool when it is freed.

#include "framework/Events.h"
#include "framework/Message.h"

#include <windows.h>

// The window the message is for, and the message.
using TThunkMethod = TEvent<HWND, TMessage&>;

class TWindowThunk {
public:
    // Raises EOutOfResources when every procedure of the pool is in use.
    explicit TWindowThunk(TThunkMethod method);
    ~TWindowThunk();
    TWindowThunk(const TWindowThunk&) = delete;
    TWindowThunk& operator=(const TWindowThunk&) = delete;

    // The address to install with SetWindowLong(GWL_WNDPROC). Each call of
    // it hands the message to the method; an exception the method lets out
    // goes to the application's error report.
    WNDPROC Procedure() const;
    // Another method from now on (an object hands its thunk to another).
    void Rebind(TThunkMethod method);

    // How many procedures of the pool are in use (for leak tests).
    static int InUse();

private:
    int FSlot;
};
