#pragma once
// Exact decimal arithmetic for checking the coordinate texts and conversions independently of the
// C++ library's floating-point formatting: a double is m × 2^e, which is exactly m × 5^-e / 10^-e.

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace exact {

// Unsigned integer of any size in base 10^9 limbs, least significant first.
class TBigUInt {
 public:
  TBigUInt() = default;
  explicit TBigUInt(uint64_t v) {
    while (v) {
      limbs_.push_back(static_cast<uint32_t>(v % kBase));
      v /= kBase;
    }
  }

  bool IsZero() const { return limbs_.empty(); }

  TBigUInt& MulSmall(uint32_t factor) {
    uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const uint64_t v = uint64_t{limb} * factor + carry;
      limb = static_cast<uint32_t>(v % kBase);
      carry = v / kBase;
    }
    while (carry) {
      limbs_.push_back(static_cast<uint32_t>(carry % kBase));
      carry /= kBase;
    }
    Trim();
    return *this;
  }
  TBigUInt& MulPow(uint32_t base, int exponent) {
    // Chunks whose power stays below 2^32.
    uint32_t chunk = 1;
    int chunk_exponent = 0;
    while (uint64_t{chunk} * base < (uint64_t{1} << 32) && chunk_exponent < exponent) {
      chunk *= base;
      ++chunk_exponent;
    }
    for (; exponent >= chunk_exponent && chunk_exponent > 0; exponent -= chunk_exponent) MulSmall(chunk);
    for (; exponent > 0; --exponent) MulSmall(base);
    return *this;
  }

  std::strong_ordering operator<=>(const TBigUInt& o) const {
    if (limbs_.size() != o.limbs_.size()) return limbs_.size() <=> o.limbs_.size();
    for (size_t i = limbs_.size(); i-- > 0;) {
      if (limbs_[i] != o.limbs_[i]) return limbs_[i] <=> o.limbs_[i];
    }
    return std::strong_ordering::equal;
  }
  bool operator==(const TBigUInt& o) const { return limbs_ == o.limbs_; }

  // |a - b|.
  static TBigUInt Distance(const TBigUInt& a, const TBigUInt& b) {
    const TBigUInt& big = a < b ? b : a;
    const TBigUInt& small = a < b ? a : b;
    TBigUInt r = big;
    int64_t borrow = 0;
    for (size_t i = 0; i < r.limbs_.size(); ++i) {
      int64_t v = int64_t{r.limbs_[i]} - borrow - (i < small.limbs_.size() ? int64_t{small.limbs_[i]} : 0);
      borrow = v < 0;
      if (v < 0) v += kBase;
      r.limbs_[i] = static_cast<uint32_t>(v);
    }
    r.Trim();
    return r;
  }

  std::string ToString() const {
    if (limbs_.empty()) return "0";
    std::string s = std::to_string(limbs_.back());
    for (size_t i = limbs_.size() - 1; i-- > 0;) {
      const std::string part = std::to_string(limbs_[i]);
      s += std::string(9 - part.size(), '0') + part;
    }
    return s;
  }

 private:
  static constexpr uint32_t kBase = 1000000000;
  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }
  std::vector<uint32_t> limbs_;
};

// A non-negative decimal value: Digits / 10^Scale.
struct TDecimal {
  TBigUInt Digits;
  int Scale = 0;

  // The same value with the given (larger or equal) scale.
  TBigUInt At(int scale) const {
    TBigUInt r = Digits;
    r.MulPow(10, scale - Scale);
    return r;
  }
};

// |x| exactly; x must be finite.
inline TDecimal FromDouble(double x) {
  uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  int exponent;
  if (biased == 0) {
    exponent = -1074;
  } else {
    mantissa |= uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  TDecimal d{TBigUInt(mantissa), 0};
  if (exponent >= 0) {
    d.Digits.MulPow(2, exponent);
  } else {
    d.Digits.MulPow(5, -exponent);
    d.Scale = -exponent;
  }
  return d;
}

// Digit text with a point: "0.00125", "12", "3.5".
inline std::string ToText(const TDecimal& d) {
  std::string digits = d.Digits.ToString();
  if (d.Scale <= 0) return digits + std::string(static_cast<size_t>(-d.Scale), '0');
  if (digits.size() <= static_cast<size_t>(d.Scale)) digits.insert(0, static_cast<size_t>(d.Scale) - digits.size() + 1, '0');
  digits.insert(digits.size() - static_cast<size_t>(d.Scale), ".");
  return digits;
}

}  // namespace exact
