#include "forms/dialogs/open_dialog.h"

#include <commdlg.h>

#include <vector>

#include "base/text_convert.h"
#include "forms/application.h"
#include "base/fault_guard.h"

THookPoint<UINT_PTR(HWND, UINT, WPARAM, LPARAM)> OpenDialogHookProc("OpenDialogHookProc",
                                                                    &OpenDialogHookDefault);

namespace {

const wchar_t kDialogProp[] = L"TavrinDialog";

}  // namespace

UINT_PTR CALLBACK OpenDialogHook(HWND window, UINT msg, WPARAM w, LPARAM l) {
  UINT_PTR result = 0;
  // The dialog calls us from inside the system: nothing may escape.
  std::exception_ptr e = RunGuarded([&] { result = OpenDialogHookProc(window, msg, w, l); });
  if (e) Application->HandleException(nullptr, e);
  return result;
}

UINT_PTR OpenDialogHookDefault(HWND window, UINT msg, WPARAM, LPARAM l) {
  if (msg == WM_INITDIALOG) {
    auto* ofn = reinterpret_cast<OPENFILENAMEW*>(l);
    SetPropW(window, kDialogProp, reinterpret_cast<HANDLE>(ofn->lCustData));
    return 0;
  }
  auto* dialog = static_cast<TOpenDialog*>(GetPropW(window, kDialogProp));
  if (!dialog) return 0;
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == static_cast<UINT>(CDN_INITDONE))
    dialog->DoShow(GetParent(window));
  else if (msg == WM_DESTROY) {
    RemovePropW(window, kDialogProp);
    dialog->DoClose();
  }
  return 0;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

bool TOpenDialog::Run(HWND parent) {
  std::wstring filter = ToWide(Filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.append(2, L'\0');
  std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
  std::wstring initial = ToWide(FileName);
  initial.copy(file.data(), file.size() - 1);
  std::wstring dir = ToWide(InitialDir), title = ToWide(Title), ext = ToWide(DefaultExt);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = parent;
  ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
              (FileMustExist ? OFN_FILEMUSTEXIST : 0);
  ofn.lpfnHook = &OpenDialogHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(this);
  BOOL ok = TaskModalDialog(reinterpret_cast<BOOL(WINAPI*)(void*)>(&GetOpenFileNameW), &ofn);
  if (!ok) return false;
  FileName = ToAnsi(file.data());
  FilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}
