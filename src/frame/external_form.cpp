#include "frame/external_form.h"

#include <algorithm>
#include <vector>

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/host_guard.h"
#include "base/scope_guard.h"
#include "base/text_convert.h"
#include "forms/application.h"
#include "base/fault_guard.h"
#include "frame/client_services.h"
#include "frame/delayed_destroyer.h"
#include "frame/guarded_host_call.h"
#include "frame/library_steps.h"
#include "frame/require_out.h"
#include "frame/slots.h"

namespace {

// Windows of forms released to their own message queue. A library that ends before those messages
// arrive frees the forms itself: their windows must not outlive the code that runs them.
std::vector<HWND>& ReleasedWindows() {
  static std::vector<HWND> windows;
  return windows;
}

void ReleaseLater(TCustomForm* form) {
  auto& windows = ReleasedWindows();
  windows.erase(std::remove_if(windows.begin(), windows.end(), [](HWND w) { return !IsWindow(w); }),
                windows.end());
  form->Release();
  windows.push_back(form->Handle());
}

const TLibraryStepRegistration released_forms_step(TLibraryStep::ExternalForms, nullptr,
                                                   &TExternalForm::FreeReleasedForms);

}  // namespace

TExternalForm::TExternalForm(TCustomForm* form, bool free_at_once)
    : free_at_once_(free_at_once), form_(form) {
  if (!form_) return;
  try {
    form_->SetBorderStyle(bsNone);
    // The host activates its own window; the form's activation handler must not take over.
    form_->OnActivate = [](TObject*) {};
  } catch (...) {
    delete std::exchange(form_, nullptr);
    throw;
  }
}

void TExternalForm::FreeReleasedForms() {
  for (HWND window : std::exchange(ReleasedWindows(), {}))
    if (auto* form = class_cast<TCustomForm>(FindControl(window))) delete form;
}

TExternalForm::~TExternalForm() {
  holder_.reset();
  FreeForm();
}

void TExternalForm::FreeForm() noexcept {
  TCustomForm* form = std::exchange(form_, nullptr);
  if (!form) return;
  auto free_now = [form] {
    if (std::exception_ptr error = RunGuarded([form] { delete form; }))
      Application->HandleException(nullptr, error);
  };
  if (!ClientSlot) return free_now();
  // The host may release the form from inside one of the form's own handlers: unless it says it is
  // going away, the form is freed once its messages have been processed.
  bool at_once = false;
  try {
    at_once = HostIsShuttingDown();
  } catch (...) {
  }
  if (at_once || free_at_once_) return free_now();
  try {
    if (form->HandleAllocated()) ReleaseLater(form);
    else new TDelayedDestroyer(form);
  } catch (...) {
    free_now();
  }
}

HRESULT __stdcall TExternalForm::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IExternalForm) return E_NOINTERFACE;
  *object = static_cast<IExternalForm*>(this);
  AddRef();
  return S_OK;
}

ULONG __stdcall TExternalForm::AddRef() { return AddReference(); }
ULONG __stdcall TExternalForm::Release() { return ReleaseReference(); }

HRESULT __stdcall TExternalForm::SetHolder(IExternalFormHolder* holder) {
  return HostGuard([&] {
    holder_ = TComPtr<IExternalFormHolder>(holder);
    if (!holder && form_) DetachForm();
  });
}

HRESULT __stdcall TExternalForm::Attach() {
  return HostGuard([&] {
    if (!form_) return;
    int left = form_->Left(), top = form_->Top();
    if (holder_) {
      HWND window = nullptr;
      CheckHost(CallHost([&] { return holder_->GetParentWindow(&window); }));
      form_->SetParentWindow(window);
      form_->SetVisible(true);
    } else {
      form_->SetVisible(false);
    }
    form_->SetBounds(left, top, form_->Width(), form_->Height());
  });
}

HRESULT __stdcall TExternalForm::Detach() {
  return HostGuard([&] { DetachForm(); });
}

void TExternalForm::DetachForm() {
  if (!form_) return;
  if (form_->OnHide) form_->OnHide(form_);
  form_->IncludeFormState(fsRecreating);
  {
    auto done = OnScopeExit([this] { form_->ExcludeFormState(fsRecreating); });
    form_->DestroyHandle();
  }
  form_->SetVisible(false);
  form_->SetParentWindow(nullptr);
}

HRESULT __stdcall TExternalForm::GetBounds(int32_t* left, int32_t* top, int32_t* width,
                                           int32_t* height) {
  return HostGuard([&] {
    RequireOut(left), RequireOut(top), RequireOut(width), RequireOut(height);
    *left = form_ ? form_->Left() : 0;
    *top = form_ ? form_->Top() : 0;
    *width = form_ ? form_->Width() : 0;
    *height = form_ ? form_->Height() : 0;
  });
}

HRESULT __stdcall TExternalForm::GetCaption(BSTR* caption) {
  if (caption) *caption = nullptr;
  return HostGuard([&] {
    RequireOut(caption);
    if (form_) *caption = TUniqueBstr(ToWide(form_->Caption())).Detach();
  });
}

HRESULT __stdcall TExternalForm::GetHandle(HWND* window) {
  return HostGuard([&] {
    RequireOut(window);
    // Asking for the handle must not make a window the host has not attached.
    *window = form_ && form_->HandleAllocated() ? form_->Handle() : nullptr;
  });
}

HRESULT __stdcall TExternalForm::Hide() {
  return HostGuard([&] {
    if (form_) form_->Hide();
  });
}

HRESULT __stdcall TExternalForm::SetBounds(int32_t left, int32_t top, int32_t width,
                                           int32_t height) {
  return HostGuard([&] {
    if (form_) form_->SetBounds(left, top, width, height);
  });
}

HRESULT __stdcall TExternalForm::SetFocus() {
  return HostGuard([&] {
    if (form_ && form_->Visible() && form_->Enabled() && form_->CanFocus()) form_->SetFocus();
  });
}

HRESULT __stdcall TExternalForm::Show() {
  return HostGuard([&] {
    if (form_) form_->Show();
  });
}

HRESULT __stdcall TExternalForm::FocusFirstControl() {
  return HostGuard([&] {
    if (!form_) return;
    if (TWinControl* first = form_->FindNextControl(nullptr, true, true, false)) first->SetFocus();
  });
}
