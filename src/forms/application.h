#pragma once
// The application object: the hidden window that owns the plug-in's top-level windows (or a
// window adopted from the host), the exception event every barrier reports to, hints with their
// show event and window class, idle handlers and the message loop steps.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "forms/application_services.h"
#include "forms/component.h"

class TControl;
class TCustomForm;
class THintWindow;

struct THintInfo {
  TControl* HintControl = nullptr;
  POINT CursorPos{};
  int HintMaxWidth = 0;
  std::string HintStr;
};

using TExceptionEvent = std::function<void(TObject* Sender, Exception& E)>;
using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using THintWindowClass = THintWindow* (*)(TComponent* owner);

class TApplication : public TComponent, public IApplicationServices {
  TAVRIN_CLASS(TApplication, TComponent)
 public:
  TApplication();
  ~TApplication() override;

  // The application window, made on first use (a hidden pop-up window).
  HWND Handle() override;
  // Adopts a window of the host as the application window; it is not destroyed by us. nullptr
  // goes back to a window of our own.
  void SetHandle(HWND window);
  // Makes another window (the host's application window) the owner of our application window.
  void SetOwnerWindow(HWND owner);
  // Destroys the hint window and our own application window (library end calls it, then
  // ReleaseWindowClasses).
  void DestroyHandle();

  std::string Title = "Tavrin";

  // Reports an exception caught by a barrier: the exception event when set, else
  // ShowException. Nothing escapes: a failing event is swallowed.
  void HandleException(TObject* sender, std::exception_ptr error);
  // The same for the exception being handled in a catch block.
  void HandleException(TObject* sender) override;
  void ShowException(const Exception& e);
  TExceptionEvent OnException;

  // Hints.
  bool ShowHint = true;
  int HintPause = 500;
  TShowHintEvent OnShowHint;
  THintWindowClass HintWindowClass;
  // Shows the hint of a control now (the hint timer calls it after HintPause).
  void ActivateHint(TControl* control, POINT cursor);
  void CancelHint();
  THintWindow* HintWindow() const { return hint_window_; }

  // One message processed, or, when there is none, the idle step: the idle handlers run and the
  // thread waits for the next message only when they are done.
  void HandleMessage() override;
  // Processes every message waiting now.
  void ProcessMessages();
  // The idle step alone, without taking a message first (the server module's Idle, which has
  // already made sure that the wait at its end returns when messages are queued).
  void Idle() { DoIdle(); }
  TIdleEvent OnIdle;
  int AddIdleHandler(TIdleEvent handler);
  void RemoveIdleHandler(int id);

  void Terminate() { terminated_ = true; }
  bool Terminated() const override { return terminated_; }
  void ResetTerminated() { terminated_ = false; }

  // The form whose window is active for this thread, or nullptr.
  TCustomForm* ActiveForm() const;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMessage(MSG& msg);
  void DoIdle();
  void TrackHint(const MSG& msg);
  static LRESULT CALLBACK AppWindowProc(HWND, UINT, WPARAM, LPARAM);

  HWND handle_ = nullptr;
  bool own_handle_ = false;
  bool terminated_ = false;
  struct TIdleEntry {
    int id;
    TIdleEvent handler;
  };
  std::vector<TIdleEntry> idle_handlers_;
  int next_idle_id_ = 1;
  THintWindow* hint_window_ = nullptr;
  TControl* hint_control_ = nullptr;
  bool hint_timer_ = false;
};

extern TApplication* Application;
