#pragma once
// Owns one counted reference to an interface. No naked AddRef/Release in feature code.

#include <windows.h>
#include <unknwn.h>

#include <utility>

template <class I>
class TComPtr {
 public:
  TComPtr() = default;
  TComPtr(std::nullptr_t) {}
  // Takes a new reference to p.
  explicit TComPtr(I* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  TComPtr(const TComPtr& other) : TComPtr(other.p_) {}
  TComPtr(TComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  TComPtr& operator=(TComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~TComPtr() { reset(); }

  // Adopts a reference the caller already owns.
  static TComPtr Attach(I* p) {
    TComPtr result;
    result.p_ = p;
    return result;
  }
  I* Detach() { return std::exchange(p_, nullptr); }
  void reset() {
    if (I* p = std::exchange(p_, nullptr)) p->Release();
  }
  // Empties the pointer and hands out its address for an out argument.
  I** Put() {
    reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  // Copies the reference into an out argument, adding one count.
  void CopyTo(I** out) const {
    if (p_) p_->AddRef();
    *out = p_;
  }

  template <class J>
  TComPtr<J> TryQuery(REFIID iid) const {
    TComPtr<J> result;
    if (p_) p_->QueryInterface(iid, result.PutVoid());
    return result;
  }

  I* get() const { return p_; }
  I* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  I* p_ = nullptr;
};
