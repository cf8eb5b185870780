#include "dialogs/form_with_help.h"

#include <utility>

#include "base/text_convert.h"
#include "dialogs/dialog_help.h"
#include "dialogs/font_properties.h"
#include "frame/client_api_bindings.h"
#include "frame/client_services.h"
#include "frame/test_mode.h"

namespace {

constexpr uint32_t kDialogFontKind = 0;
constexpr uint8_t kFontStyleBits = 0x0F;  // bold, italic, underline, strike-out

}  // namespace

TFormWithHelp::TFormWithHelp(TComponent* owner)
    : TForm(owner), FHostFont(std::make_unique<TFont>()) {}

TFormWithHelp::~TFormWithHelp() {
  FTopicIds.reset();
  FTopicAliases.reset();
  FPopupIds.reset();
  FPopupAliases.reset();
  FHostFont.reset();
}

void TFormWithHelp::Construct(bool read_layout) {
  // Asked before the framework sets the form up, so that the layout-loaded step knows the answers.
  FUseHostFont = UsesHostFont();
  FUseLocaleFont = UsesLocaleFont();
  if (FUseHostFont) LoadHostFont(FHostFont.get());
  FTopicIds = std::make_unique<TStringList>();
  FTopicAliases = std::make_unique<TStringList>();
  FPopupIds = std::make_unique<TStringList>();
  FPopupAliases = std::make_unique<TStringList>();
  FHelpEnabled = true;
  TForm::Construct(read_layout);
}

void TFormWithHelp::Loaded() {
  TForm::Loaded();
  if (FUseHostFont)
    ForEachFontProperty(*this, [this](TComponent&, TFont& font) { font.Assign(*FHostFont); });
  SetShowHint(true);
}

int TFormWithHelp::GetHelpContext(TControl* control, std::string& topic, std::wstring& help_file) {
  (void)control;
  topic.clear();
  help_file.clear();
  return 0;
}

std::string TFormWithHelp::GetHelpName(TComponent* component) {
  return component ? component->Name() : std::string();
}

void TFormWithHelp::ShowControlHelp(TControl* control) { (void)control; }

bool TFormWithHelp::UsesHostFont() { return QueryDialogFont(kDialogFontKind).Exists; }

bool TFormWithHelp::UsesLocaleFont() { return ClientAPI_GetUseSystemLocaleLanguage(); }

void TFormWithHelp::LoadHostFont(TFont* font) {
  if (!font) return;
  THostDialogFont host = QueryDialogFont(kDialogFontKind);
  if (!host.Exists) return;
  font->SetName(ToAnsi(host.Name));
  font->SetSize(host.Size);
  font->SetStyle(TFontStyles::FromBits(host.Style & kFontStyleBits));
  font->SetColor(static_cast<TColor>(host.Colour));
  font->SetCharset(host.Charset);
}

void TFormWithHelp::ApplyHostFontTree(TComponent* component) {
  if (!component) return;
  if (FUseHostFont)
    ForEachFontProperty(*component, [this](TComponent&, TFont& font) { font.Assign(*FHostFont); });
  // By index: a font change may make a control add or remove children or components.
  if (auto* win = class_cast<TWinControl>(component))
    for (int i = 0; i < win->ControlCount(); ++i) ApplyHostFontTree(win->Controls(i));
  for (int i = 0; i < component->ComponentCount(); ++i) ApplyHostFontTree(component->Component(i));
}

TModalResult TFormWithHelp::ShowModal() {
  if (IsTestMode()) {
    WriteTestLine("Running modal dialog " + std::string(ClassName()) + " " + Caption());
    EndProcessForTest(1);
  }
  return TForm::ShowModal();
}

bool TFormWithHelp::ChildKey(TWinControl* control, WORD key, TShiftState shift) {
  if (!FHelpEnabled || key != VK_F1) return TForm::ChildKey(control, key, shift);
  FF1Handled = true;
  if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt))
    OfferHelpKeyToHost(key, shift);
  else
    ShowControlHelp(control);
  return true;
}

void TFormWithHelp::WndProc(TMessage& msg) {
  if (msg.Msg == WM_HELP && FHelpEnabled) {
    auto* info = reinterpret_cast<const HELPINFO*>(msg.LParam);
    if (info && info->iContextType == HELPINFO_WINDOW) {
      msg.Result = TRUE;
      if (!std::exchange(FF1Handled, false))
        ShowWhatsThisPopup(*this, static_cast<HWND>(info->hItemHandle), info->MousePos);
      return;
    }
  }
  TForm::WndProc(msg);
}
