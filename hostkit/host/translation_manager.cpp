#include "translation_manager.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/bstr.h"
#include "base/text_convert.h"

namespace {

std::unique_ptr<THostTranslationManager>& ManagerSlot() {
  static std::unique_ptr<THostTranslationManager> manager;
  return manager;
}

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  size_t slash = folder.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

bool IsPlainName(const std::wstring& s) {
  if (s.empty()) return false;
  for (wchar_t c : s)
    if (!iswalnum(c) && c != L'_' && c != L'-') return false;
  return true;
}

}  // namespace

THostTranslationManager* HostTranslationManager() { return ManagerSlot().get(); }

HRESULT __stdcall THostTranslationManager::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_ITranslationManager) return E_NOINTERFACE;
  *object = static_cast<ITranslationManager*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall THostTranslationManager::LookupTranslation(BSTR context, BSTR key, BSTR* translation,
                                                            int32_t* found) {
  THostCall call("ITranslationManager.LookupTranslation", TraceText(context) + ", " + TraceText(key));
  if (translation) *translation = nullptr;
  if (found) *found = 0;
  if (call.Injected()) return call.Done(call.Injected());
  if (!translation || !found) return call.Done(E_POINTER);
  const std::wstring* text = file_ ? file_->Lookup(form_, BstrText(context), BstrText(key)) : nullptr;
  if (!text) return call.Done(S_OK, "found=0");
  *translation = TUniqueBstr(*text).Detach();
  *found = 1;
  return call.Done(S_OK, "translation=" + TraceText(text->c_str()) + " found=1");
}

HRESULT __stdcall THostTranslationManager::SetFormContext(BSTR form_name) {
  THostCall call("ITranslationManager.SetFormContext", TraceText(form_name));
  if (call.Injected()) return call.Done(call.Injected());
  form_ = BstrText(form_name);
  return call.Done(S_OK);
}

HRESULT __stdcall THostTranslationManager::IsTranslating(int32_t* translating) {
  THostCall call("ITranslationManager.IsTranslating", "");
  if (translating) *translating = 0;
  if (call.Injected()) return call.Done(call.Injected());
  if (!translating) return call.Done(E_POINTER);
  *translating = file_ ? 1 : 0;
  return call.Done(S_OK, "value=" + std::to_string(*translating));
}

bool LoadTranslation(const std::wstring& language, std::string& error) {
  std::wstring path = IsPlainName(language) ? ExeFolder() + L"translations\\" + language + L".translation"
                                              : language;
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) {
    error = "cannot read the translation file " + ToAnsi(path);
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  try {
    auto file = std::make_unique<TTranslationFile>(TTranslationFile::Parse(text.str(), ToAnsi(path)));
    auto manager = std::make_unique<THostTranslationManager>();
    manager->SetFile(std::move(file));
    ManagerSlot() = std::move(manager);
  } catch (const ETranslationFileError& e) {
    error = e.what();
    return false;
  }
  return true;
}
