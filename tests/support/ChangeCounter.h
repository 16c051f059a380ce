#pragma once
// Counts the notifications of a change event it is bound to:
//   int changes = 0;
//   TChangeCounter counter{&changes};
//   icon.OnChange = counter.Event();

#include "framework/Events.h"

struct TChangeCounter {
    int* Count;
    void Changed(TObject*) { ++*Count; }
    TNotifyEvent Event() { return TNotifyEvent::Bind<&TChangeCounter::Changed>(this); }
};
