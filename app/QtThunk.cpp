#include "app/QtThunk.h"

// QT_Thunk copies the 16-bit arguments from the caller's stack and uses the
// space below the caller's frame pointer, so the call is made from a
// conventional EBP frame with 72 bytes of locals and nothing pushed between
// those locals and the argument. The callee-saved registers are pushed
// before the frame is set up, out of QT_Thunk's way.
asm(R"(
        .text
        .globl  _CallQtThunkWord
        .def    _CallQtThunkWord; .scl 2; .type 32; .endef
_CallQtThunkWord:
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        pushl   %ebp
        movl    %esp, %ebp
        subl    $72, %esp
        movl    28(%ebp), %eax          # argument
        pushw   %ax                     # one 16-bit word; the callee pops it
        movl    24(%ebp), %edx          # 16:16 target
        movl    20(%ebp), %eax          # QT_Thunk
        call    *%eax
        movzwl  %ax, %eax               # the 16-bit result
        movl    %ebp, %esp
        popl    %ebp
        popl    %edi
        popl    %esi
        popl    %ebx
        ret
)");
