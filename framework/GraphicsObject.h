#pragma once
// Base of fonts, brushes and pens: a persistent object that owns one GDI
// handle, made on first use and remade after every change, and that tells
// its user when it changed.

#include "framework/Persistent.h"

#include <windows.h>

class TGraphicsObject : public TPersistent {
    DECLARE_CLASS(TGraphicsObject, TPersistent)
public:
    TNotifyEvent OnChange;

protected:
    // Drops the handle (it is remade on next use) and raises OnChange. The
    // old handle is deleted only once the listeners have heard, so that a
    // canvas takes it out of its DC first: a GDI object must never be
    // deleted while it is selected.
    void Changed();
    // Gives up the handle (null when none was made) without deleting it.
    virtual HGDIOBJ DetachHandle() = 0;
};
