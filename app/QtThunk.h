#pragma once
// The flat thunk of Windows 95/98/ME: calls a 16-bit PASCAL function that
// takes one WORD, through kernel32's QT_Thunk, and returns its AX
// zero-extended. The routine keeps the EBP frame with 72 bytes of locals
// that QT_Thunk works in.

#include <cstdint>

extern "C" uint32_t CallQtThunkWord(void* qtThunk, uint32_t target16, uint16_t argument);
