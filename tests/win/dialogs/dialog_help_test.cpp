#include "dialogs/dialog_help.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "frame/locations.h"
#include "toolkit/link_handlers.h"
#include "tests/win/dialogs/dialog_fixture.h"

// Help files of the test program's own: each case names the dialog help file after itself, so the
// cases CTest runs in parallel never share an ID file.
namespace {

std::string help_folder() { return to_ansi(InstallHelpFolder()); }

class DialogHelp : public DialogTest {
 protected:
  // WinHelp's requests go to a window found desktop-wide: the cases that look at them take turns.
  DialogHelp() : turn_(CreateMutexW(nullptr, FALSE, L"TavrinWhatsThisViewerTests")) {
    WaitForSingleObject(turn_.get(), 120000);
    // WinHelp sends to the first window of its class in z-order; other test programs and host runs
    // have one too, so this case's goes first.
    SetWindowPos(host.whatsThis.handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    name_ = std::string("case_") + testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(help_folder().c_str(), nullptr);
    SetHelpFileNameForTest(to_wide(name_ + ".chm"));
    remove_files();
  }
  ~DialogHelp() override {
    remove_files();
    SetHelpFileNameForTest(L"");
    ReleaseMutex(turn_.get());
  }

  std::string path(const std::string& suffix) const { return help_folder() + name_ + suffix; }
  void write(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
  void topic_ids(const std::string& text) { write(path(".id"), text); }
  void popup_ids(const std::string& text) { write(path("wth.id"), text); }
  void remove_files() {
    for (const char* suffix : {".id", "wth.id", ".chm", "_other.chm", "_other.id"}) DeleteFileA(path(suffix).c_str());
  }
  std::string chm() const { return path(".chm"); }

  const std::vector<std::string>& help_log() const { return host.client.helpLog; }
  const std::vector<std::string>& popups() const { return host.whatsThis.requests; }
  bool logged(const std::string& line) const {
    return std::find(help_log().begin(), help_log().end(), line) != help_log().end();
  }

  UniqueKernelHandle turn_;
  std::string name_;
};

TEST_F(DialogHelp, F1WithoutAnIdFileShowsTheMasterPopupAtTheMouseWithContextOne) {
  auto dialog = make<TPlainDialog>();
  EXPECT_TRUE(dialog->ChildKey(dialog->ActiveControl(), VK_F1, {}));
  const std::string master = to_ansi(MasterWhatsThisFile());
  EXPECT_NE(master.find("vorxmaster.hlp"), std::string::npos);
  // Wine's WinHelp keeps the popup position to itself; the context request reaches the viewer.
  ASSERT_FALSE(popups().empty());
  EXPECT_EQ(popups().back(), std::to_string(HELP_CONTEXTPOPUP) + " 1 " + master);
  EXPECT_TRUE(help_log().empty());
}

TEST_F(DialogHelp, F1AnywhereShowsTheDialogTopicThroughTheKnowledgeCentre) {
  topic_ids("dlg_plaindialog=1200\n");  // keys match ignoring case
  auto dialog = make<TPlainDialog>();
  ASSERT_TRUE(dialog->ChildKey(dialog->ActiveControl(), VK_F1, {}));
  EXPECT_EQ(help_log(),
            (std::vector<std::string>{"RunProcess Client:CustomizeResources 'ObjectKind=Panel|Action=Show|Id=KnowledgeCenter' 0",
                                      "RunProcess HelpAdvisor:ShowDynamicHelp 'ForceUpdate=True|Address=" + chm() +
                                          "::/Dlg_PlainDialog.htm' " +
                                          std::to_string(std::string("ForceUpdate=True|Address=" + chm() +
                                                                     "::/Dlg_PlainDialog.htm").size() + 1)}));
  EXPECT_TRUE(popups().empty());
}

TEST_F(DialogHelp, F1ShowsTheDialogTopicInTheIntegratedViewerWhenTheHostHasOne) {
  topic_ids("Dlg_PlainDialog=1200\n");
  test_exports().integratedHelpSystem = 1;
  test_exports().vfsFileExists = 1;
  auto dialog = make<TPlainDialog>();
  ASSERT_TRUE(dialog->ChildKey(dialog->ActiveControl(), VK_F1, {}));
  const std::string address = chm() + "::/Dlg_PlainDialog.htm";
  EXPECT_TRUE(logged("ExpandAddress " + address));
  EXPECT_TRUE(logged("OpenAddress 0 " + address));
  EXPECT_FALSE(logged("RunProcess Client:CustomizeResources 'ObjectKind=Panel|Action=Show|Id=KnowledgeCenter' 0"));
}

TEST_F(DialogHelp, ATabSheetWithAWhatsThisKeyTakesF1BeforeTheDialog) {
  topic_ids("Dlg_PagedDialog=1200\n");
  auto dialog = make<TPagedDialog>();
  ASSERT_TRUE(dialog->ChildKey(dialog->SizeEdit, VK_F1, {}));
  EXPECT_TRUE(logged("RunProcess HelpAdvisor:ShowDynamicHelp 'ForceUpdate=True|Address=" + chm() +
                     "::/Dlg_PagedDialog.htm' " +
                     std::to_string(std::string("ForceUpdate=True|Address=" + chm() + "::/Dlg_PagedDialog.htm").size() + 1)));
  host.client.helpLog.clear();

  popup_ids("Dlg_SizesSheet=31\n");
  auto paged = make<TPagedDialog>();
  ASSERT_TRUE(paged->ChildKey(paged->SizeEdit, VK_F1, {}));
  // The sheet's topic lives in the compiled file named like the what's-this file.
  const std::string address = path("wth.chm") + "::/Dlg_SizesSheet.htm";
  EXPECT_TRUE(logged("RunProcess HelpAdvisor:ShowDynamicHelp 'ForceUpdate=True|Address=" + address + "' " +
                     std::to_string(std::string("ForceUpdate=True|Address=" + address).size() + 1)));
}

TEST_F(DialogHelp, AnAliasLeadsIntoTheHelpFileTheHostNames) {
  topic_ids("Dlg_PlainDialog=7,PCB:Zoom\n");
  host.client.aliasName = "PCB:Zoom";
  host.client.aliasFile = L"D:\\Elsewhere\\" + to_wide(name_) + L"_other.hlp";
  auto dialog = make<TPlainDialog>();
  std::string topic;
  std::wstring file;
  // The named file's ".chm" is not there: no topic.
  EXPECT_EQ(dialog->GetHelpContext(dialog.get(), topic, file), 0);
  EXPECT_TRUE(logged("FileForHelpAlias PCB:Zoom"));

  write(path("_other.chm"), "");
  write(path("_other.id"), "PCB_Zoom=42\r\n");
  EXPECT_EQ(dialog->GetHelpContext(dialog.get(), topic, file), 42);
  EXPECT_EQ(topic, "PCB_Zoom");
  EXPECT_EQ(to_ansi(file), path("_other.chm"));

  // A file whose key is an alias of itself again ends the search with no topic.
  write(path("_other.id"), "PCB_Zoom=1,PCB:Zoom\r\n");
  auto again = make<TPlainDialog>();
  EXPECT_EQ(again->GetHelpContext(again.get(), topic, file), 0);
}

TEST_F(DialogHelp, ShowingADialogSendsItsTopicAddressOnlyWhenTheKeyExists) {
  {
    auto dialog = make<TPlainDialog>();
    dialog->Show();
    pump();
    dialog->Hide();
  }
  EXPECT_TRUE(help_log().empty());

  topic_ids("Dlg_PlainDialog=5\n");
  auto dialog = make<TPlainDialog>();
  dialog->Show();
  pump();
  const std::string text = "Address=" + chm() + "::/Dlg_PlainDialog.htm";
  EXPECT_EQ(help_log(), std::vector<std::string>{"RunProcess HelpAdvisor:ShowDynamicHelp '" + text + "' " +
                                                  std::to_string(text.size() + 1)});
  dialog->Hide();
}

TEST_F(DialogHelp, WhatsThisTriesTheFormNameThenTheClassNameThenTheParent) {
  auto dialog = make<TFixedDialog>();
  dialog->SetName("Renamed");
  dialog->Show();
  pump();
  auto ask = [&](TWinControl* control) {
    host.whatsThis.requests.clear();
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = control->Handle();
    info.MousePos = {30, 40};
    SendMessageW(control->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    return popups().empty() ? std::string("none") : popups().back();
  };
  const std::string wth = path("wth.hlp");
  const std::string popup = std::to_string(HELP_CONTEXTPOPUP) + " ";

  popup_ids("Dlg_FixedDialog_OkButton=33\nDlg_FixedDialog_Group=55\n");
  EXPECT_EQ(ask(dialog->OkButton), popup + "33 " + wth);
  // Nothing for the edit itself: its parent's name is looked up.
  EXPECT_EQ(ask(dialog->FirstEdit), popup + "55 " + wth);

  dialog = make<TFixedDialog>();  // fresh key lists
  dialog->SetName("Renamed");
  dialog->Show();
  pump();
  popup_ids("Dlg_FixedDialog_OkButton=33\nDlg_Renamed_OkButton=44\n");
  EXPECT_EQ(ask(dialog->OkButton), popup + "44 " + wth);
  EXPECT_EQ(ask(dialog->CancelButton), popup + "0 " + wth);
  EXPECT_TRUE(std::find(host.client.uiManager.log.begin(), host.client.uiManager.log.end(), "SetStatusText -1 ''") !=
              host.client.uiManager.log.end());
  dialog->Hide();
}

TEST_F(DialogHelp, TheFloatingPanelsPreferenceIsPutBackAlsoWhenWinHelpFails) {
  for (bool answers : {true, false}) {
    test_exports().hideFloatingPanels = 1;
    test_exports().hideFloatingPanelsSet.clear();
    host.whatsThis.answers = answers;
    ShowPopupHelpAt(host.mainWindow.get(), {5, 6}, L"C:\\x.hlp", 9);
    EXPECT_EQ(test_exports().hideFloatingPanelsSet, (std::vector<BYTE>{0, 1})) << answers;
    EXPECT_EQ(test_exports().hideFloatingPanels, 1);
  }
  EXPECT_EQ(popups().back(), std::to_string(HELP_CONTEXTPOPUP) + " 9 C:\\x.hlp");
}

TEST_F(DialogHelp, HintsOverAControlWithAKeyShowItsTopicDynamically) {
  popup_ids("Dlg_NameEdit=12\n");
  auto dialog = make<TPlainDialog>();
  ShowDynamicHelpForHint(FindControl(dialog->Handle())->Controls(0));
  const std::string text = "Address=" + path("wth.chm") + "::/Dlg_NameEdit.htm";
  EXPECT_EQ(help_log(), std::vector<std::string>{"RunProcess HelpAdvisor:ShowDynamicHelp '" + text + "' " +
                                                  std::to_string(text.size() + 1)});
  host.client.helpLog.clear();
  ShowDynamicHelpForHint(nullptr);
  EXPECT_TRUE(help_log().empty());
}

TEST_F(DialogHelp, LinkHandlersTellTheStatusBarAboutLinks) {
  InstallDialogHelp();
  TLinkHandlers& links = LinkHandlers();
  ASSERT_TRUE(links.Clicked && links.Navigate && links.OpenInHelpBrowser && links.MouseEnter && links.MouseLeave);
  links.MouseEnter(L"Opens the manual");
  links.MouseLeave();
  EXPECT_EQ(host.client.uiManager.log,
            (std::vector<std::string>{"SetStatusText -3 ''", "SetStatusText 1 'Opens the manual'", "SetStatusText -4 ''"}));
  RemoveDialogHelp();
  EXPECT_FALSE(LinkHandlers().MouseEnter);
}

}  // namespace
