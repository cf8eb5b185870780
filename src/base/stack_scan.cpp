#include "base/stack_scan.h"

#include <windows.h>

#include <initializer_list>

namespace {

// The image of the module that contains the address: its base and size, false for none.
bool ModuleImage(uintptr_t address, uintptr_t& base, uintptr_t& size) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(address), &module) ||
      !module)
    return false;
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const BYTE*>(module) + dos->e_lfanew);
  base = reinterpret_cast<uintptr_t>(module);
  size = nt->OptionalHeader.SizeOfImage;
  return true;
}

// The bytes before a return address hold a call: E8 rel32, FF /2 with a register, memory or
// displacement operand (2, 3, 6 or 7 bytes).
bool FollowsCall(uintptr_t address, uintptr_t base) {
  auto at = [](uintptr_t a) { return *reinterpret_cast<const BYTE*>(a); };
  if (address - base >= 5 && at(address - 5) == 0xE8) return true;
  for (uintptr_t length : {2u, 3u, 6u, 7u}) {
    if (address - base < length) continue;
    if (at(address - length) == 0xFF && ((at(address - length + 1) >> 3) & 7) == 2) return true;
  }
  return false;
}

}  // namespace

size_t ScanStackForReturnAddresses(uintptr_t stack_pointer, uintptr_t* frames, size_t capacity) {
  // The thread's stack base and limit, from its information block.
  uintptr_t top = 0, bottom = 0;
  asm volatile("movl %%fs:4, %0" : "=r"(top));
  asm volatile("movl %%fs:8, %0" : "=r"(bottom));
  if (stack_pointer < bottom || stack_pointer >= top) return 0;
  size_t count = 0;
  for (uintptr_t slot = stack_pointer & ~uintptr_t(3); slot + 4 <= top && count < capacity; slot += 4) {
    uintptr_t value = *reinterpret_cast<const uintptr_t*>(slot);
    uintptr_t base = 0, size = 0;
    if (value < 0x10000 || !ModuleImage(value, base, size) || value - base >= size) continue;
    if (FollowsCall(value, base)) frames[count++] = value;
  }
  return count;
}
