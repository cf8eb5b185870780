#include "base/bstr.h"

#include "base/text_convert.h"

UniqueBstr::UniqueBstr(std::wstring_view text)
    : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}

void UniqueBstr::reset() {
  if (BSTR b = std::exchange(b_, nullptr)) SysFreeString(b);
}

std::string UniqueBstr::ansi() const { return to_ansi(wide()); }

std::wstring bstr_text(BSTR b) { return b ? std::wstring(b, SysStringLen(b)) : std::wstring(); }
