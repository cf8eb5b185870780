#pragma once
// What a form asks of the application object without depending on it: the application window that
// owns top-level forms, one step of the message loop and whether the loop is ending (a modal run),
// and the application's exception handling (a form's own barriers). The application object
// implements it and installs itself while it lives.

#include <windows.h>

class TObject;

class IApplicationServices {
 public:
  virtual HWND Handle() = 0;
  virtual void HandleMessage() = 0;
  virtual bool Terminated() const = 0;
  // Reports the exception being handled; call it inside a catch block only.
  virtual void HandleException(TObject* sender) = 0;

 protected:
  ~IApplicationServices() = default;
};

// The application object's services, nullptr while there is none.
IApplicationServices* ApplicationServices();
void SetApplicationServices(IApplicationServices* services);
