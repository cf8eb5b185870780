#include "base/fault_guard.h"

#include <windows.h>

#include <cstdio>

#include "base/exceptions.h"

// The guard frame, laid out by TavrinFaultCall below: the chain record the system walks, then
// what the recovery needs.
struct TGuardFrame {
  void* prev;
  void* handler;
  uint32_t esp, ebp, ebx, esi, edi;
  void* recovery;
  TFaultRecord* out;
};

extern "C" int TavrinFaultCall(void (*fn)(void*), void* arg, TFaultRecord* out);
extern "C" [[noreturn]] void TavrinFaultResume(TGuardFrame* frame);

extern "C" EXCEPTION_DISPOSITION TavrinFaultHandler(EXCEPTION_RECORD* record, void* frame,
                                                     CONTEXT* context, void*) {
  if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND))
    return ExceptionContinueSearch;
  // Only errors: warnings and informational codes (debug output, thread names) pass on.
  if ((record->ExceptionCode & 0xC0000000u) != 0xC0000000u) return ExceptionContinueSearch;
  auto* g = static_cast<TGuardFrame*>(frame);
  g->out->Code = record->ExceptionCode;
  g->out->Address = reinterpret_cast<uintptr_t>(record->ExceptionAddress);
  if (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2) {
    g->out->AccessKind = static_cast<uint32_t>(record->ExceptionInformation[0]);
    g->out->AccessAddress = record->ExceptionInformation[1];
  }
  // Frames registered inside the guard are unwound, then execution resumes at the recovery
  // label with the registers the guard saved. Jumping there (rather than asking the system to
  // continue) also recovers from faults that are marked as not continuable.
  (void)context;
  RtlUnwind(frame, nullptr, record, nullptr);
  TavrinFaultResume(g);
}

asm(R"(
    .text
    .globl _TavrinFaultCall
    .def _TavrinFaultCall; .scl 2; .type 32; .endef
_TavrinFaultCall:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    subl $36, %esp
    movl %fs:0, %eax
    movl %eax, 0(%esp)
    movl $_TavrinFaultHandler, 4(%esp)
    movl %esp, 8(%esp)
    movl %ebp, 12(%esp)
    movl %ebx, 16(%esp)
    movl %esi, 20(%esp)
    movl %edi, 24(%esp)
    movl $1f, 28(%esp)
    movl 16(%ebp), %eax
    movl %eax, 32(%esp)
    movl %esp, %fs:0
    pushl 12(%ebp)
    call *8(%ebp)
    addl $4, %esp
    xorl %eax, %eax
    jmp 2f
1:
    movl $1, %eax
2:
    movl 0(%esp), %ecx
    movl %ecx, %fs:0
    addl $36, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret

    .globl _TavrinFaultResume
    .def _TavrinFaultResume; .scl 2; .type 32; .endef
_TavrinFaultResume:
    movl 4(%esp), %eax
    movl 12(%eax), %ebp
    movl 16(%eax), %ebx
    movl 20(%eax), %esi
    movl 24(%eax), %edi
    movl 28(%eax), %ecx
    movl 8(%eax), %esp
    jmp *%ecx
)");

namespace {

struct TCall {
  const std::function<void()>* fn;
  std::exception_ptr error;
};

// No C++ exception may travel through the assembly frame, which has no unwind tables.
void Trampoline(void* p) {
  auto* call = static_cast<TCall*>(p);
  try {
    (*call->fn)();
  } catch (...) {
    call->error = std::current_exception();
  }
}

}  // namespace

std::exception_ptr FaultException(const TFaultRecord& fault) {
  char text[160];
  if (fault.Code == EXCEPTION_ACCESS_VIOLATION) {
    const char* op = fault.AccessKind == 1 ? "write of" : fault.AccessKind == 8 ? "execution of" : "read of";
    std::snprintf(text, sizeof text, "Access violation at address %08X. %s address %08X",
                  unsigned(fault.Address), op, unsigned(fault.AccessAddress));
    text[0] = 'A';
    // "read of" reads better capitalised after the full stop.
    for (char* c = text; *c; ++c)
      if (c[0] == '.' && c[1] == ' ' && c[2] >= 'a' && c[2] <= 'z') c[2] = char(c[2] - 'a' + 'A');
    return std::make_exception_ptr(EAccessViolation(text, fault.Code, fault.Address));
  }
  std::snprintf(text, sizeof text, "External exception %08X at address %08X", unsigned(fault.Code),
                unsigned(fault.Address));
  return std::make_exception_ptr(EExternal(text, fault.Code, fault.Address));
}

std::exception_ptr RunGuarded(const std::function<void()>& fn) {
  TCall call{&fn, nullptr};
  TFaultRecord fault;
  if (TavrinFaultCall(&Trampoline, &call, &fault)) return FaultException(fault);
  return call.error;
}
