#include "frame/client_services.h"

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/exceptions.h"
#include "hostapi/i_process_launcher.h"
#include "frame/slots.h"

TComPtr<IClient> GetClient() { return TComPtr<IClient>(ClientSlot); }

TComPtr<IServerView> GetCurrentView() {
  TComPtr<IServerView> view;
  if (TComPtr<IClient> client = GetClient()) CheckHost(client->GetCurrentView(view.Put()));
  return view;
}

void RunHostProcess(const std::string& process_name, char* parameters, int32_t buffer_size,
                    IServerView* view) {
  TComPtr<IClient> client = GetClient();
  if (!client) return;
  TComPtr<IProcessLauncher> launcher = client.TryQuery<IProcessLauncher>(IID_IProcessLauncher);
  if (!launcher) throw Exception("Interface not supported");
  CheckHost(launcher->RunProcess(process_name.c_str(), parameters, buffer_size, view));
}

HWND HostMainWindow() {
  HWND window = nullptr;
  if (TComPtr<IClient> client = GetClient()) CheckHost(client->HostMainWindow(&window));
  return window;
}

HWND HostApplicationWindow() {
  HWND window = nullptr;
  if (TComPtr<IClient> client = GetClient()) CheckHost(client->GetApplicationHandle(&window));
  return window;
}

TComPtr<IClientUiManager> GetUiManager() {
  TComPtr<IClient> client = GetClient();
  if (!client) throw Exception("No host client");
  TComPtr<IClientUiManager> manager;
  CheckHost(client->GetUiManager(manager.Put()));
  if (!manager) throw Exception("The host gave no user-interface manager");
  return manager;
}

void SetStatusText(int32_t panel, const std::wstring& text) {
  if (!ClientSlot) return;
  TComPtr<IClientUiManager> manager = GetUiManager();
  TUniqueBstr value(text);
  CheckHost(manager->SetStatusText(panel, value.get()));
}

TComPtr<IServerModule> GetServerModule(const std::wstring& server_name) {
  TComPtr<IServerModule> module;
  if (TComPtr<IClient> client = GetClient()) {
    TUniqueBstr name(server_name);
    CheckHost(client->GetServerModule(name.get(), module.Put()));
  }
  return module;
}

TComPtr<ISettingsService> GetSettingsService() {
  TComPtr<ISettingsService> service;
  if (TComPtr<IClient> client = GetClient()) CheckHost(client->GetSettingsService(service.Put()));
  return service;
}

bool HostIsShuttingDown() {
  BYTE answer = 0;
  if (TComPtr<IClient> client = GetClient()) CheckHost(client->IsShuttingDown(&answer));
  return answer != 0;
}

std::wstring FileForHelpAlias(const std::wstring& alias) {
  TComPtr<IClient> client = GetClient();
  if (!client) return {};
  TUniqueBstr name(alias), file;
  CheckHost(client->FileForHelpAlias(name.get(), file.Put()));
  return file.Wide();
}

THostDialogFont QueryDialogFont(uint32_t kind) {
  THostDialogFont font;
  TComPtr<IClient> client = GetClient();
  if (!client) return font;
  BYTE exists = 0, style = 0, charset = 0;
  TUniqueBstr name;
  int32_t size = 0;
  DWORD colour = 0;
  CheckHost(client->QueryDialogFont(kind, &exists, name.Put(), &size, &style, &colour, &charset));
  font.Exists = exists != 0;
  font.Name = name.Wide();
  font.Size = size;
  font.Style = style;
  font.Colour = colour;
  font.Charset = charset;
  return font;
}
