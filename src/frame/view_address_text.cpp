#include "frame/view_address_text.h"

#include <algorithm>

std::wstring ComposeViewAddress(const std::wstring& file_name, int32_t view_count,
                                const std::wstring& view_name, const std::wstring& parameters) {
  std::wstring address = file_name;
  if (view_count > 1) address += L"?ViewName=" + view_name;
  std::wstring rest = parameters;
  std::replace(rest.begin(), rest.end(), L'|', L';');
  if (!rest.empty()) address += (view_count < 2 ? L"?" : L";") + rest;
  return address;
}
