#include "dialogs/form_theme_data.h"

#include <memory>

#include "dialogs/form_theme_data_win_xp.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
std::unique_ptr<TFormThemeData> g_shared;
}

TFormThemeData::~TFormThemeData() = default;

TFormThemeData& SharedFormThemeData() {
  if (!g_shared) g_shared = std::make_unique<TFormThemeData_WinXP>(reinterpret_cast<HMODULE>(&__ImageBase));
  return *g_shared;
}

void FreeSharedFormThemeData() { g_shared.reset(); }
