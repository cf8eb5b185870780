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

std::string HelpFolder() { return ToAnsi(InstallHelpFolder()); }

// The host process requests as the stand-in client logs them.
const std::string kShowKnowledgeCentre =
    "RunProcess Client:CustomizeResources \"ObjectKind=Panel|Action=Show|Id=KnowledgeCenter\" 0 no-view";
std::string DynamicHelp(const std::string& parameters) {
  return "RunProcess HelpAdvisor:ShowDynamicHelp \"" + parameters + "\" " +
         std::to_string(parameters.size() + 1) + " no-view";
}

class DialogHelp : public DialogTest {
 protected:
  // WinHelp's requests go to a window found desktop-wide: the cases that look at them take turns.
  DialogHelp() : turn_(CreateMutexW(nullptr, FALSE, L"TavrinWhatsThisViewerTests")) {
    WaitForSingleObject(turn_.get(), 120000);
    // WinHelp sends to the first window of its class in z-order; other test programs and host runs
    // have one too, so this case's goes first.
    SetWindowPos(host.whats_this.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    name_ = std::string("case_") + testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(HelpFolder().c_str(), nullptr);
    SetHelpFileNameForTest(ToWide(name_ + ".chm"));
    RemoveFiles();
  }
  ~DialogHelp() override {
    RemoveFiles();
    SetHelpFileNameForTest(L"");
    ReleaseMutex(turn_.get());
  }

  std::string Path(const std::string& suffix) const { return HelpFolder() + name_ + suffix; }
  void Write(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
  void TopicIds(const std::string& text) { Write(Path(".id"), text); }
  void PopupIds(const std::string& text) { Write(Path("wth.id"), text); }
  void RemoveFiles() {
    for (const char* suffix : {".id", "wth.id", ".chm", "_other.chm", "_other.id"}) DeleteFileA(Path(suffix).c_str());
  }
  std::string Chm() const { return Path(".chm"); }

  std::vector<std::string> HelpLog() const { return host.HelpLog(); }
  const std::vector<std::string>& Popups() const { return host.whats_this.requests; }
  bool Logged(const std::string& line) const {
    const std::vector<std::string> log = HelpLog();
    return std::find(log.begin(), log.end(), line) != log.end();
  }

  TUniqueKernelHandle turn_;
  std::string name_;
};

TEST_F(DialogHelp, F1WithoutAnIdFileShowsTheMasterPopupAtTheMouseWithContextOne) {
  auto dialog = Make<TPlainDialog>();
  EXPECT_TRUE(dialog->ChildKey(dialog->ActiveControl(), VK_F1, {}));
  const std::string master = ToAnsi(MasterWhatsThisFile());
  EXPECT_NE(master.find("vorxmaster.hlp"), std::string::npos);
  // Wine's WinHelp keeps the popup position to itself; the context request reaches the viewer.
  ASSERT_FALSE(Popups().empty());
  EXPECT_EQ(Popups().back(), std::to_string(HELP_CONTEXTPOPUP) + " 1 " + master);
  EXPECT_TRUE(HelpLog().empty());
}

TEST_F(DialogHelp, F1AnywhereShowsTheDialogTopicThroughTheKnowledgeCentre) {
  TopicIds("dlg_plaindialog=1200\n");  // keys match ignoring case
  auto dialog = Make<TPlainDialog>();
  ASSERT_TRUE(dialog->ChildKey(dialog->ActiveControl(), VK_F1, {}));
  EXPECT_EQ(HelpLog(),
            (std::vector<std::string>{kShowKnowledgeCentre,
                                      DynamicHelp("ForceUpdate=True|Address=" + Chm() + "::/Dlg_PlainDialog.htm")}));
  EXPECT_TRUE(Popups().empty());
}

TEST_F(DialogHelp, F1ShowsTheDialogTopicInTheIntegratedViewerWhenTheHostHasOne) {
  TopicIds("Dlg_PlainDialog=1200\n");
  TestExportTable().integrated_help_system = 1;
  TestExportTable().vfs_file_exists = 1;
  auto dialog = Make<TPlainDialog>();
  ASSERT_TRUE(dialog->ChildKey(dialog->ActiveControl(), VK_F1, {}));
  const std::string address = Chm() + "::/Dlg_PlainDialog.htm";
  EXPECT_TRUE(Logged("ExpandAddress " + address));
  EXPECT_TRUE(Logged("OpenAddress 0 " + address));
  EXPECT_FALSE(Logged(kShowKnowledgeCentre));
}

TEST_F(DialogHelp, ATabSheetWithAWhatsThisKeyTakesF1BeforeTheDialog) {
  TopicIds("Dlg_PagedDialog=1200\n");
  auto dialog = Make<TPagedDialog>();
  ASSERT_TRUE(dialog->ChildKey(dialog->SizeEdit, VK_F1, {}));
  EXPECT_TRUE(Logged(DynamicHelp("ForceUpdate=True|Address=" + Chm() + "::/Dlg_PagedDialog.htm")));
  host.client.log.clear();

  PopupIds("Dlg_SizesSheet=31\n");
  auto paged = Make<TPagedDialog>();
  ASSERT_TRUE(paged->ChildKey(paged->SizeEdit, VK_F1, {}));
  // The sheet's topic lives in the compiled file named like the what's-this file.
  const std::string address = Path("wth.chm") + "::/Dlg_SizesSheet.htm";
  EXPECT_TRUE(Logged(DynamicHelp("ForceUpdate=True|Address=" + address)));
}

TEST_F(DialogHelp, AnAliasLeadsIntoTheHelpFileTheHostNames) {
  TopicIds("Dlg_PlainDialog=7,PCB:Zoom\n");
  host.client.alias_name = "PCB:Zoom";
  host.client.alias_file = L"D:\\Elsewhere\\" + ToWide(name_) + L"_other.hlp";
  auto dialog = Make<TPlainDialog>();
  std::string topic;
  std::wstring file;
  // The named file's ".chm" is not there: no topic.
  EXPECT_EQ(dialog->GetHelpContext(dialog.get(), topic, file), 0);
  EXPECT_TRUE(Logged("FileForHelpAlias PCB:Zoom"));

  Write(Path("_other.chm"), "");
  Write(Path("_other.id"), "PCB_Zoom=42\r\n");
  EXPECT_EQ(dialog->GetHelpContext(dialog.get(), topic, file), 42);
  EXPECT_EQ(topic, "PCB_Zoom");
  EXPECT_EQ(ToAnsi(file), Path("_other.chm"));

  // A file whose key is an alias of itself again ends the search with no topic.
  Write(Path("_other.id"), "PCB_Zoom=1,PCB:Zoom\r\n");
  auto again = Make<TPlainDialog>();
  EXPECT_EQ(again->GetHelpContext(again.get(), topic, file), 0);
}

TEST_F(DialogHelp, ShowingADialogSendsItsTopicAddressOnlyWhenTheKeyExists) {
  {
    auto dialog = Make<TPlainDialog>();
    dialog->Show();
    Pump();
    dialog->Hide();
  }
  EXPECT_TRUE(HelpLog().empty());

  TopicIds("Dlg_PlainDialog=5\n");
  auto dialog = Make<TPlainDialog>();
  dialog->Show();
  Pump();
  const std::string text = "Address=" + Chm() + "::/Dlg_PlainDialog.htm";
  EXPECT_EQ(HelpLog(), std::vector<std::string>{DynamicHelp(text)});
  dialog->Hide();
}

TEST_F(DialogHelp, WhatsThisTriesTheFormNameThenTheClassNameThenTheParent) {
  auto dialog = Make<TFixedDialog>();
  dialog->SetName("Renamed");
  dialog->Show();
  Pump();
  auto ask = [&](TWinControl* control) {
    host.whats_this.requests.clear();
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = control->Handle();
    info.MousePos = {30, 40};
    SendMessageW(control->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    return Popups().empty() ? std::string("none") : Popups().back();
  };
  const std::string wth = Path("wth.hlp");
  const std::string popup = std::to_string(HELP_CONTEXTPOPUP) + " ";

  PopupIds("Dlg_FixedDialog_OkButton=33\nDlg_FixedDialog_Group=55\n");
  EXPECT_EQ(ask(dialog->OkButton), popup + "33 " + wth);
  // Nothing for the edit itself: its parent's name is looked up.
  EXPECT_EQ(ask(dialog->FirstEdit), popup + "55 " + wth);

  dialog = Make<TFixedDialog>();  // fresh key lists
  dialog->SetName("Renamed");
  dialog->Show();
  Pump();
  PopupIds("Dlg_FixedDialog_OkButton=33\nDlg_Renamed_OkButton=44\n");
  EXPECT_EQ(ask(dialog->OkButton), popup + "44 " + wth);
  EXPECT_EQ(ask(dialog->CancelButton), popup + "0 " + wth);
  EXPECT_TRUE(std::find(host.ui_log.begin(), host.ui_log.end(), "SetStatusText -1 \"\"") !=
              host.ui_log.end());
  dialog->Hide();
}

TEST_F(DialogHelp, TheFloatingPanelsPreferenceIsPutBackAlsoWhenWinHelpFails) {
  for (bool answers : {true, false}) {
    TestExportTable().hide_floating_panels = 1;
    TestExportTable().hide_floating_panels_set.clear();
    host.whats_this.answers = answers;
    ShowPopupHelpAt(host.main_window.get(), {5, 6}, L"C:\\x.hlp", 9);
    EXPECT_EQ(TestExportTable().hide_floating_panels_set, (std::vector<BYTE>{0, 1})) << answers;
    EXPECT_EQ(TestExportTable().hide_floating_panels, 1);
  }
  EXPECT_EQ(Popups().back(), std::to_string(HELP_CONTEXTPOPUP) + " 9 C:\\x.hlp");
}

TEST_F(DialogHelp, HintsOverAControlWithAKeyShowItsTopicDynamically) {
  PopupIds("Dlg_NameEdit=12\n");
  auto dialog = Make<TPlainDialog>();
  ShowDynamicHelpForHint(FindControl(dialog->Handle())->Controls(0));
  const std::string text = "Address=" + Path("wth.chm") + "::/Dlg_NameEdit.htm";
  EXPECT_EQ(HelpLog(), std::vector<std::string>{DynamicHelp(text)});
  host.client.log.clear();
  ShowDynamicHelpForHint(nullptr);
  EXPECT_TRUE(HelpLog().empty());
}

TEST_F(DialogHelp, LinkHandlersTellTheStatusBarAboutLinks) {
  InstallDialogHelp();
  TLinkHandlers& links = LinkHandlers();
  ASSERT_TRUE(links.Clicked && links.Navigate && links.OpenInHelpBrowser && links.MouseEnter && links.MouseLeave);
  links.MouseEnter(L"Opens the manual");
  links.MouseLeave();
  EXPECT_EQ(host.ui_log,
            (std::vector<std::string>{"SetStatusText -3 \"\"", "SetStatusText 1 \"Opens the manual\"", "SetStatusText -4 \"\""}));
  RemoveDialogHelp();
  EXPECT_FALSE(LinkHandlers().MouseEnter);
}

}  // namespace
