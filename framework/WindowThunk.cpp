#include "framework/WindowThunk.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"

#include <array>
#include <utility>

namespace {

// Every subclassed window of the program holds one; 128 leaves room for
// windows that are destroyed while a procedure of theirs is still chained.
constexpr int SlotCount = 128;

struct TSlot {
    TThunkMethod Method;
    bool Used = false;
};
TSlot Slots[SlotCount];

LRESULT CallSlot(int slot, HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TThunkMethod method = Slots[slot].Method;
    if (!method)
        return DefWindowProcA(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    // Exceptions must never unwind through the system's frames.
    try {
        method(window, message);
    } catch (...) {
        if (Application)
            Application->HandleException(nullptr);
    }
    return message.Result;
}

template <int N>
LRESULT CALLBACK SlotProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallSlot(N, window, msg, wParam, lParam);
}

template <int... N>
constexpr std::array<WNDPROC, sizeof...(N)> MakeProcedures(std::integer_sequence<int, N...>)
{
    return {&SlotProcedure<N>...};
}

const std::array<WNDPROC, SlotCount> Procedures = MakeProcedures(std::make_integer_sequence<int, SlotCount>());

}  // namespace

TWindowThunk::TWindowThunk(TThunkMethod method) : FSlot(-1)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (!Slots[slot].Used) {
            Slots[slot].Used = true;
            Slots[slot].Method = method;
            FSlot = slot;
            return;
        }
    }
    throw EOutOfResources("No window procedure left for a subclass");
}

TWindowThunk::~TWindowThunk()
{
    Slots[FSlot] = TSlot();
}

WNDPROC TWindowThunk::Procedure() const
{
    return Procedures[FSlot];
}

void TWindowThunk::Rebind(TThunkMethod method)
{
    Slots[FSlot].Method = method;
}

int TWindowThunk::InUse()
{
    int count = 0;
    for (const TSlot& slot : Slots)
        count += slot.Used ? 1 : 0;
    return count;
}
