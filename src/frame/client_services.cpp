#include "frame/client_services.h"

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/exceptions.h"
#include "hostapi/process_launcher.h"
#include "frame/slots.h"

ComPtr<IClient> GetClient() { return ComPtr<IClient>(ClientSlot); }

ComPtr<IServerView> GetCurrentView() {
  ComPtr<IServerView> view;
  if (ComPtr<IClient> client = GetClient()) check_host(client->GetCurrentView(view.put()));
  return view;
}

void RunHostProcess(const std::string& processName, char* parameters, int32_t bufferSize,
                    IServerView* view) {
  ComPtr<IClient> client = GetClient();
  if (!client) return;
  ComPtr<IProcessLauncher> launcher = client.try_query<IProcessLauncher>(IID_IProcessLauncher);
  if (!launcher) throw Exception("Interface not supported");
  check_host(launcher->RunProcess(processName.c_str(), parameters, bufferSize, view));
}

HWND HostMainWindow() {
  HWND window = nullptr;
  if (ComPtr<IClient> client = GetClient()) check_host(client->HostMainWindow(&window));
  return window;
}

HWND HostApplicationWindow() {
  HWND window = nullptr;
  if (ComPtr<IClient> client = GetClient()) check_host(client->GetApplicationHandle(&window));
  return window;
}

ComPtr<IClientUiManager> GetUiManager() {
  ComPtr<IClient> client = GetClient();
  if (!client) throw Exception("No host client");
  ComPtr<IClientUiManager> manager;
  check_host(client->GetUiManager(manager.put()));
  if (!manager) throw Exception("The host gave no user-interface manager");
  return manager;
}

void SetStatusText(int32_t panel, const std::wstring& text) {
  if (!ClientSlot) return;
  ComPtr<IClientUiManager> manager = GetUiManager();
  UniqueBstr value(text);
  check_host(manager->SetStatusText(panel, value.get()));
}

ComPtr<IServerModule> GetServerModule(const std::wstring& serverName) {
  ComPtr<IServerModule> module;
  if (ComPtr<IClient> client = GetClient()) {
    UniqueBstr name(serverName);
    check_host(client->GetServerModule(name.get(), module.put()));
  }
  return module;
}

ComPtr<ISettingsService> GetSettingsService() {
  ComPtr<ISettingsService> service;
  if (ComPtr<IClient> client = GetClient()) check_host(client->GetSettingsService(service.put()));
  return service;
}

bool HostIsShuttingDown() {
  BYTE answer = 0;
  if (ComPtr<IClient> client = GetClient()) check_host(client->IsShuttingDown(&answer));
  return answer != 0;
}

std::wstring FileForHelpAlias(const std::wstring& alias) {
  ComPtr<IClient> client = GetClient();
  if (!client) return {};
  UniqueBstr name(alias), file;
  check_host(client->FileForHelpAlias(name.get(), file.put()));
  return file.wide();
}

THostDialogFont QueryDialogFont(uint32_t kind) {
  THostDialogFont font;
  ComPtr<IClient> client = GetClient();
  if (!client) return font;
  BYTE exists = 0, style = 0, charset = 0;
  UniqueBstr name;
  int32_t size = 0;
  DWORD colour = 0;
  check_host(client->QueryDialogFont(kind, &exists, name.put(), &size, &style, &colour, &charset));
  font.Exists = exists != 0;
  font.Name = name.wide();
  font.Size = size;
  font.Style = style;
  font.Colour = colour;
  font.Charset = charset;
  return font;
}
