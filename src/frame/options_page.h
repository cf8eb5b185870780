#pragma once
// An options page (IOptionsPage) for a named options set: an external form whose page operations
// go to the form's own IOptionsPage. A form class offers one by deriving from IOptionsPage with
// reference counting that does nothing (the page owns the form). A form without it makes every
// page operation fail; without a form they succeed and call nothing. The form is freed at once.

#include "frame/external_form.h"

class TOptionsPage : public TExternalForm, public IOptionsPage {
  TAVRIN_CLASS(TOptionsPage, TExternalForm)
 public:
  explicit TOptionsPage(TCustomForm* form) : TExternalForm(form, true) {}

  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return TExternalForm::AddRef(); }
  ULONG __stdcall Release() override { return TExternalForm::Release(); }

  HRESULT __stdcall GetModified(BYTE* modified) override;
  HRESULT __stdcall SetModified(BYTE modified) override;
  HRESULT __stdcall LoadOptions() override;
  HRESULT __stdcall SaveOptions() override;
  HRESULT __stdcall GetHelpContext(int32_t* context) override;
  HRESULT __stdcall SetDefaults() override;
  HRESULT __stdcall CancelOptions() override;

 private:
  // The form's IOptionsPage; raises when the form has none. Requires a form.
  TComPtr<IOptionsPage> FormPage() const;
};

// The form's IOptionsPage, queried through the form's IUnknown; empty when it implements none.
TComPtr<IOptionsPage> QueryFormOptionsPage(TCustomForm* form);
