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
#include "frame/guarded_host_call.h"
#include "frame/locations.h"
#include "frame/pdf_opening.h"
#include "frame/pdf_page_link.h"
#include "frame/plugin_application.h"
#include "frame/vfs_api.h"
#include "frame/view_address_text.h"
#include "frame/workspace_access.h"
#include "hostapi/i_help_navigator.h"
#include "hostapi/i_server_module.h"

namespace {

TComPtr<IClient> RequireClient() {
  TComPtr<IClient> client = GetClient();
  if (!client) throw Exception("No host client");
  return client;
}

TComPtr<IAddressService> AddressService() {
  TComPtr<IAddressService> service;
  CheckHost(CallHost([&] { return RequireClient()->GetAddressService(service.Put()); }));
  if (!service) throw Exception("The host has no address service");
  return service;
}

std::wstring ProtocolOf(IAddressService* service, const std::wstring& address) {
  TUniqueBstr protocol, location, rest;
  CheckHost(CallHost([&] {
    return service->SplitAddress(TUniqueBstr(address).get(), protocol.Put(), location.Put(), rest.Put());
  }));
  return protocol.Wide();
}

bool SameText(const std::wstring& a, const std::wstring& b) {
  return AsciiIequals(ToAnsi(a), ToAnsi(b));
}

TComPtr<IServerDocument> OwnerDocument(IServerView* view) {
  TComPtr<IServerDocument> document;
  if (view) CheckHost(CallHost([&] { return view->GetOwnerDocument(document.Put()); }));
  return document;
}

bool ViewShows(IServerView* view, const std::wstring& address) {
  TComPtr<IServerDocument> document = OwnerDocument(view);
  if (auto help = document.TryQuery<IHelpAddress>(IID_IHelpAddress)) {
    BYTE shows = 0;
    CheckHost(CallHost([&] { return help->ShowsAddress(TUniqueBstr(address).get(), &shows); }));
    return shows != 0;
  }
  return SameText(ViewAddress(view), address);
}

}  // namespace

bool OpenInExternalBrowser(const std::wstring& address) {
  if (!ClientAPI_GetUseExternalWebBrowser()) return false;
  std::wstring protocol = ProtocolOf(AddressService().get(), address);
  if (!SameText(protocol, L"http") && !SameText(protocol, L"ftp") && !SameText(protocol, L"https"))
    return false;
  ShellExecuteA(PluginApplicationWindow(), "open", ToAnsi(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return true;
}

bool OpenHelpDocument(const std::wstring& address) {
  TComPtr<IAddressService> service = AddressService();
  TUniqueBstr expanded_text;
  CheckHost(CallHost([&] {
    return service->ExpandAddress(TUniqueBstr(address).get(), expanded_text.Put());
  }));
  const std::wstring expanded = expanded_text.Wide();
  ProtocolOf(service.get(), expanded);

  if (OpenInExternalBrowser(expanded)) return true;

  TPdfPageLink link;
  if (ParsePdfPageLink(ToAnsi(expanded), link)) {
    OpenPdfAtPage(ToAnsi(ResolveHelpFile(ToWide(link.File))), link.Page);
    return true;
  }

  if (TComPtr<IServerDocument> document = OwnerDocument(GetCurrentView().get())) {
    if (auto navigator = document.TryQuery<IHelpNavigator>(IID_IHelpNavigator)) {
      if (auto help = document.TryQuery<IHelpAddress>(IID_IHelpAddress)) {
        TUniqueBstr current;
        CheckHost(CallHost([&] { return help->GetAddress(current.Put()); }));
        if (SameText(current.Wide(), expanded)) return false;
      }
      int32_t done = 0;
      CheckHost(CallHost([&] { return navigator->Navigate(TUniqueBstr(expanded).get(), &done); }));
      return done != 0;
    }
  }

  if (TComPtr<IServerView> view = FindViewShowingAddress(expanded)) {
    CheckHost(CallHost([&] { return RequireClient()->ShowDocument(OwnerDocument(view.get()).get()); }));
    if (auto activation = view.TryQuery<IViewActivation>(IID_IViewActivation))
      CheckHost(CallHost([&] { return activation->ActivateView(); }));
    return false;
  }

  if (VFSAPI_VFS_FileExists(ToAnsi(address))) {
    TUniqueBstr target(expanded);
    BSTR target_text = target.get();
    TComPtr<IServerDocument> opened;
    int32_t done = 0;
    CheckHost(CallHost([&] { return service->OpenAddress(0, &target_text, opened.Put(), &done); }));
    return done != 0;
  }
  return OpenInHelpBrowser(expanded);
}

bool OpenInHelpBrowser(const std::wstring& address) {
  if (OpenInExternalBrowser(address)) return true;
  TComPtr<IWorkspace> workspace = GetWorkspace();
  if (!workspace) throw Exception("The host's workspace is not available");
  TUniqueBstr server_name;
  CheckHost(CallHost([&] {
    return workspace->GetServerForKind(TUniqueBstr(std::wstring(L"PickATask")).get(), server_name.Put());
  }));
  TComPtr<IServerModule> server;
  if (!server_name.Wide().empty())
    CheckHost(CallHost([&] {
      return RequireClient()->LookupServerModule(server_name.get(), server.Put());
    }));
  auto navigator = server.TryQuery<IHelpNavigator>(IID_IHelpNavigator);
  if (!navigator) return false;
  int32_t done = 0;
  CheckHost(CallHost([&] { return navigator->Navigate(TUniqueBstr(address).get(), &done); }));
  return done != 0;
}

std::wstring ViewAddress(IServerView* view) {
  TComPtr<IServerDocument> document = OwnerDocument(view);
  if (!document) return {};
  if (auto help = document.TryQuery<IHelpAddress>(IID_IHelpAddress)) {
    TUniqueBstr address;
    CheckHost(CallHost([&] { return help->GetAddress(address.Put()); }));
    return address.Wide();
  }
  TUniqueBstr file_name, view_name, parameters;
  int32_t view_count = 0;
  CheckHost(CallHost([&] { return document->GetFileName(file_name.Put()); }));
  CheckHost(CallHost([&] { return document->GetViewCount(&view_count); }));
  if (view_count > 1) CheckHost(CallHost([&] { return view->GetViewName(view_name.Put()); }));
  CheckHost(CallHost([&] { return view->GetViewParameters(parameters.Put()); }));
  return ComposeViewAddress(file_name.Wide(), view_count, view_name.Wide(), parameters.Wide());
}

TComPtr<IServerView> FindViewShowingAddress(const std::wstring& address) {
  TComPtr<IClient> client = GetClient();
  if (!client) return {};
  int32_t module_count = 0;
  CheckHost(CallHost([&] { return client->GetServerModuleCount(&module_count); }));
  for (int32_t m = 0; m < module_count; ++m) {
    TComPtr<IServerModule> module;
    CheckHost(CallHost([&] { return client->GetServerModuleAt(m, module.Put()); }));
    if (!module) continue;
    int32_t document_count = 0;
    CheckHost(CallHost([&] { return module->GetDocumentCount(&document_count); }));
    for (int32_t d = 0; d < document_count; ++d) {
      TComPtr<IServerDocument> document;
      CheckHost(CallHost([&] { return module->GetDocument(d, document.Put()); }));
      if (!document) continue;
      int32_t view_count = 0;
      CheckHost(CallHost([&] { return document->GetViewCount(&view_count); }));
      for (int32_t v = 0; v < view_count; ++v) {
        TComPtr<IServerView> view;
        CheckHost(CallHost([&] { return document->GetView(v, view.Put()); }));
        if (view && ViewShows(view.get(), address)) return view;
      }
    }
  }
  return {};
}
