#include "dialogs/dialog_help.h"

#include <fstream>
#include <iterator>

#include "base/ascii.h"
#include "base/check_host.h"
#include "base/scope_guard.h"
#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "dialogs/form_with_help.h"
#include "dialogs/help_id_file.h"
#include "dialogs/help_key_match.h"
#include "forms/application.h"
#include "forms/win_control.h"
#include "frame/client_api_bindings.h"
#include "frame/client_services.h"
#include "frame/guarded_host_call.h"
#include "frame/help_document.h"
#include "frame/locations.h"
#include "toolkit/link_handlers.h"

namespace {

constexpr int32_t kHostTruth = -1;
// An alias may lead to a file whose entry is an alias again; a ring of them must end somewhere.
constexpr int kMaxAliasDepth = 8;

std::wstring g_help_file_name_for_test;
TUniqueHmodule g_html_help;
using THtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
THtmlHelpProc g_html_help_proc = nullptr;
int g_alias_depth = 0;

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool HasFolder(const std::wstring& path) { return path.find_first_of(L"\\/:") != std::wstring::npos; }

std::wstring NamePart(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring LibraryFileName() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&LibraryFileName), &module);
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  return NamePart(path);
}

// A missing or unreadable ID file gives no entries, so the next lookup looks for it again.
void LoadIdFile(const std::wstring& help_file, THelpIdList& ids, TStrings& aliases) {
  std::ifstream file(HelpIdFileOf(help_file).c_str(), std::ios::binary);
  std::string text;
  if (file) text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  ReadHelpIds(text, ids, aliases);
}

int PopupLookup(TFormWithHelp& form, const std::string& key, const std::string& prefix) {
  std::string topic;
  std::wstring file = WhatsThisHelpFile();
  return LookupHelpContext(key, prefix, topic, file, form.PopupIds(), form.PopupAliases());
}

// The what's-this lookup of one control name: under the form's name, then under its class name
// without the leading letter ("HoleSizeEditor" for THoleSizeEditor).
int PopupContext(TFormWithHelp& form, const std::string& name, TCustomForm& owner_form,
                  const std::string& class_key) {
  int context = PopupLookup(form, name, owner_form.Name());
  if (context <= 0 && !AsciiIequals(owner_form.Name(), class_key)) context = PopupLookup(form, name, class_key);
  return context;
}

TCustomForm* TopLevelForm(TControl* control) {
  TCustomForm* form = nullptr;
  for (TControl* c = control; c; c = c->Parent())
    if (auto* f = class_cast<TCustomForm>(c)) form = f;
  return form;
}

}  // namespace

std::wstring DialogHelpFile() {
  std::wstring name = g_help_file_name_for_test.empty() ? LibraryFileName() : g_help_file_name_for_test;
  return ResolveHelpFile(WithExtension(name, L".chm"));
}

std::wstring WhatsThisHelpFile() { return WithExtension(DialogHelpFile(), L"") + L"wth.hlp"; }

std::wstring MasterWhatsThisFile() { return ResolveHelpFile(L"vorxmaster.hlp"); }

void SetHelpFileNameForTest(const std::wstring& file_name) { g_help_file_name_for_test = file_name; }

int LookupHelpContext(const std::string& key, const std::string& prefix, std::string& topic,
                      std::wstring& help_file, THelpIdList& ids, TStrings& aliases) {
  if (ids.Empty()) LoadIdFile(help_file, ids, aliases);
  topic = HelpTopicKey(key, prefix);
  THelpKeyMatch match = MatchHelpKey(ids, aliases, topic);
  switch (match.Kind) {
    case THelpKeyMatch::hkNone: return 0;
    case THelpKeyMatch::hkContext: return match.Context;
    case THelpKeyMatch::hkAlias: break;
  }
  return ResolveHelpAlias(match.Alias, topic, help_file);
}

int ResolveHelpAlias(const std::string& alias, std::string& topic, std::wstring& help_file) {
  if (g_alias_depth >= kMaxAliasDepth) return 0;
  std::wstring answer = FileForHelpAlias(ToWide(alias));
  if (answer.empty()) return 0;
  help_file = ResolveHelpFile(WithExtension(NamePart(answer), L".chm"));
  if (!FileExists(help_file)) return 0;
  THelpIdList ids;
  TStringList aliases;
  ++g_alias_depth;
  auto leave = OnScopeExit([] { --g_alias_depth; });
  return LookupHelpContext(HelpAliasKey(alias), "", topic, help_file, ids, aliases);
}

std::string HelpTopicAddress(const std::wstring& help_file, const std::string& topic) {
  std::wstring page = WithExtension(ToWide(topic), L".htm");
  std::wstring file = WithExtension(help_file, L".chm");
  if (!HasFolder(file)) file = ResolveHelpFile(file);
  if (page.empty() || page.front() != L'/') page.insert(page.begin(), L'/');
  return ToAnsi(file + L"::" + page);
}

void ShowHelpTopic(const std::wstring& help_file, const std::string& topic, bool dynamic) {
  const std::string address = HelpTopicAddress(help_file, topic);
  if (dynamic) {
    ShowDynamicHelp(address, false);
  } else if (ClientAPI_GetIntegratedHelpSystem()) {
    OpenHelpDocument(ToWide(address));
  } else {
    const size_t split = address.find("::");
    CallHtmlHelp(Application->Handle(), ToWide(address.substr(0, split)), 0, address.substr(split + 2));
  }
}

void ShowDynamicHelp(const std::string& address, bool force_update) {
  std::string text = (force_update ? "ForceUpdate=True|" : "") + std::string("Address=") + address;
  RunHostProcess("HelpAdvisor:ShowDynamicHelp", text.data(), static_cast<int32_t>(text.size() + 1), nullptr);
}

int CallHtmlHelp(HWND window, const std::wstring& file, UINT command, const std::string& data) {
  if (command == 0) {
    char panel[] = "ObjectKind=Panel|Action=Show|Id=KnowledgeCenter";
    RunHostProcess("Client:CustomizeResources", panel, 0, nullptr);
    ShowDynamicHelp(ToAnsi(file) + "::" + data, true);
    return 0;
  }
  if (window == reinterpret_cast<HWND>(-1)) window = nullptr;
  if (!g_html_help_proc) {
    if (!g_html_help) g_html_help.reset(LoadLibraryW(L"HHCtrl.ocx"));
    if (g_html_help)
      g_html_help_proc = reinterpret_cast<THtmlHelpProc>(
          reinterpret_cast<void*>(GetProcAddress(g_html_help.get(), "HtmlHelpA")));
    if (!g_html_help_proc) return -1;
  }
  const std::string file_text = ToAnsi(file);
  return static_cast<int>(reinterpret_cast<intptr_t>(
      g_html_help_proc(window, file_text.c_str(), command, reinterpret_cast<DWORD_PTR>(data.c_str()))));
}

void FreeHtmlHelp() {
  g_html_help_proc = nullptr;
  g_html_help.reset();
}

void ShowPopupHelpAt(HWND window, POINT position, const std::wstring& file, int context) {
  const bool hide_panels = ClientAPI_GetPrefHideFloatingPanels();
  ClientAPI_SetPrefHideFloatingPanels(false);
  auto restore = OnScopeExit([hide_panels] { ClientAPI_SetPrefHideFloatingPanels(hide_panels); });
  const std::string file_text = ToAnsi(file);
  const DWORD packed = MAKELONG(static_cast<WORD>(position.x), static_cast<WORD>(position.y));
  WinHelpA(window, file_text.c_str(), HELP_SETPOPUP_POS, packed);
  WinHelpA(window, file_text.c_str(), HELP_CONTEXTPOPUP, static_cast<ULONG_PTR>(context));
  Sleep(200);
  Application->ProcessMessages();
}

void OfferHelpKeyToHost(WORD key, TShiftState shift) {
  if (!GetClient()) return;
  TComPtr<IClientUiManager> manager = GetUiManager();
  BYTE handled = 0;
  CheckHost(CallHost([&] {
    return manager->OfferKey(key, shift.Contains(ssAlt) ? kHostTruth : 0,
                             shift.Contains(ssShift) ? kHostTruth : 0,
                             shift.Contains(ssCtrl) ? kHostTruth : 0, &handled);
  }));
  if (handled) CheckHost(CallHost([&] { return manager->AfterKeyHandled(); }));
}

void ShowWhatsThisPopup(TFormWithHelp& form, HWND window, POINT position) {
  SetStatusText(-1, L"");
  TWinControl* control = FindControl(window);
  if (!control) return;
  const std::wstring file = WhatsThisHelpFile();
  TCustomForm* owner_form = nullptr;
  for (TControl* c = control->Parent(); c && !owner_form; c = c->Parent()) owner_form = class_cast<TCustomForm>(c);
  if (!owner_form) owner_form = &form;
  const std::string class_key = std::string(owner_form->ClassName()).substr(1);

  int context = PopupContext(form, control->Name(), *owner_form, class_key);
  if (context == 0 && control->Parent() && control->Parent() != owner_form)
    context = PopupContext(form, control->Parent()->Name(), *owner_form, class_key);
  ShowPopupHelpAt(form.Handle(), position, file, context);
}

void ShowDynamicHelpFor(TFormWithHelp& form, TControl* control) {
  std::string topic;
  std::wstring help_file;
  if (form.GetHelpContext(control, topic, help_file) == 0) return;
  ShowHelpTopic(WithExtension(help_file, L".chm"), topic, true);
}

void ShowDynamicHelpForHint(TControl* control) {
  if (control && !class_cast<TWinControl>(control)) control = control->Parent();
  if (auto* form = class_cast<TFormWithHelp>(TopLevelForm(control))) ShowDynamicHelpFor(*form, control);
}

void InstallDialogHelp() {
  Application->OnShowHint = [](std::string&, bool&, THintInfo& info) { ShowDynamicHelpForHint(info.HintControl); };
  TLinkHandlers& links = LinkHandlers();
  links.Clicked = [](const std::wstring& link) {
    // The whole word is compared: process links keep their own handling even with Ctrl held.
    if (KeyboardShiftState().Contains(ssCtrl) && !AsciiIequals(ToAnsi(link.substr(0, 11)), "VorxProcess"))
      OpenInHelpBrowser(link);
    else
      OpenHelpDocument(link);
  };
  links.Navigate = [](const std::wstring& link) { OpenHelpDocument(link); };
  links.OpenInHelpBrowser = [](const std::wstring& link) { OpenInHelpBrowser(link); };
  links.MouseEnter = [](const std::wstring& text) {
    SetStatusText(-3, L"");
    SetStatusText(1, text);
  };
  links.MouseLeave = [] { SetStatusText(-4, L""); };
}

void RemoveDialogHelp() {
  Application->OnShowHint = nullptr;
  LinkHandlers() = TLinkHandlers{};
  FreeHtmlHelp();
}
