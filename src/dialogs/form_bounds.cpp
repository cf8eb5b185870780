#include "dialogs/form_bounds.h"

#include <windows.h>

#include <string>

#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "dialogs/dialog_framework_state.h"
#include "dialogs/stored_bound.h"

namespace {

std::wstring ClassKey(const TCustomForm& dialog) {
  return FormsKey() + L"\\" + ToWide(dialog.ClassName());
}

int32_t ReadBound(HKEY key, const wchar_t* name, int32_t current) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return current;
  if (type == REG_DWORD) {
    DWORD value = 0;
    size = sizeof value;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS || size != sizeof value)
      return current;
    return static_cast<int32_t>(value);
  }
  if (type != REG_SZ || size > 4096) return current;
  // Room for a terminator the stored text may lack.
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS)
    return current;
  text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
  return ParseStoredBound(ToAnsi(text)).value_or(current);
}

void WriteBound(HKEY key, const wchar_t* name, int32_t value) {
  DWORD type = 0;
  bool as_text = RegQueryValueExW(key, name, nullptr, &type, nullptr, nullptr) == ERROR_SUCCESS &&
                 type == REG_SZ;
  if (as_text) {
    std::wstring text = ToWide(FormatStoredBound(value));
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  } else {
    DWORD dword = static_cast<DWORD>(value);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), sizeof dword);
  }
}

bool OnSomeMonitor(int32_t left, int32_t top, int32_t width, int32_t height) {
  int64_t right = int64_t{left} + width, bottom = int64_t{top} + height;
  if (right > INT32_MAX || bottom > INT32_MAX) return false;
  RECT r{left, top, static_cast<LONG>(right), static_cast<LONG>(bottom)};
  return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace

void LoadBounds(TCustomForm& dialog, bool size, bool position) {
  if (FormsKey().empty()) return;
  int32_t width = dialog.Width(), height = dialog.Height(), left = dialog.Left(), top = dialog.Top();
  TUniqueHkey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, ClassKey(dialog).c_str(), 0, KEY_QUERY_VALUE, key.Put()) ==
      ERROR_SUCCESS) {
    if (size) {
      width = ReadBound(key.get(), L"Width", width);
      height = ReadBound(key.get(), L"Height", height);
    }
    if (position) {
      left = ReadBound(key.get(), L"Left", left);
      top = ReadBound(key.get(), L"Top", top);
    }
  }
  // A stored size of nothing, or a place on a monitor that is no longer there, would put a modal
  // dialog out of the user's reach. Only the values that cannot be used are dropped, each on its
  // own: a usable stored height survives a stored width of 0, a usable left survives a top that
  // lies below every monitor.
  if (width <= 0) width = dialog.Width();
  if (height <= 0) height = dialog.Height();
  if (!OnSomeMonitor(left, top, width, height)) {
    if (OnSomeMonitor(left, dialog.Top(), width, height)) {
      top = dialog.Top();
    } else if (OnSomeMonitor(dialog.Left(), top, width, height)) {
      left = dialog.Left();
    } else {
      left = dialog.Left();
      top = dialog.Top();
    }
  }
  dialog.SetBounds(left, top, width, height);
}

void StoreBounds(TCustomForm& dialog, bool size, bool position) {
  if (FormsKey().empty()) return;
  TUniqueHkey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, ClassKey(dialog).c_str(), 0, nullptr, 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key.Put(), nullptr) != ERROR_SUCCESS)
    return;
  if (size) {
    WriteBound(key.get(), L"Width", dialog.Width());
    WriteBound(key.get(), L"Height", dialog.Height());
  }
  if (position) {
    WriteBound(key.get(), L"Left", dialog.Left());
    WriteBound(key.get(), L"Top", dialog.Top());
  }
}
