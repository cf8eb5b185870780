#pragma once
// Move-only owners for Win32 handles, closed by the function the handle kind needs.

#include <windows.h>

#include <utility>

template <class H, auto Close, H Empty = H{}>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(H h) : h_(h) {}
  TUniqueHandle(TUniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Empty)) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    std::swap(h_, other.h_);
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  ~TUniqueHandle() { reset(); }

  H get() const { return h_; }
  H release() { return std::exchange(h_, Empty); }
  void reset(H h = Empty) {
    H old = std::exchange(h_, h);
    if (old != Empty) Close(old);
  }
  H* Put() {
    reset();
    return &h_;
  }
  explicit operator bool() const { return h_ != Empty; }

 private:
  H h_ = Empty;
};

namespace unique_handle_detail {
inline void DestroyHwnd(HWND h) { DestroyWindow(h); }
inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void CloseRegistryKey(HKEY h) { RegCloseKey(h); }
inline void CloseKernelHandle(HANDLE h) { CloseHandle(h); }
inline void FreeModuleHandle(HMODULE h) { FreeLibrary(h); }
inline void DestroyMenuHandle(HMENU h) { DestroyMenu(h); }
}  // namespace unique_handle_detail

using TUniqueHwnd = TUniqueHandle<HWND, unique_handle_detail::DestroyHwnd>;
using TUniqueHfont = TUniqueHandle<HFONT, unique_handle_detail::DeleteGdiObject>;
using TUniqueHbrush = TUniqueHandle<HBRUSH, unique_handle_detail::DeleteGdiObject>;
using TUniqueHbitmap = TUniqueHandle<HBITMAP, unique_handle_detail::DeleteGdiObject>;
using TUniqueHkey = TUniqueHandle<HKEY, unique_handle_detail::CloseRegistryKey>;
using TUniqueHmodule = TUniqueHandle<HMODULE, unique_handle_detail::FreeModuleHandle>;
using TUniqueHmenu = TUniqueHandle<HMENU, unique_handle_detail::DestroyMenuHandle>;
using TUniqueKernelHandle = TUniqueHandle<HANDLE, unique_handle_detail::CloseKernelHandle>;
