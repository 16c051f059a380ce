/* Runs one instruction under a structured exception frame of its own and
   tells whether it ran: the only way on Windows 95/98 to learn whether the
   system lets a program use the XMM registers. The handler (KsCpu.cpp)
   turns an illegal-instruction fault into a jump to the resume label with
   EAX = 0.

   int KsTrySse2(void);        pxor %xmm0, %xmm0
   int KsTryUndefined(void);   ud2, which always faults: proves the frame */

#if defined(__i386__)
    .text

    .globl _KsTrySse2
    .def _KsTrySse2; .scl 2; .type 32; .endef
_KsTrySse2:
    pushl %ebp
    movl %esp, %ebp
    pushl $_KsProbeHandler
    pushl %fs:0
    movl %esp, %fs:0
    movl $1, %eax
    pxor %xmm0, %xmm0
    jmp _KsProbeResume

    .globl _KsTryUndefined
    .def _KsTryUndefined; .scl 2; .type 32; .endef
_KsTryUndefined:
    pushl %ebp
    movl %esp, %ebp
    pushl $_KsProbeHandler
    pushl %fs:0
    movl %esp, %fs:0
    movl $1, %eax
    ud2

    /* Both probes leave through here; the handler resumes here too, with
       ESP and EBP as they were at the fault. */
    .globl _KsProbeResume
_KsProbeResume:
    movl (%esp), %ecx
    movl %ecx, %fs:0
    movl %ebp, %esp
    popl %ebp
    ret
#endif
