#pragma once
// A document options view (IDocumentOptionsView): an external form around a module's options form,
// with nine more operations forwarded to the form. The host may release it from inside one of the
// form's handlers, so its form is not freed at once (see TExternalForm).

#include "frame/document_options_form.h"
#include "frame/external_form.h"

class TDocumentOptionsView : public TExternalForm, public IDocumentOptionsView {
  TAVRIN_CLASS(TDocumentOptionsView, TExternalForm)
 public:
  // Takes the form and gives it its back reference. Without a form the nine operations succeed
  // and call nothing, answering 0.
  explicit TDocumentOptionsView(TDocumentOptionsForm* options_form);
  ~TDocumentOptionsView() override;

  TDocumentOptionsForm* OptionsForm() const { return options_form_; }

  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return TExternalForm::AddRef(); }
  ULONG __stdcall Release() override { return TExternalForm::Release(); }

  // IExternalForm's operations, repeated as the first eleven of IDocumentOptionsView.
  HRESULT __stdcall SetHolder(IExternalFormHolder* holder) override {
    return TExternalForm::SetHolder(holder);
  }
  HRESULT __stdcall Attach() override { return TExternalForm::Attach(); }
  HRESULT __stdcall Detach() override { return TExternalForm::Detach(); }
  HRESULT __stdcall GetBounds(int32_t* left, int32_t* top, int32_t* width,
                              int32_t* height) override {
    return TExternalForm::GetBounds(left, top, width, height);
  }
  HRESULT __stdcall GetCaption(BSTR* caption) override { return TExternalForm::GetCaption(caption); }
  HRESULT __stdcall GetHandle(HWND* window) override { return TExternalForm::GetHandle(window); }
  HRESULT __stdcall Hide() override { return TExternalForm::Hide(); }
  HRESULT __stdcall SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override {
    return TExternalForm::SetBounds(left, top, width, height);
  }
  HRESULT __stdcall SetFocus() override { return TExternalForm::SetFocus(); }
  HRESULT __stdcall Show() override { return TExternalForm::Show(); }
  HRESULT __stdcall FocusFirstControl() override { return TExternalForm::FocusFirstControl(); }

  HRESULT __stdcall SetDocumentKind(BSTR kind) override;
  HRESULT __stdcall GetViewModified(BYTE* modified) override;
  HRESULT __stdcall LoadViewOptions() override;
  HRESULT __stdcall SaveViewOptions() override;
  HRESULT __stdcall GetViewReady(BYTE* ready) override;
  HRESULT __stdcall ApplyViewOptions() override;
  HRESULT __stdcall ResetViewOptions() override;
  HRESULT __stdcall SetViewTexts(const char* first, const char* second) override;
  HRESULT __stdcall QueryViewValue(const char* name, int32_t* value) override;

 private:
  TDocumentOptionsForm* options_form_;
};
