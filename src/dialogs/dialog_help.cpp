#include "dialogs/dialog_help.h"

#include "base/check_host.h"
#include "base/text_convert.h"
#include "dialogs/form_with_help.h"
#include "forms/win_control.h"
#include "frame/client_services.h"
#include "frame/locations.h"

namespace {

constexpr int32_t kHostTruth = -1;

std::wstring with_extension(const std::wstring& path, const wchar_t* extension) {
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
  ComPtr<IClientUiManager> manager = GetUiManager();
  BYTE handled = 0;
  check_host(manager->OfferKey(key, shift.Contains(ssAlt) ? kHostTruth : 0,
                               shift.Contains(ssShift) ? kHostTruth : 0,
                               shift.Contains(ssCtrl) ? kHostTruth : 0, &handled));
  if (handled) check_host(manager->AfterKeyHandled());
}

void ShowWhatsThisPopup(TFormWithHelp& form, HWND window, POINT position) {
  (void)form, (void)position;
  SetStatusText(-1, L"");
  if (!FindControl(window)) return;
  // No what's-this topic can be found yet, so there is no popup to show.
}

void ShowDynamicHelpFor(TFormWithHelp& form, TControl* control) {
  std::string topic;
  std::wstring helpFile;
  if (form.GetHelpContext(control, topic, helpFile) == 0) return;
  ShowDynamicHelp(HelpTopicAddress(helpFile, topic), false);
}

void ShowDynamicHelp(const std::string& address, bool forceUpdate) {
  std::string text = (forceUpdate ? "ForceUpdate=True|" : "") + std::string("Address=") + address;
  RunHostProcess("HelpAdvisor:ShowDynamicHelp", text.data(), static_cast<int32_t>(text.size() + 1),
                 nullptr);
}

std::string HelpTopicAddress(const std::wstring& helpFile, const std::string& topic) {
  std::wstring page = with_extension(to_wide(topic), L".htm");
  std::wstring file = with_extension(helpFile, L".chm");
  if (file.find_first_of(L"\\/:") == std::wstring::npos) file = ResolveHelpFile(file);
  if (page.empty() || page.front() != L'/') page.insert(page.begin(), L'/');
  return to_ansi(file + L"::" + page);
}
