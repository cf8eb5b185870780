#pragma once
// A plug-in form the host embeds in a window of its own (IExternalForm): the host sets the holder
// the form lives in, attaches and detaches it, and moves, shows, hides and focuses it. The wrapper
// owns the form. When the host lets go of the last reference the form is freed at once, or later
// when it may still be busy handling a message of its own (see the destructor).

#include <windows.h>

#include "base/com_ptr.h"
#include "forms/form.h"
#include "frame/interfaced_object.h"
#include "hostapi/i_external_form.h"

class TExternalForm : public TInterfacedObject, public IExternalForm {
  TAVRIN_CLASS(TExternalForm, TInterfacedObject)
 public:
  // Takes the form (may be none): it loses its border and its activation event. A failing step
  // frees the form and raises.
  TExternalForm(TCustomForm* form, bool free_at_once);
  ~TExternalForm() override;

  TCustomForm* Form() const { return form_; }
  IExternalFormHolder* Holder() const { return holder_.get(); }
  bool FreeAtOnce() const { return free_at_once_; }
  // Frees the forms whose deferred release has not come yet (library end).
  static void FreeReleasedForms();

  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override;
  ULONG __stdcall Release() override;

  HRESULT __stdcall SetHolder(IExternalFormHolder* holder) override;
  HRESULT __stdcall Attach() override;
  HRESULT __stdcall Detach() override;
  HRESULT __stdcall GetBounds(int32_t* left, int32_t* top, int32_t* width, int32_t* height) override;
  HRESULT __stdcall GetCaption(BSTR* caption) override;
  HRESULT __stdcall GetHandle(HWND* window) override;
  HRESULT __stdcall Hide() override;
  HRESULT __stdcall SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  HRESULT __stdcall SetFocus() override;
  HRESULT __stdcall Show() override;
  HRESULT __stdcall FocusFirstControl() override;

 private:
  void DetachForm();
  void FreeForm() noexcept;

  bool free_at_once_;
  TCustomForm* form_;
  TComPtr<IExternalFormHolder> holder_;
};
