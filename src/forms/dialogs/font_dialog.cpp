#include "forms/dialogs/font_dialog.h"

#include <commdlg.h>

#include "forms/application.h"
#include "forms/color_rgb.h"
#include "base/fault_guard.h"

THookPoint<UINT_PTR(HWND, UINT, WPARAM, LPARAM)> FontDialogHookProc("FontDialogHookProc",
                                                                    &FontDialogHookDefault);

namespace {
const wchar_t kDialogProp[] = L"TavrinDialog";
}

UINT_PTR CALLBACK FontDialogHook(HWND window, UINT msg, WPARAM w, LPARAM l) {
  UINT_PTR result = 0;
  std::exception_ptr e = RunGuarded([&] { result = FontDialogHookProc(window, msg, w, l); });
  if (e) Application->HandleException(nullptr, e);
  return result;
}

UINT_PTR FontDialogHookDefault(HWND window, UINT msg, WPARAM, LPARAM l) {
  if (msg == WM_INITDIALOG) {
    auto* cf = reinterpret_cast<CHOOSEFONTW*>(l);
    auto* dialog = reinterpret_cast<TFontDialog*>(cf->lCustData);
    SetPropW(window, kDialogProp, dialog);
    dialog->DoShow(window);
    return 1;
  }
  if (msg == WM_DESTROY) {
    if (auto* dialog = static_cast<TFontDialog*>(GetPropW(window, kDialogProp))) {
      RemovePropW(window, kDialogProp);
      dialog->DoClose();
    }
  }
  return 0;
}

TFontDialog::TFontDialog(TComponent* owner) : TCommonDialog(owner), font_(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

bool TFontDialog::Run(HWND parent) {
  LOGFONTW lf = font_->LogFont();
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = parent;
  cf.lpLogFont = &lf;
  cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS | CF_ENABLEHOOK;
  cf.rgbColors = ColorToRGB(font_->Color());
  cf.lpfnHook = &FontDialogHook;
  cf.lCustData = reinterpret_cast<LPARAM>(this);
  BOOL ok = TaskModalDialog(reinterpret_cast<BOOL(WINAPI*)(void*)>(&ChooseFontW), &cf);
  if (!ok) return false;
  font_->SetLogFont(lf);
  font_->SetColor(static_cast<TColor>(cf.rgbColors));
  return true;
}
