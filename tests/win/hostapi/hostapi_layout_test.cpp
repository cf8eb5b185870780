// The places of the contract's operations: a host built against other headers finds each operation
// only at its place, so a slot that moves breaks every host at once.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "hostapi/i_client.h"
#include "hostapi/client_api.h"
#include "hostapi/i_client_ui_manager.h"
#include "hostapi/i_command_launcher.h"
#include "hostapi/i_external_form.h"
#include "hostapi/i_help_navigator.h"
#include "hostapi/i_process_launcher.h"
#include "hostapi/i_server_document.h"
#include "hostapi/i_server_module.h"
#include "hostapi/i_settings_service.h"
#include "hostapi/i_translation_manager.h"

namespace {
// The place after IUnknown's three of a virtual member (Itanium ABI: pointer = 1 + byte offset).
template <class P>
int Place(P member) {
  uintptr_t raw = 0;
  std::memcpy(&raw, &member, sizeof raw);
  return static_cast<int>((raw - 1) / sizeof(void*)) - 2;
}
}  // namespace

TEST(ContractPlaces, ClientOperationsSitWhereTheHostExpectsThem) {
  EXPECT_EQ(Place(&IClient::GetApplicationHandle), 7);
  EXPECT_EQ(Place(&IClient::GetServerModuleCount), 9);
  EXPECT_EQ(Place(&IClient::GetCurrentView), 11);
  EXPECT_EQ(Place(&IClient::LookupServerModule), 12);
  EXPECT_EQ(Place(&IClient::HostMainWindow), 13);
  EXPECT_EQ(Place(&IClient::GetUiManager), 15);
  EXPECT_EQ(Place(&IClient::GetServerModuleAt), 16);
  EXPECT_EQ(Place(&IClient::GetServerModule), 17);
  EXPECT_EQ(Place(&IClient::IsShuttingDown), 25);
  EXPECT_EQ(Place(&IClient::ShowDocument), 36);
  EXPECT_EQ(Place(&IClient::FileForHelpAlias), 45);
  EXPECT_EQ(Place(&IClient::QueryDialogFont), 46);
  EXPECT_EQ(Place(&IClient::GetAddressService), 47);
  EXPECT_EQ(Place(&IClient::GetSettingsService), 54);
  EXPECT_EQ(Place(&IClient::Unnamed73), 73);
}

TEST(ContractPlaces, ServerModuleHasNineteenOperationsInOrder) {
  EXPECT_EQ(Place(&IServerModule::Idle), 1);
  EXPECT_EQ(Place(&IServerModule::ReceiveNotification), 2);
  EXPECT_EQ(Place(&IServerModule::GetClient), 5);
  EXPECT_EQ(Place(&IServerModule::GetCommandLauncher), 6);
  EXPECT_EQ(Place(&IServerModule::GetDocumentCount), 7);
  EXPECT_EQ(Place(&IServerModule::GetModuleHandle), 9);
  EXPECT_EQ(Place(&IServerModule::GetModuleName), 10);
  EXPECT_EQ(Place(&IServerModule::GetProcessControl), 11);
  EXPECT_EQ(Place(&IServerModule::GetRegistered), 13);
  EXPECT_EQ(Place(&IServerModule::CreateOptionsView), 14);
  EXPECT_EQ(Place(&IServerModule::RemoveRegistered), 17);
  EXPECT_EQ(Place(&IServerModule::AddRegistered), 18);
  using TCreate4 = HRESULT (__stdcall IServerModule::*)(DWORD, DWORD, BYTE, IServerDocument**);
  using TCreate3 = HRESULT (__stdcall IServerModule::*)(DWORD, DWORD, IServerDocument**);
  EXPECT_EQ(Place(static_cast<TCreate3>(&IServerModule::CreateDocument)), 3);
  EXPECT_EQ(Place(static_cast<TCreate4>(&IServerModule::CreateDocument)), 19);
  EXPECT_EQ(Place(&IOptionsPageProvider::CreateOptionsPage), 1);
  EXPECT_EQ(Place(&IOptionsPageProvider::EndOptionsPages), 3);
}

TEST(ContractPlaces, LauncherProcessAndUserInterfaceOperations) {
  EXPECT_EQ(Place(&ICommandLauncher::LaunchCommand), 1);
  EXPECT_EQ(Place(&ICommandLauncher::GetCommandState), 2);
  EXPECT_EQ(Place(&IProcessControl::SetProcessDepth), 4);
  EXPECT_EQ(Place(&IProcessLauncher::RunProcess), 2);
  EXPECT_EQ(Place(&IClientUiManager::SetStatusText), 10);
  EXPECT_EQ(Place(&IServerDocument::GetViewCount), 10);
  EXPECT_EQ(Place(&IServerDocument::GetView), 20);
  EXPECT_EQ(Place(&IServerDocument::BeforeDestroy), 28);
  EXPECT_EQ(Place(&IServerDocument::Unnamed40), 40);
  EXPECT_EQ(Place(&IServerView::GetViewName), 13);
  EXPECT_EQ(Place(&IServerView::GetOwnerDocument), 19);
  EXPECT_EQ(Place(&IServerView::UpdateAfterCommand), 21);
  EXPECT_EQ(Place(&IViewActivation::ActivateView), 13);
  EXPECT_EQ(Place(&IAddressService::SplitAddress), 5);
  EXPECT_EQ(Place(&IAddressService::ExpandAddress), 8);
  EXPECT_EQ(Place(&IHelpAddress::ShowsAddress), 3);
  EXPECT_EQ(Place(&IDocumentOptionsView::FocusFirstControl), 11);
  EXPECT_EQ(Place(&IDocumentOptionsView::QueryViewValue), 20);
  EXPECT_EQ(Place(&IOptionsPage::CancelOptions), 7);
}

TEST(ContractPlaces, ClientApiTableHoldsEachNameOnce) {
  int preferences = 0;
  for (int i = 0; i < kClientApiCount; ++i) {
    std::string_view name = kClientApiNames[i];
    EXPECT_EQ(name.substr(0, 10), "ClientAPI_") << name;
    EXPECT_EQ(ClientApiIndex(name), i) << name << " appears twice";
    if (name.substr(0, 17) == "ClientAPI_GetPref" || name.substr(0, 17) == "ClientAPI_SetPref")
      ++preferences;
  }
  EXPECT_EQ(preferences, 62);
}
