#pragma once
// Owns one counted reference to an interface. No naked AddRef/Release in feature code.

#include <windows.h>
#include <unknwn.h>

#include <utility>

template <class I>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference to p.
  explicit ComPtr(I* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { reset(); }

  // Adopts a reference the caller already owns.
  static ComPtr attach(I* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }
  I* detach() { return std::exchange(p_, nullptr); }
  void reset() {
    if (I* p = std::exchange(p_, nullptr)) p->Release();
  }
  // Empties the pointer and hands out its address for an out argument.
  I** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  // Copies the reference into an out argument, adding one count.
  void copy_to(I** out) const {
    if (p_) p_->AddRef();
    *out = p_;
  }

  template <class J>
  ComPtr<J> try_query(REFIID iid) const {
    ComPtr<J> result;
    if (p_) p_->QueryInterface(iid, result.put_void());
    return result;
  }

  I* get() const { return p_; }
  I* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  I* p_ = nullptr;
};
