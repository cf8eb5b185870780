#pragma once
// Move-only owners for Win32 handles, closed by the function the handle kind needs.

#include <windows.h>

#include <utility>

template <class H, auto Close, H Empty = H{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Empty)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    std::swap(h_, other.h_);
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  H get() const { return h_; }
  H release() { return std::exchange(h_, Empty); }
  void reset(H h = Empty) {
    H old = std::exchange(h_, h);
    if (old != Empty) Close(old);
  }
  H* put() {
    reset();
    return &h_;
  }
  explicit operator bool() const { return h_ != Empty; }

 private:
  H h_ = Empty;
};

namespace unique_handle_detail {
inline void close_hwnd(HWND h) { DestroyWindow(h); }
inline void close_gdi(HGDIOBJ h) { DeleteObject(h); }
inline void close_hkey(HKEY h) { RegCloseKey(h); }
inline void close_handle(HANDLE h) { CloseHandle(h); }
inline void close_module(HMODULE h) { FreeLibrary(h); }
inline void close_menu(HMENU h) { DestroyMenu(h); }
}  // namespace unique_handle_detail

using UniqueHwnd = UniqueHandle<HWND, unique_handle_detail::close_hwnd>;
using UniqueHfont = UniqueHandle<HFONT, unique_handle_detail::close_gdi>;
using UniqueHbrush = UniqueHandle<HBRUSH, unique_handle_detail::close_gdi>;
using UniqueHbitmap = UniqueHandle<HBITMAP, unique_handle_detail::close_gdi>;
using UniqueHkey = UniqueHandle<HKEY, unique_handle_detail::close_hkey>;
using UniqueHmodule = UniqueHandle<HMODULE, unique_handle_detail::close_module>;
using UniqueHmenu = UniqueHandle<HMENU, unique_handle_detail::close_menu>;
using UniqueKernelHandle = UniqueHandle<HANDLE, unique_handle_detail::close_handle>;
