#include "dialogs/visual_styles.h"

#include <windows.h>

#include "base/unique_handle.h"

bool VisualStylesActive() {
  HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
  TUniqueHmodule loaded;
  if (!uxtheme) {
    loaded.reset(LoadLibraryW(L"uxtheme.dll"));
    uxtheme = loaded.get();
  }
  if (!uxtheme) return false;
  using TQuery = BOOL(WINAPI*)();
  auto themed = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
  auto active = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
  return themed && active && themed() && active();
}
