#include "dialogs/dialog_framework_state.h"

#include <utility>

namespace {

std::wstring& FormsKeyStorage() {
  static std::wstring key;
  return key;
}
bool g_translation_active = false;
int g_loading_depth = 0;
TThemeFrameFactory g_theme_frame_factory = nullptr;

}  // namespace

const std::wstring& FormsKey() { return FormsKeyStorage(); }
void SetFormsKey(std::wstring key) { FormsKeyStorage() = std::move(key); }

bool TranslationActive() { return g_translation_active; }
void SetTranslationActive(bool active) { g_translation_active = active; }

int LayoutLoadingDepth() { return g_loading_depth; }
void SetLayoutLoadingDepth(int depth) { g_loading_depth = depth; }

TThemeFrameFactory ThemeFrameFactory() { return g_theme_frame_factory; }
void SetThemeFrameFactory(TThemeFrameFactory factory) { g_theme_frame_factory = factory; }
