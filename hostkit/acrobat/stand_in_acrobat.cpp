// A stand-in for Acrobat in the help tests: a window program that, like the reader, answers DDE for
// service "acroview", topic "control". It appends its command line and every execute it receives to
// the file named by the environment variable TAVRIN_ACROBAT_LOG (one line each: "command <line>",
// "execute <text>") and ends on its own after two quiet seconds or at "[AppExit()]".

#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <string>

namespace {

DWORD g_instance = 0;
HSZ g_service = nullptr;
HSZ g_topic = nullptr;
constexpr UINT_PTR kQuietTimer = 1;
constexpr UINT kQuietMilliseconds = 2000;

void LogLine(const std::string& line) {
  char path[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("TAVRIN_ACROBAT_LOG", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  if (FILE* file = std::fopen(path, "ab")) {
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
}

HDDEDATA CALLBACK OnDde(UINT type, UINT, HCONV, HSZ topic, HSZ service, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
  switch (type) {
    case XTYP_CONNECT:
      return reinterpret_cast<HDDEDATA>(static_cast<UINT_PTR>(
          DdeCmpStringHandles(topic, g_topic) == 0 && DdeCmpStringHandles(service, g_service) == 0));
    case XTYP_EXECUTE: {
      DWORD size = DdeGetData(data, nullptr, 0, 0);
      std::string text(size, '\0');
      if (size) DdeGetData(data, reinterpret_cast<BYTE*>(text.data()), size, 0);
      while (!text.empty() && text.back() == '\0') text.pop_back();
      LogLine("execute " + text);
      SetTimer(nullptr, kQuietTimer, kQuietMilliseconds, nullptr);
      if (text == "[AppExit()]") PostQuitMessage(0);
      return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }
    default:
      return nullptr;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  LogLine(std::string("command ") + GetCommandLineA());
  if (DdeInitializeA(&g_instance, OnDde, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) != DMLERR_NO_ERROR)
    return 2;
  g_service = DdeCreateStringHandleA(g_instance, "acroview", CP_WINANSI);
  g_topic = DdeCreateStringHandleA(g_instance, "control", CP_WINANSI);
  DdeNameService(g_instance, g_service, nullptr, DNS_REGISTER);
  // Registered before the first message is taken, so a starter waiting for input idle can connect.
  UINT_PTR timer = SetTimer(nullptr, 0, kQuietMilliseconds, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
    DispatchMessageA(&msg);
  }
  KillTimer(nullptr, timer);
  DdeNameService(g_instance, g_service, nullptr, DNS_UNREGISTER);
  DdeFreeStringHandle(g_instance, g_service);
  DdeFreeStringHandle(g_instance, g_topic);
  DdeUninitialize(g_instance);
  return 0;
}
