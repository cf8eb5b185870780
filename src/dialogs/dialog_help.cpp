#include "dialogs/dialog_help.h"

#include "base/check_host.h"
#include "base/text_convert.h"
#include "dialogs/form_with_help.h"
#include "forms/win_control.h"
#include "frame/client_services.h"
#include "frame/locations.h"

namespace {

constexpr int32_t kHostTruth = -1;

std::wstring WithExtension(const std::wstring& path, const wchar_t* extension) {
  size_t slash = path.find_last_of(L"\\/:");
  size_t dot = path.rfind(L'.');
  std::wstring stem = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)
                          ? path.substr(0, dot)
                          : path;
  return stem + extension;
}

}  // namespace

void OfferHelpKeyToHost(WORD key, TShiftState shift) {
  if (!GetClient()) return;
  TComPtr<IClientUiManager> manager = GetUiManager();
  BYTE handled = 0;
  CheckHost(manager->OfferKey(key, shift.Contains(ssAlt) ? kHostTruth : 0,
                               shift.Contains(ssShift) ? kHostTruth : 0,
                               shift.Contains(ssCtrl) ? kHostTruth : 0, &handled));
  if (handled) CheckHost(manager->AfterKeyHandled());
}

void ShowWhatsThisPopup(TFormWithHelp& form, HWND window, POINT position) {
  (void)form, (void)position;
  SetStatusText(-1, L"");
  if (!FindControl(window)) return;
  // No what's-this topic can be found yet, so there is no popup to show.
}

void ShowDynamicHelpFor(TFormWithHelp& form, TControl* control) {
  std::string topic;
  std::wstring help_file;
  if (form.GetHelpContext(control, topic, help_file) == 0) return;
  ShowDynamicHelp(HelpTopicAddress(help_file, topic), false);
}

void ShowDynamicHelp(const std::string& address, bool force_update) {
  std::string text = (force_update ? "ForceUpdate=True|" : "") + std::string("Address=") + address;
  RunHostProcess("HelpAdvisor:ShowDynamicHelp", text.data(), static_cast<int32_t>(text.size() + 1),
                 nullptr);
}

std::string HelpTopicAddress(const std::wstring& help_file, const std::string& topic) {
  std::wstring page = WithExtension(ToWide(topic), L".htm");
  std::wstring file = WithExtension(help_file, L".chm");
  if (file.find_first_of(L"\\/:") == std::wstring::npos) file = ResolveHelpFile(file);
  if (page.empty() || page.front() != L'/') page.insert(page.begin(), L'/');
  return ToAnsi(file + L"::" + page);
}
