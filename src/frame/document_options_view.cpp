#include "frame/document_options_view.h"

#include "base/bstr.h"
#include "base/host_guard.h"
#include "base/text_convert.h"
#include "frame/require_out.h"

namespace {
std::string TextOf(const char* text) { return text ? std::string(text) : std::string(); }
}  // namespace

TDocumentOptionsView::TDocumentOptionsView(TDocumentOptionsForm* options_form)
    : TExternalForm(options_form, false), options_form_(options_form) {
  if (options_form_) options_form_->SetOptionsView(this);
}

TDocumentOptionsView::~TDocumentOptionsView() {
  // The form may outlive the view when its freeing is deferred.
  if (options_form_) options_form_->SetOptionsView(nullptr);
}

HRESULT __stdcall TDocumentOptionsView::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IExternalForm && iid != IID_IDocumentOptionsView)
    return E_NOINTERFACE;
  *object = static_cast<IDocumentOptionsView*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall TDocumentOptionsView::SetDocumentKind(BSTR kind) {
  return HostGuard([&] {
    if (options_form_) options_form_->SetDocumentKind(ToAnsi(BstrText(kind)));
  });
}

HRESULT __stdcall TDocumentOptionsView::GetViewModified(BYTE* modified) {
  return HostGuard([&] {
    RequireOut(modified);
    *modified = options_form_ ? options_form_->GetViewModified() : 0;
  });
}

HRESULT __stdcall TDocumentOptionsView::LoadViewOptions() {
  return HostGuard([&] {
    if (options_form_) options_form_->LoadViewOptions();
  });
}

HRESULT __stdcall TDocumentOptionsView::SaveViewOptions() {
  return HostGuard([&] {
    if (options_form_) options_form_->SaveViewOptions();
  });
}

HRESULT __stdcall TDocumentOptionsView::GetViewReady(BYTE* ready) {
  return HostGuard([&] {
    RequireOut(ready);
    *ready = options_form_ ? options_form_->GetViewReady() : 0;
  });
}

HRESULT __stdcall TDocumentOptionsView::ApplyViewOptions() {
  return HostGuard([&] {
    if (options_form_) options_form_->ApplyViewOptions();
  });
}

HRESULT __stdcall TDocumentOptionsView::ResetViewOptions() {
  return HostGuard([&] {
    if (options_form_) options_form_->ResetViewOptions();
  });
}

HRESULT __stdcall TDocumentOptionsView::SetViewTexts(const char* first, const char* second) {
  return HostGuard([&] {
    if (options_form_) options_form_->SetViewTexts(TextOf(first), TextOf(second));
  });
}

HRESULT __stdcall TDocumentOptionsView::QueryViewValue(const char* name, int32_t* value) {
  return HostGuard([&] {
    RequireOut(value);
    *value = options_form_ ? options_form_->QueryViewValue(TextOf(name)) : 0;
  });
}
