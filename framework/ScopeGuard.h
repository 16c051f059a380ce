#pragma once
// State that must be put back, put back at the end of a scope however the
// scope is left. The actions run from destructors, so they must not throw:
// only plain assignments and system calls belong in them.

#include "framework/Set.h"

#include <utility>

// Runs an action at the end of the scope unless dismissed first.
template <class TAction>
class TScopeGuard {
public:
    explicit TScopeGuard(TAction action) : FAction(std::move(action)) {}
    ~TScopeGuard()
    {
        if (FArmed)
            FAction();
    }
    TScopeGuard(const TScopeGuard&) = delete;
    TScopeGuard& operator=(const TScopeGuard&) = delete;

    // The scope succeeded: nothing to put back.
    void Dismiss() { FArmed = false; }

private:
    TAction FAction;
    bool FArmed = true;
};

// A variable holds another value for the length of the scope: flags, event
// handlers, test seams.
template <class T>
class TScopedOverride {
public:
    TScopedOverride(T& variable, T value) : FVariable(variable), FSaved(std::exchange(variable, std::move(value))) {}
    ~TScopedOverride() { FVariable = std::move(FSaved); }
    TScopedOverride(const TScopedOverride&) = delete;
    TScopedOverride& operator=(const TScopedOverride&) = delete;

private:
    T& FVariable;
    T FSaved;
};

// An element of a set is included for the length of the scope (a form's
// "creating", "showing" or "modal" state).
template <class E>
class TScopedInclude {
public:
    TScopedInclude(TSet<E>& set, E item) : FSet(set), FItem(item) { FSet.Include(FItem); }
    ~TScopedInclude() { FSet.Exclude(FItem); }
    TScopedInclude(const TScopedInclude&) = delete;
    TScopedInclude& operator=(const TScopedInclude&) = delete;

private:
    TSet<E>& FSet;
    E FItem;
};
