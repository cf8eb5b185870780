#include "dialogs/form_with_help.h"

#include <utility>

#include "base/text_convert.h"
#include "dialogs/dialog_help.h"
#include "dialogs/font_properties.h"
#include "dialogs/help_id_file.h"
#include "frame/client_api_bindings.h"
#include "frame/client_services.h"
#include "frame/test_mode.h"
#include "toolkit/win_xp_page_control.h"
#include "toolkit/win_xp_tab_sheet.h"

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
  FTopicIds = std::make_unique<THelpIdList>();
  FTopicAliases = std::make_unique<TStringList>();
  FPopupIds = std::make_unique<THelpIdList>();
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
  // A form is looked up in the dialog help file, everything else in the what's-this file.
  const bool is_form = class_cast<TCustomForm>(control) != nullptr;
  help_file = is_form ? DialogHelpFile() : WhatsThisHelpFile();
  topic.clear();
  if (!control) return 0;
  return LookupHelpContext("Dlg_" + GetHelpName(control), "", topic, help_file,
                           is_form ? *FTopicIds : *FPopupIds, is_form ? *FTopicAliases : *FPopupAliases);
}

std::string TFormWithHelp::GetHelpName(TComponent* component) {
  return component ? component->Name() : std::string();
}

bool TFormWithHelp::IsHelpContainer(TControl* control) {
  return class_cast<TCustomForm>(control) || class_cast<TWinXPPageControl>(control) ||
         class_cast<TWinXPTabSheet>(control);
}

// The first help container among the children: itself when it has a topic, else the first one
// among its own children.
TControl* TFormWithHelp::FirstHelpContainerIn(TControl* parent) {
  auto* windowed = class_cast<TWinControl>(parent);
  if (!windowed) return nullptr;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!IsHelpContainer(child)) continue;
    std::string topic;
    std::wstring file;
    return GetHelpContext(child, topic, file) != 0 ? child : FirstHelpContainerIn(child);
  }
  return nullptr;
}

void TFormWithHelp::ShowControlHelp(TControl* control) {
  TControl* container = control;
  while (container && !IsHelpContainer(container)) container = container->Parent();
  if (!container || container == this) container = FirstHelpContainerIn(this);
  if (auto* pages = class_cast<TWinXPPageControl>(container)) container = pages->ActivePage();
  std::string topic;
  std::wstring file;
  if (GetHelpContext(container, topic, file) == 0) container = FirstHelpContainerIn(container);
  if (!container) container = this;

  int context = GetHelpContext(container, topic, file);
  if (context == 0 && container != this) context = GetHelpContext(this, topic, file);
  if (context != 0) {
    ShowHelpTopic(WithExtension(file, L".chm"), topic, false);
    return;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  ShowPopupHelpAt(Handle(), cursor, MasterWhatsThisFile(), 1);
}

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
