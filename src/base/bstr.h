#pragma once
// Owns one BSTR. An empty BSTR may be null, as the host allows.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

class TUniqueBstr {
 public:
  TUniqueBstr() = default;
  explicit TUniqueBstr(std::wstring_view text);
  TUniqueBstr(TUniqueBstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
  TUniqueBstr& operator=(TUniqueBstr&& other) noexcept {
    std::swap(b_, other.b_);
    return *this;
  }
  TUniqueBstr(const TUniqueBstr&) = delete;
  TUniqueBstr& operator=(const TUniqueBstr&) = delete;
  ~TUniqueBstr() { reset(); }

  static TUniqueBstr Attach(BSTR b) {
    TUniqueBstr result;
    result.b_ = b;
    return result;
  }
  BSTR get() const { return b_; }
  BSTR Detach() { return std::exchange(b_, nullptr); }
  BSTR* Put() {
    reset();
    return &b_;
  }
  void reset();
  std::wstring Wide() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }
  std::string Ansi() const;

 private:
  BSTR b_ = nullptr;
};

// The text of a BSTR the caller keeps owning (null reads as empty).
std::wstring BstrText(BSTR b);
