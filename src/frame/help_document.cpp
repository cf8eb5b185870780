#include "frame/help_document.h"

#include <windows.h>
#include <shellapi.h>

#include "base/ascii.h"
#include "base/bstr.h"
#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/text_convert.h"
#include "frame/client_api_bindings.h"
#include "frame/client_services.h"
#include "frame/locations.h"
#include "frame/pdf_opening.h"
#include "frame/pdf_page_link.h"
#include "frame/plugin_application.h"
#include "frame/vfs_api.h"
#include "frame/view_address_text.h"
#include "frame/workspace_access.h"
#include "hostapi/help_interfaces.h"
#include "hostapi/server_module.h"

namespace {

ComPtr<IClient> require_client() {
  ComPtr<IClient> client = GetClient();
  if (!client) throw Exception("No host client");
  return client;
}

ComPtr<IAddressService> address_service() {
  ComPtr<IAddressService> service;
  check_host(require_client()->GetAddressService(service.put()));
  if (!service) throw Exception("The host has no address service");
  return service;
}

std::wstring protocol_of(IAddressService* service, const std::wstring& address) {
  UniqueBstr protocol, location, rest;
  check_host(service->SplitAddress(UniqueBstr(address).get(), protocol.put(), location.put(), rest.put()));
  return protocol.wide();
}

bool same_text(const std::wstring& a, const std::wstring& b) {
  return ascii_iequals(to_ansi(a), to_ansi(b));
}

ComPtr<IServerDocument> owner_document(IServerView* view) {
  ComPtr<IServerDocument> document;
  if (view) check_host(view->GetOwnerDocument(document.put()));
  return document;
}

bool view_shows(IServerView* view, const std::wstring& address) {
  ComPtr<IServerDocument> document = owner_document(view);
  if (auto help = document.try_query<IHelpAddress>(IID_IHelpAddress)) {
    BYTE shows = 0;
    check_host(help->ShowsAddress(UniqueBstr(address).get(), &shows));
    return shows != 0;
  }
  return same_text(ViewAddress(view), address);
}

}  // namespace

bool OpenInExternalBrowser(const std::wstring& address) {
  if (!ClientAPI_GetUseExternalWebBrowser()) return false;
  std::wstring protocol = protocol_of(address_service().get(), address);
  if (!same_text(protocol, L"http") && !same_text(protocol, L"ftp") && !same_text(protocol, L"https"))
    return false;
  ShellExecuteA(PluginApplicationWindow(), "open", to_ansi(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return true;
}

bool OpenHelpDocument(const std::wstring& address) {
  ComPtr<IAddressService> service = address_service();
  UniqueBstr expanded_text;
  check_host(service->ExpandAddress(UniqueBstr(address).get(), expanded_text.put()));
  const std::wstring expanded = expanded_text.wide();
  protocol_of(service.get(), expanded);

  if (OpenInExternalBrowser(expanded)) return true;

  TPdfPageLink link;
  if (ParsePdfPageLink(to_ansi(expanded), link)) {
    OpenPdfAtPage(to_ansi(ResolveHelpFile(to_wide(link.File))), link.Page);
    return true;
  }

  if (ComPtr<IServerDocument> document = owner_document(GetCurrentView().get())) {
    if (auto navigator = document.try_query<IHelpNavigator>(IID_IHelpNavigator)) {
      if (auto help = document.try_query<IHelpAddress>(IID_IHelpAddress)) {
        UniqueBstr current;
        check_host(help->GetAddress(current.put()));
        if (same_text(current.wide(), expanded)) return false;
      }
      int32_t done = 0;
      check_host(navigator->Navigate(UniqueBstr(expanded).get(), &done));
      return done != 0;
    }
  }

  if (ComPtr<IServerView> view = FindViewShowingAddress(expanded)) {
    check_host(require_client()->ShowDocument(owner_document(view.get()).get()));
    if (auto activation = view.try_query<IViewActivation>(IID_IViewActivation))
      check_host(activation->ActivateView());
    return false;
  }

  if (VFSAPI_VFS_FileExists(to_ansi(address))) {
    UniqueBstr target(expanded);
    BSTR target_text = target.get();
    ComPtr<IServerDocument> opened;
    int32_t done = 0;
    check_host(service->OpenAddress(0, &target_text, opened.put(), &done));
    return done != 0;
  }
  return OpenInHelpBrowser(expanded);
}

bool OpenInHelpBrowser(const std::wstring& address) {
  if (OpenInExternalBrowser(address)) return true;
  ComPtr<IWorkspace> workspace = GetWorkspace();
  if (!workspace) throw Exception("The host's workspace is not available");
  UniqueBstr server_name;
  check_host(workspace->GetServerForKind(UniqueBstr(std::wstring(L"PickATask")).get(), server_name.put()));
  ComPtr<IServerModule> server;
  if (!server_name.wide().empty())
    check_host(require_client()->LookupServerModule(server_name.get(), server.put()));
  auto navigator = server.try_query<IHelpNavigator>(IID_IHelpNavigator);
  if (!navigator) return false;
  int32_t done = 0;
  check_host(navigator->Navigate(UniqueBstr(address).get(), &done));
  return done != 0;
}

std::wstring ViewAddress(IServerView* view) {
  ComPtr<IServerDocument> document = owner_document(view);
  if (!document) return {};
  if (auto help = document.try_query<IHelpAddress>(IID_IHelpAddress)) {
    UniqueBstr address;
    check_host(help->GetAddress(address.put()));
    return address.wide();
  }
  UniqueBstr file_name, view_name, parameters;
  int32_t view_count = 0;
  check_host(document->GetFileName(file_name.put()));
  check_host(document->GetViewCount(&view_count));
  if (view_count > 1) check_host(view->GetViewName(view_name.put()));
  check_host(view->GetViewParameters(parameters.put()));
  return ComposeViewAddress(file_name.wide(), view_count, view_name.wide(), parameters.wide());
}

ComPtr<IServerView> FindViewShowingAddress(const std::wstring& address) {
  ComPtr<IClient> client = GetClient();
  if (!client) return {};
  int32_t module_count = 0;
  check_host(client->GetServerModuleCount(&module_count));
  for (int32_t m = 0; m < module_count; ++m) {
    ComPtr<IServerModule> module;
    check_host(client->GetServerModuleAt(m, module.put()));
    if (!module) continue;
    int32_t document_count = 0;
    check_host(module->GetDocumentCount(&document_count));
    for (int32_t d = 0; d < document_count; ++d) {
      ComPtr<IServerDocument> document;
      check_host(module->GetDocument(d, document.put()));
      if (!document) continue;
      int32_t view_count = 0;
      check_host(document->GetViewCount(&view_count));
      for (int32_t v = 0; v < view_count; ++v) {
        ComPtr<IServerView> view;
        check_host(document->GetView(v, view.put()));
        if (view && view_shows(view.get(), address)) return view;
      }
    }
  }
  return {};
}
