#pragma once
// Owns one BSTR. An empty BSTR may be null, as the host allows.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

class UniqueBstr {
 public:
  UniqueBstr() = default;
  explicit UniqueBstr(std::wstring_view text);
  UniqueBstr(UniqueBstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    std::swap(b_, other.b_);
    return *this;
  }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  ~UniqueBstr() { reset(); }

  static UniqueBstr attach(BSTR b) {
    UniqueBstr result;
    result.b_ = b;
    return result;
  }
  BSTR get() const { return b_; }
  BSTR detach() { return std::exchange(b_, nullptr); }
  BSTR* put() {
    reset();
    return &b_;
  }
  void reset();
  std::wstring wide() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }
  std::string ansi() const;

 private:
  BSTR b_ = nullptr;
};

// The text of a BSTR the caller keeps owning (null reads as empty).
std::wstring bstr_text(BSTR b);
