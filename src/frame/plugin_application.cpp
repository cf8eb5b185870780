#include "frame/plugin_application.h"

// Until the form framework's application object takes over, the plug-in's application window is a
// hidden window of the frame's own, owned by the host's application window.

#include "frame/server_module.h"

namespace {
HWND application_window = nullptr;
HWND host_owner = nullptr;

LRESULT CALLBACK application_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(window, message, w, l);
}

HWND create_window() {
  static ATOM atom = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = application_proc;
    cls.hInstance = PluginInstance();
    cls.lpszClassName = L"TavrinApplication";
    return RegisterClassW(&cls);
  }();
  if (!atom) return nullptr;
  return CreateWindowExW(0, L"TavrinApplication", L"Tavrin", WS_POPUP, 0, 0, 0, 0, host_owner,
                         nullptr, PluginInstance(), nullptr);
}
}  // namespace

HWND PluginApplicationWindow() {
  if (!application_window || !IsWindow(application_window)) application_window = create_window();
  return application_window;
}

void AdoptHostApplicationWindow(HWND hostWindow) {
  host_owner = hostWindow;
  if (application_window && IsWindow(application_window))
    SetWindowLongPtrW(application_window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hostWindow));
}

void RunApplicationIdleStep() {
  // Nothing to update yet; wait for the next message as the application's idle step does.
  WaitMessage();
}
