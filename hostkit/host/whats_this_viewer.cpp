#include "whats_this_viewer.h"

#include <windows.h>

#include <cstring>
#include <fstream>

#include "base/text_convert.h"
#include "trace.h"

namespace {

// The block WinHelp hands over in WM_COPYDATA.
struct TWinHelpRequest {
  WORD size;
  WORD command;
  LONG data;
  LONG reserved;
  WORD ofs_filename;
  WORD ofs_data;
};

constexpr UINT_PTR kCloseTimer = 1;
HWND g_viewer = nullptr;
HWND g_popup = nullptr;
std::string g_popup_text;
POINT g_position{-1, -1};

std::string PopupText(const std::string& help_file, LONG context) {
  std::string text_file = help_file;
  size_t dot = text_file.rfind('.');
  size_t slash = text_file.find_last_of("\\/");
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) text_file.resize(dot);
  std::ifstream file(text_file + ".txt");
  const std::string key = std::to_string(context) + "=";
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, key.size(), key) == 0) return line.substr(key.size());
  }
  return {};
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      FillRect(dc, &area, GetSysColorBrush(COLOR_INFOBK));
      InflateRect(&area, -6, -4);
      SetBkMode(dc, TRANSPARENT);
      HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      std::wstring text = ToWide(g_popup_text);
      DrawTextW(dc, text.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
      SelectObject(dc, old);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
    case WM_LBUTTONDOWN:
      ShowWindow(window, SW_HIDE);
      KillTimer(window, kCloseTimer);
      g_popup_text.clear();
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

void ShowPopup(const std::string& text) {
  g_popup_text = text;
  POINT at = g_position;
  if (at.x < 0) GetCursorPos(&at);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT size{0, 0, 260, 0};
  std::wstring wide = ToWide(text);
  DrawTextW(dc, wide.c_str(), -1, &size, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  SetWindowPos(g_popup, HWND_TOPMOST, at.x, at.y + 16, size.right + 14, size.bottom + 10, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(g_popup, nullptr, TRUE);
  SetTimer(g_popup, kCloseTimer, 6000, nullptr);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message != WM_COPYDATA) return DefWindowProcW(window, message, w, l);
  auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(l);
  if (!copy || copy->cbData < sizeof(TWinHelpRequest)) return FALSE;
  auto* request = static_cast<const TWinHelpRequest*>(copy->lpData);
  std::string file;
  if (request->ofs_filename && request->ofs_filename < copy->cbData) {
    const char* start = static_cast<const char*>(copy->lpData) + request->ofs_filename;
    file.assign(start, strnlen(start, copy->cbData - request->ofs_filename));
  }
  std::string answer;
  switch (request->command) {
    case HELP_SETPOPUP_POS:
      g_position = {static_cast<SHORT>(LOWORD(request->data)), static_cast<SHORT>(HIWORD(request->data))};
      break;
    case HELP_CONTEXTPOPUP:
      answer = PopupText(file, request->data);
      ShowPopup(answer.empty() ? "No help is available for this item." : answer);
      g_position = {-1, -1};
      break;
    default:
      break;
  }
  TraceLine("WinHelp(" + std::to_string(request->command) + ", " + std::to_string(request->data) + ", " +
            TraceText(file) + ") -> " + TraceText(answer));
  return TRUE;
}

}  // namespace

void CreateWhatsThisViewer() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW cls{};
  cls.hInstance = instance;
  cls.lpfnWndProc = ViewerProc;
  cls.lpszClassName = L"MS_WINHELP";
  RegisterClassW(&cls);
  cls.lpfnWndProc = PopupProc;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.lpszClassName = L"TavrinHostWhatsThisPopup";
  RegisterClassW(&cls);
  g_viewer = CreateWindowExW(0, L"MS_WINHELP", L"What's this", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                             nullptr);
  g_popup = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"TavrinHostWhatsThisPopup", L"", WS_POPUP | WS_BORDER,
                            0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
}

std::string WhatsThisPopupText() { return g_popup_text; }
