#include "main_window.h"

#include <commctrl.h>

#include "host_state.h"
#include "trace.h"

namespace {

std::function<void()> run_command_handler;

void Layout(HWND main) {
  RECT client;
  GetClientRect(main, &client);
  SendMessageW(Host().StatusBar, WM_SIZE, 0, 0);
  RECT bar;
  GetWindowRect(Host().StatusBar, &bar);
  int height = bar.bottom - bar.top;
  MoveWindow(Host().ViewWindow, 0, 0, client.right, client.bottom - height, TRUE);
  int parts[4] = {client.right / 4, client.right / 2, client.right * 3 / 4, -1};
  SendMessageW(Host().StatusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SIZE:
      if (Host().StatusBar) Layout(window);
      return 0;
    case WM_COMMAND:
      switch (LOWORD(w)) {
        case kMenuRunCommand:
          if (run_command_handler) run_command_handler();
          return 0;
        case kMenuUndo:
          if (Host().Pcb.Undo) Host().Pcb.Undo();
          InvalidateRect(Host().ViewWindow, nullptr, TRUE);
          return 0;
        case kMenuRedo:
          if (Host().Pcb.Redo) Host().Pcb.Redo();
          InvalidateRect(Host().ViewWindow, nullptr, TRUE);
          return 0;
        case kMenuExit:
          DestroyWindow(window);
          return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (Host().DocumentKind == 2 && Host().Pcb.Paint) Host().Pcb.Paint(dc, &area);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(window, message, w, l);
}

HMENU BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kMenuExit, L"E&xit");
  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, kMenuUndo, L"&Undo");
  AppendMenuW(edit, MF_STRING, kMenuRedo, L"&Redo");
  HMENU tools = CreatePopupMenu();
  AppendMenuW(tools, MF_STRING, kMenuRunCommand, L"&Run command");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), L"&Tools");
  return bar;
}

}  // namespace

void SetRunCommandHandler(std::function<void()> handler) { run_command_handler = std::move(handler); }

bool CreateHostWindows(bool show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW cls{};
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.lpfnWndProc = ApplicationProc;
  cls.lpszClassName = L"TavrinHostApplication";
  RegisterClassW(&cls);
  cls.lpfnWndProc = MainProc;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"TavrinHostMainWindow";
  RegisterClassW(&cls);
  cls.lpfnWndProc = ViewProc;
  cls.lpszClassName = L"TavrinHostBoardView";
  RegisterClassW(&cls);

  THostState& host = Host();
  host.ApplicationWindow = CreateWindowExW(0, L"TavrinHostApplication", L"Tavrin Host", WS_POPUP,
                                           0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  host.MainWindow = CreateWindowExW(0, L"TavrinHostMainWindow", L"Tavrin Host",
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 900, 650, nullptr, BuildMenu(), instance, nullptr);
  if (!host.ApplicationWindow || !host.MainWindow) return false;
  host.ViewWindow = CreateWindowExW(0, L"TavrinHostBoardView", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0,
                                    0, host.MainWindow, nullptr, instance, nullptr);
  host.StatusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                                   0, 0, 0, 0, host.MainWindow, nullptr, instance, nullptr);
  Layout(host.MainWindow);
  SendMessageW(host.StatusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
  if (show) {
    ShowWindow(host.MainWindow, SW_SHOW);
    UpdateWindow(host.MainWindow);
  }
  return true;
}
