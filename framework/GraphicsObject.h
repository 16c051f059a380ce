#pragma once
// Base of fonts, brushes and pens: a persistent object that owns one GDI
// handle, made on first use and remade after every change, and that tells
// its user when it changed.

#include "framework/Persistent.h"

class TGraphicsObject : public TPersistent {
    DECLARE_CLASS(TGraphicsObject, TPersistent)
public:
    TNotifyEvent OnChange;

protected:
    // Drops the handle (it is remade on next use) and raises OnChange.
    void Changed();
    virtual void FreeHandle() = 0;
};
