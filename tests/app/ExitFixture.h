#pragma once
// A controller whose tray menu chooses Exit as soon as it opens, and a
// message loop of its own for Exit to end, so that its end leaves the test
// run's application as it was. A loop that Exit never reaches ends after
// a generous wait with GaveUp set.

#include "tests/app/MeterFixture.h"

#include "framework/Application.h"

struct TExitFixture : TMeterFixture {
    TExitFixture();
    ~TExitFixture();

    // The controller belongs to the test run's application.
    bool Created = (CreateForm(), true);
    TApplication Loop;
    TScopedOverride<TApplication*> Running{Application, &Loop};
    UINT_PTR GiveUpTimer = 0;

    // A right-click on the tray icon after ms, from the loop then running;
    // giving up is 15 s later.
    void RightClickAfter(UINT ms);
    static bool GaveUp;
    // The caption of a box that giving up closes.
    static const char BoxCaption[];
};
