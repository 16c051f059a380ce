#include "app/QtThunk.h"

#include <doctest/doctest.h>

// A stand-in for kernel32's QT_Thunk that records what the call hands it:
// the 16:16 target in EDX, the one-word argument on the stack and the
// depth of the caller's frame below EBP. It answers 99 in AX with garbage
// in the high word, pops its argument as a 16-bit callee does, and
// clobbers the registers a C++ caller expects to keep.
extern "C" {
uint32_t FakeThunkTarget;
uint32_t FakeThunkArgument;
uint32_t FakeThunkFrameDepth;
void FakeQtThunk();
}

asm(R"(
        .text
        .globl  _FakeQtThunk
_FakeQtThunk:
        movl    %edx, _FakeThunkTarget
        movzwl  4(%esp), %ecx
        movl    %ecx, _FakeThunkArgument
        movl    %ebp, %ecx
        subl    %esp, %ecx
        movl    %ecx, _FakeThunkFrameDepth
        movl    $0xDEAD0063, %eax
        movl    $0x11111111, %ebx
        movl    $0x22222222, %esi
        movl    $0x33333333, %edi
        movl    $0x44444444, %edx
        ret     $2
)");

TEST_CASE("the flat-thunk call: EDX holds the target, one word is pushed, 72 bytes of locals")
{
    volatile uint32_t kept[4] = {1, 2, 3, 4};
    uint32_t results = 0;
    for (uint16_t selector = 0; selector < 3; ++selector) {
        uint32_t answer = CallQtThunkWord(reinterpret_cast<void*>(FakeQtThunk), 0x12345678u + selector, selector);
        CHECK(answer == 99);
        CHECK(FakeThunkTarget == 0x12345678u + selector);
        CHECK(FakeThunkArgument == selector);
        // 72 bytes of locals, the 2-byte argument and the return address.
        CHECK(FakeThunkFrameDepth == 72 + 2 + 4);
        results += answer;
    }
    CHECK(results == 297);
    CHECK(kept[0] + kept[1] + kept[2] + kept[3] == 10);
}
