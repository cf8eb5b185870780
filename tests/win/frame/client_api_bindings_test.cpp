#include "frame/client_api_bindings.h"

#include <gtest/gtest.h>

#include "frame/slots.h"
#include "tests/win/support/test_client.h"
#include "tests/win/frame/test_exports.h"

namespace {

class ClientApiBindings : public testing::Test {
 protected:
  void SetUp() override {
    UnbindClientApi();
    TestExportTable() = TTestExports{};
    ClientSlot = nullptr;
  }
  void TearDown() override {
    UnbindClientApi();
    ClientSlot = nullptr;
  }
};

TEST_F(ClientApiBindings, UnboundWrappersGiveTheirDefaults) {
  EXPECT_FALSE(ClientApiBound());
  EXPECT_EQ(ClientAPI_GetClientInterface(), nullptr);
  EXPECT_FALSE(ClientAPI_GetPrefUseLuna());
  EXPECT_FALSE(ClientAPI_GetPrefHideFloatingPanels());
  EXPECT_TRUE(ClientAPI_GetUseExternalWebBrowser());
  EXPECT_FALSE(ClientAPI_GetIntegratedHelpSystem());
  EXPECT_FALSE(ClientAPI_GetUseSystemLocaleLanguage());
  EXPECT_FALSE(ClientAPI_GetUseLocalizedDialogs());
  EXPECT_EQ(ClientAPI_GetTranslationManager(), nullptr);
  LOGFONTW font{};
  EXPECT_EQ(ClientAPI_UpdateFont(&font), 0);
  EXPECT_NO_THROW(ClientAPI_SetPrefHideFloatingPanels(true));
  EXPECT_NO_THROW(ClientAPI_SetErrorInfo(L"m", L"r", 0));
  EXPECT_NO_THROW(ClientAPI_ClearErrorInfo());
  EXPECT_NO_THROW(ClientAPI_HandleException(0));
  EXPECT_NO_THROW(ClientAPI_BeginCursor(1));
  EXPECT_NO_THROW(ClientAPI_EndCursor());
}

TEST_F(ClientApiBindings, BindingFindsTheExecutablesExportsAndFillsTheClientSlot) {
  TTestClient client;
  TestExportTable().client = &client;
  TestExportTable().use_external_web_browser = 0;
  BindClientApi();
  EXPECT_TRUE(ClientApiBound());
  EXPECT_EQ(ClientSlot, &client);
  // The slot keeps no reference of its own.
  EXPECT_EQ(client.references, 1u);
  EXPECT_FALSE(ClientAPI_GetUseExternalWebBrowser());
  EXPECT_TRUE(ClientAPI_GetPrefUseLuna());
  ClientAPI_SetPrefHideFloatingPanels(true);
  EXPECT_EQ(TestExportTable().hide_floating_panels, 1);
  // Names the program does not export keep their defaults.
  EXPECT_FALSE(ClientAPI_GetIntegratedHelpSystem());
  EXPECT_NE(ClientApiAddress(ClientApiIndex("ClientAPI_GetPrefUseLuna")), nullptr);
  EXPECT_EQ(ClientApiAddress(ClientApiIndex("ClientAPI_GetIntegratedHelpSystem")), nullptr);
  EXPECT_EQ(ClientApiAddress(-1), nullptr);
  EXPECT_EQ(ClientApiAddress(kClientApiCount), nullptr);
}

TEST_F(ClientApiBindings, AHostWithoutClientLeavesTheSlotEmpty) {
  BindClientApi();
  EXPECT_EQ(TestExportTable().client_interface_calls, 1);
  EXPECT_EQ(ClientSlot, nullptr);
}

}  // namespace
