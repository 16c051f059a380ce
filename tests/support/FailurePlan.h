#pragma once
// Decides, call by call, whether an injected call fails: the next few
// calls, every n-th call, or all of them until told otherwise.

struct TFailurePlan {
    int Next = 0;         // this many coming calls fail
    int Every = 0;        // with n > 0, every n-th call fails (the n-th, the 2n-th...)
    bool Always = false;  // every call fails
    int Calls = 0;
    int Failures = 0;

    bool Fails()
    {
        ++Calls;
        bool fail = Always || Next > 0 || (Every > 0 && Calls % Every == 0);
        if (Next > 0)
            --Next;
        if (fail)
            ++Failures;
        return fail;
    }
    void Reset() { *this = TFailurePlan(); }
};
