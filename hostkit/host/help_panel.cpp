#include "help_panel.h"

#include <richedit.h>
#include <urlmon.h>

#include <vector>

#include "base/com_ptr.h"
#include "base/text_convert.h"
#include "help_page_text.h"
#include "host_state.h"
#include "trace.h"

namespace {

constexpr int kPanelWidth = 330;
constexpr int kTitleHeight = 22;
HWND g_panel = nullptr;
HWND g_title = nullptr;
HWND g_page = nullptr;
std::string g_address;

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_SIZE) {
    MoveWindow(g_title, 0, 0, LOWORD(l), kTitleHeight, TRUE);
    MoveWindow(g_page, 0, kTitleHeight, LOWORD(l), HIWORD(l) - kTitleHeight, TRUE);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

// The system's HTML Help reads pages of compiled help files through its "its:" protocol (itss.dll);
// the panel asks that protocol directly, with a sink and bind information that ask for nothing.
class TProtocolClient final : public IInternetProtocolSink, public IInternetBindInfo {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IInternetProtocolSink) *object = static_cast<IInternetProtocolSink*>(this);
    if (iid == IID_IInternetBindInfo) *object = static_cast<IInternetBindInfo*>(this);
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  HRESULT __stdcall Switch(PROTOCOLDATA*) override { return S_OK; }
  HRESULT __stdcall ReportProgress(ULONG, LPCWSTR) override { return S_OK; }
  HRESULT __stdcall ReportData(DWORD, ULONG, ULONG) override { return S_OK; }
  HRESULT __stdcall ReportResult(HRESULT result, DWORD, LPCWSTR) override {
    result = result;
    return S_OK;
  }
  HRESULT __stdcall GetBindInfo(DWORD* flags, BINDINFO* info) override {
    *flags = 0;
    (void)info;
    return S_OK;
  }
  HRESULT __stdcall GetBindString(ULONG, LPOLESTR*, ULONG, ULONG*) override { return E_NOTIMPL; }
  HRESULT result = S_OK;
};

constexpr GUID kClsidItsProtocol = {0x9d148291, 0xb9c8, 0x11d0, {0xa4, 0xcc, 0x00, 0x00, 0xf8, 0x01, 0x49, 0xf6}};

bool ReadPage(const std::string& address, std::string& html) {
  static HMODULE itss = LoadLibraryW(L"itss.dll");
  using TGetClassObject = HRESULT(__stdcall*)(REFCLSID, REFIID, void**);
  auto get = reinterpret_cast<TGetClassObject>(
      itss ? reinterpret_cast<void*>(GetProcAddress(itss, "DllGetClassObject")) : nullptr);
  TComPtr<IClassFactory> factory;
  TComPtr<IInternetProtocol> protocol;
  if (!get || FAILED(get(kClsidItsProtocol, IID_IClassFactory, factory.PutVoid())) || !factory ||
      FAILED(factory->CreateInstance(nullptr, IID_IInternetProtocol, protocol.PutVoid())) || !protocol)
    return false;
  TProtocolClient client;
  std::wstring url = L"its:" + ToWide(address);
  if (FAILED(protocol->Start(url.c_str(), &client, &client, 0, 0)) || FAILED(client.result)) return false;
  char buffer[4096];
  ULONG got = 0;
  HRESULT hr;
  while ((hr = protocol->Read(buffer, sizeof buffer, &got)) == S_OK || (hr == S_FALSE && got > 0)) {
    html.append(buffer, got);
    if (hr == S_FALSE) break;
  }
  protocol->Terminate(0);
  return !html.empty();
}

void Relayout() {
  RECT client;
  GetClientRect(Host().MainWindow, &client);
  SendMessageW(Host().MainWindow, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

}  // namespace

void CreateHelpPanel(HWND main_window) {
  LoadLibraryW(L"riched20.dll");
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW cls{};
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.lpfnWndProc = PanelProc;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"TavrinHostHelpPanel";
  RegisterClassW(&cls);
  g_panel = CreateWindowExW(WS_EX_CLIENTEDGE, cls.lpszClassName, L"Knowledge Center", WS_CHILD | WS_CLIPCHILDREN,
                            0, 0, kPanelWidth, 100, main_window, nullptr, instance, nullptr);
  g_title = CreateWindowExW(0, L"STATIC", L" Knowledge Center", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE,
                            0, 0, kPanelWidth, kTitleHeight, g_panel, nullptr, instance, nullptr);
  g_page = CreateWindowExW(0, RICHEDIT_CLASSW, L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                           kTitleHeight, kPanelWidth, 100, g_panel, nullptr, instance, nullptr);
  SendMessageW(g_title, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
}

void ShowHelpAddress(const std::string& address) {
  g_address = address;
  std::string html;
  std::string rtf;
  if (ReadPage(address, html)) {
    rtf = HelpPageRtf(html);
  } else {
    rtf = HelpPageRtf("<p>No help page at " + address + "</p>");
  }
  SETTEXTEX how{ST_DEFAULT, CP_ACP};
  SendMessageW(g_page, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(rtf.c_str()));
  TraceLine("HelpPanel.Page(" + TraceText(address) + ") -> " + (html.empty() ? "missing" : "shown"));
}

void ShowHelpPanel() {
  if (!g_panel || IsWindowVisible(g_panel)) return;
  ShowWindow(g_panel, SW_SHOW);
  Relayout();
}

bool HelpPanelVisible() { return g_panel && IsWindowVisible(g_panel); }

int HelpPanelWidth() { return HelpPanelVisible() ? kPanelWidth : 0; }

void LayoutHelpPanel(int left, int height) {
  if (g_panel) MoveWindow(g_panel, left, 0, kPanelWidth, height, TRUE);
}

const std::string& HelpPanelAddress() { return g_address; }

std::string HelpPanelText() {
  if (!g_page) return {};
  int length = GetWindowTextLengthW(g_page);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(g_page, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return ToAnsi(text);
}
