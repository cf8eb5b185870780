#include "frame/client_services.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "frame/host_settings.h"
#include "frame/slots.h"
#include "tests/win/support/test_client.h"

namespace {

class ClientServicesTest : public testing::Test {
 protected:
  void SetUp() override {
    ui.log = &client.log;
    client.ui_manager = &ui;
    client.ServeSettings(settings, store);
    client.main_window = reinterpret_cast<HWND>(0x5678);
    client.font = {true, L"Tahoma", 9, 1, 0x00112233, 1};
    ClientSlot = &client;
  }
  void TearDown() override { ClientSlot = nullptr; }

  TTestClient client;
  TTestUiManager ui;
  TTestSettingsService settings;
  TTestSettingsStore store;
};

TEST_F(ClientServicesTest, WithoutClientEveryServiceIsQuietlyEmpty) {
  ClientSlot = nullptr;
  EXPECT_FALSE(GetClient());
  EXPECT_FALSE(GetCurrentView());
  EXPECT_EQ(HostMainWindow(), nullptr);
  EXPECT_EQ(HostApplicationWindow(), nullptr);
  EXPECT_NO_THROW(SetStatusText(1, L"x"));
  char buffer[8] = "A=1";
  EXPECT_NO_THROW(RunHostProcess("PCB:Zoom", buffer, 8, nullptr));
  EXPECT_FALSE(GetServerModule(L"PCB"));
  EXPECT_FALSE(QueryDialogFont(0).Exists);
  EXPECT_EQ(ReadHostSettingInteger(L"M", L"C:\\x.ini", L"S", L"K", 7), 7);
  EXPECT_TRUE(client.log.empty());
}

TEST_F(ClientServicesTest, GetClientAddsAReferenceForTheCaller) {
  {
    TComPtr<IClient> got = GetClient();
    EXPECT_EQ(got.get(), &client);
    EXPECT_EQ(client.references, 2u);
  }
  EXPECT_EQ(client.references, 1u);
}

TEST_F(ClientServicesTest, RunHostProcessPassesBufferAndLetsTheHostWriteIntoIt) {
  TTestView view;
  char buffer[16] = "Action=Redraw";
  client.process_answer = "Result=1";
  RunHostProcess("PCB:Zoom", buffer, 16, &view);
  EXPECT_EQ(client.log.back(), "RunProcess PCB:Zoom \"Action=Redraw\" 16 view");
  EXPECT_STREQ(buffer, "Result=1");
}

TEST_F(ClientServicesTest, RunHostProcessFailures) {
  char buffer[4] = "";
  client.offers_process_launcher = false;
  try {
    RunHostProcess("PCB:Zoom", buffer, 4, nullptr);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Interface not supported");
  }
  client.offers_process_launcher = true;
  client.failures["RunProcess"] = E_ACCESSDENIED;
  client.failure_texts["RunProcess"] = L"Zoom is not available.";
  try {
    RunHostProcess("PCB:Zoom", buffer, 4, nullptr);
    FAIL() << "no error";
  } catch (const EOleError& e) {
    EXPECT_EQ(e.Message(), "Zoom is not available");
    EXPECT_EQ(e.Status(), E_ACCESSDENIED);
  }
}

TEST_F(ClientServicesTest, StatusTextNeedsAUserInterfaceManager) {
  SetStatusText(-3, L"");
  EXPECT_EQ(client.log.back(), "SetStatusText -3 \"\"");
  client.ui_manager = nullptr;
  EXPECT_THROW(SetStatusText(1, L"hint"), Exception);
}

TEST_F(ClientServicesTest, WindowsAndDialogFontComeFromTheClient) {
  EXPECT_EQ(HostMainWindow(), reinterpret_cast<HWND>(0x5678));
  client.failures["HostMainWindow"] = E_FAIL;
  EXPECT_THROW(HostMainWindow(), EOleError);
  THostDialogFont font = QueryDialogFont(0);
  EXPECT_TRUE(font.Exists);
  EXPECT_EQ(font.Name, L"Tahoma");
  EXPECT_EQ(font.Size, 9);
  EXPECT_EQ(font.Style, 1);
  EXPECT_EQ(font.Colour, 0x00112233u);
  EXPECT_EQ(font.Charset, 1);
}

TEST_F(ClientServicesTest, SettingsAreReadThroughTheHostsService) {
  store.values[L"SystemOptions/FractionalDigits_mm"] = 4;
  EXPECT_EQ(ReadHostSettingInteger(L"Dralith", L"C:\\s\\DRALITH.INI", L"SystemOptions",
                                   L"FractionalDigits_mm", 5),
            4);
  std::vector<std::string> expected = {"GetSettingsService",
                                       "OpenModuleSettings Dralith C:\\s\\DRALITH.INI",
                                       "ReadInteger SystemOptions/FractionalDigits_mm 5"};
  EXPECT_EQ(client.log, expected);
  EXPECT_EQ(ReadHostSettingInteger(L"Dralith", L"C:\\s\\DRALITH.INI", L"SystemOptions", L"Other", 5),
            5);
  EXPECT_EQ(store.references, 1u);
  EXPECT_EQ(settings.references, 1u);
  store.status = E_FAIL;
  EXPECT_THROW(ReadHostSettingInteger(L"D", L"p", L"S", L"K", 5), EOleError);
  client.settings = nullptr;
  EXPECT_EQ(ReadHostSettingInteger(L"D", L"p", L"S", L"K", 6), 6);
}

}  // namespace
