#include "base/bstr.h"

#include "base/text_convert.h"

TUniqueBstr::TUniqueBstr(std::wstring_view text)
    : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}

void TUniqueBstr::reset() {
  if (BSTR b = std::exchange(b_, nullptr)) SysFreeString(b);
}

std::string TUniqueBstr::Ansi() const { return ToAnsi(Wide()); }

std::wstring BstrText(BSTR b) { return b ? std::wstring(b, SysStringLen(b)) : std::wstring(); }
