#include "ui_thread_call.h"

#include "base/unique_handle.h"

namespace {

constexpr UINT kRunJob = WM_APP + 0x3A7;
constexpr wchar_t kClassName[] = L"TavrinHostScriptCall";

struct TJob {
  std::function<void()> Body;
  TUniqueKernelHandle Done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

LRESULT CALLBACK CallProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == kRunJob) {
    std::unique_ptr<std::shared_ptr<TJob>> job(reinterpret_cast<std::shared_ptr<TJob>*>(l));
    // A window procedure is a barrier: a failing job must not unwind into user32.
    try {
      (*job)->Body();
    } catch (...) {
    }
    SetEvent((*job)->Done.get());
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

TUiThreadCall::~TUiThreadCall() {
  if (window_ && GetCurrentThreadId() == thread_) Destroy();
}

bool TUiThreadCall::Create() {
  WNDCLASSW cls{};
  cls.lpfnWndProc = CallProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = kClassName;
  RegisterClassW(&cls);  // fails harmlessly when a second runner registers it again
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  thread_ = GetCurrentThreadId();
  return window_ != nullptr;
}

void TUiThreadCall::Destroy() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

bool TUiThreadCall::Run(std::function<void()> job, DWORD timeout) {
  if (!window_) return false;
  auto shared = std::make_shared<TJob>();
  shared->Body = std::move(job);
  HANDLE done = shared->Done.get();
  auto* posted = new std::shared_ptr<TJob>(shared);
  if (!PostMessageW(window_, kRunJob, 0, reinterpret_cast<LPARAM>(posted))) {
    delete posted;
    return false;
  }
  return WaitForSingleObject(done, timeout) == WAIT_OBJECT_0;
}
