// The places of the contract's operations: a host built against other headers finds each operation
// only at its place, so a slot that moves breaks every host at once.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "hostapi/client.h"
#include "hostapi/client_api.h"
#include "hostapi/client_ui_manager.h"
#include "hostapi/command_launcher.h"
#include "hostapi/external_form.h"
#include "hostapi/help_interfaces.h"
#include "hostapi/process_launcher.h"
#include "hostapi/server_document.h"
#include "hostapi/server_module.h"
#include "hostapi/settings_service.h"
#include "hostapi/translation_manager.h"

namespace {
// The place after IUnknown's three of a virtual member (Itanium ABI: pointer = 1 + byte offset).
template <class P>
int place(P member) {
  uintptr_t raw = 0;
  std::memcpy(&raw, &member, sizeof raw);
  return static_cast<int>((raw - 1) / sizeof(void*)) - 2;
}
}  // namespace

TEST(ContractPlaces, ClientOperationsSitWhereTheHostExpectsThem) {
  EXPECT_EQ(place(&IClient::GetApplicationHandle), 7);
  EXPECT_EQ(place(&IClient::GetServerModuleCount), 9);
  EXPECT_EQ(place(&IClient::GetCurrentView), 11);
  EXPECT_EQ(place(&IClient::LookupServerModule), 12);
  EXPECT_EQ(place(&IClient::HostMainWindow), 13);
  EXPECT_EQ(place(&IClient::GetUiManager), 15);
  EXPECT_EQ(place(&IClient::GetServerModuleAt), 16);
  EXPECT_EQ(place(&IClient::GetServerModule), 17);
  EXPECT_EQ(place(&IClient::IsShuttingDown), 25);
  EXPECT_EQ(place(&IClient::ShowDocument), 36);
  EXPECT_EQ(place(&IClient::FileForHelpAlias), 45);
  EXPECT_EQ(place(&IClient::QueryDialogFont), 46);
  EXPECT_EQ(place(&IClient::GetAddressService), 47);
  EXPECT_EQ(place(&IClient::GetSettingsService), 54);
  EXPECT_EQ(place(&IClient::Unnamed73), 73);
}

TEST(ContractPlaces, ServerModuleHasNineteenOperationsInOrder) {
  EXPECT_EQ(place(&IServerModule::Idle), 1);
  EXPECT_EQ(place(&IServerModule::ReceiveNotification), 2);
  EXPECT_EQ(place(&IServerModule::GetClient), 5);
  EXPECT_EQ(place(&IServerModule::GetCommandLauncher), 6);
  EXPECT_EQ(place(&IServerModule::GetDocumentCount), 7);
  EXPECT_EQ(place(&IServerModule::GetModuleHandle), 9);
  EXPECT_EQ(place(&IServerModule::GetModuleName), 10);
  EXPECT_EQ(place(&IServerModule::GetProcessControl), 11);
  EXPECT_EQ(place(&IServerModule::GetRegistered), 13);
  EXPECT_EQ(place(&IServerModule::CreateOptionsView), 14);
  EXPECT_EQ(place(&IServerModule::RemoveRegistered), 17);
  EXPECT_EQ(place(&IServerModule::AddRegistered), 18);
  using Create4 = HRESULT (__stdcall IServerModule::*)(DWORD, DWORD, BYTE, IServerDocument**);
  using Create3 = HRESULT (__stdcall IServerModule::*)(DWORD, DWORD, IServerDocument**);
  EXPECT_EQ(place(static_cast<Create3>(&IServerModule::CreateDocument)), 3);
  EXPECT_EQ(place(static_cast<Create4>(&IServerModule::CreateDocument)), 19);
  EXPECT_EQ(place(&IOptionsPageProvider::CreateOptionsPage), 1);
  EXPECT_EQ(place(&IOptionsPageProvider::EndOptionsPages), 3);
}

TEST(ContractPlaces, LauncherProcessAndUserInterfaceOperations) {
  EXPECT_EQ(place(&ICommandLauncher::LaunchCommand), 1);
  EXPECT_EQ(place(&ICommandLauncher::GetCommandState), 2);
  EXPECT_EQ(place(&IProcessControl::SetProcessDepth), 4);
  EXPECT_EQ(place(&IProcessLauncher::RunProcess), 2);
  EXPECT_EQ(place(&IClientUiManager::SetStatusText), 10);
  EXPECT_EQ(place(&IServerDocument::GetViewCount), 10);
  EXPECT_EQ(place(&IServerDocument::GetView), 20);
  EXPECT_EQ(place(&IServerDocument::BeforeDestroy), 28);
  EXPECT_EQ(place(&IServerDocument::Unnamed40), 40);
  EXPECT_EQ(place(&IServerView::GetViewName), 13);
  EXPECT_EQ(place(&IServerView::GetOwnerDocument), 19);
  EXPECT_EQ(place(&IServerView::UpdateAfterCommand), 21);
  EXPECT_EQ(place(&IViewActivation::ActivateView), 13);
  EXPECT_EQ(place(&IAddressService::SplitAddress), 5);
  EXPECT_EQ(place(&IAddressService::ExpandAddress), 8);
  EXPECT_EQ(place(&IHelpAddress::ShowsAddress), 3);
  EXPECT_EQ(place(&IDocumentOptionsView::FocusFirstControl), 11);
  EXPECT_EQ(place(&IDocumentOptionsView::QueryViewValue), 20);
  EXPECT_EQ(place(&IOptionsPage::CancelOptions), 7);
}

TEST(ContractPlaces, ClientApiTableHoldsEachNameOnce) {
  int preferences = 0;
  for (int i = 0; i < kClientApiCount; ++i) {
    std::string_view name = kClientApiNames[i];
    EXPECT_EQ(name.substr(0, 10), "ClientAPI_") << name;
    EXPECT_EQ(client_api_index(name), i) << name << " appears twice";
    if (name.substr(0, 17) == "ClientAPI_GetPref" || name.substr(0, 17) == "ClientAPI_SetPref")
      ++preferences;
  }
  EXPECT_EQ(preferences, 62);
}
