#include "frame/pdf_opening.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "base/scope_guard.h"
#include "base/unique_handle.h"
#include "forms/application.h"
#include "frame/acrobat_reader_warning.h"
#include "frame/locations.h"
#include "tests/win/support/own_window.h"

// The stand-in Acrobat (hostkit/acrobat) is registered in the test prefix's classes root the way an
// installed reader is; it logs its command line and every DDE execute to TAVRIN_ACROBAT_LOG.
namespace {

const char* const kClassKeys[] = {"acrobat", "AcroPDF.PDF.1", "PDF.PdfCtrl.1", "PDF.PdfCtrl.5", ".PDF",
                                  "TestPdfDocument"};

std::string TempFolder() {
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  return path;
}

std::string StandIn(int major) {
  std::string path = std::string(TAVRIN_BIN_DIR) + "/StandInAcrobat" + std::to_string(major) + ".exe";
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void SetClassDefault(const std::string& key, const std::string& value) {
  TUniqueHkey handle;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, handle.Put(), nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(handle.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

std::wstring FormsKeyStorage() { return PreferencesKey() + L"\\Plenvik\\Forms"; }

class PdfOpeningTest : public testing::Test {
 protected:
  // CTest runs cases in parallel processes; these share the classes root, the forms key and the
  // DDE service name, so they take turns.
  void SetUp() override {
    turn_.reset(CreateMutexW(nullptr, FALSE, L"TavrinPdfOpeningTests"));
    WaitForSingleObject(turn_.get(), 60000);
    ClearClasses();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, FormsKeyStorage().c_str(), L"EnableAcrobatVersionPopup");
    log_path_ = TempFolder() + "tavrin_acrobat.log";
    DeleteFileA(log_path_.c_str());
    SetEnvironmentVariableA("TAVRIN_ACROBAT_LOG", log_path_.c_str());
    pdf_ = TempFolder() + "manual.pdf";
    std::ofstream(pdf_) << "%PDF-1.4\n";
  }
  void TearDown() override {
    ClearClasses();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, FormsKeyStorage().c_str(), L"EnableAcrobatVersionPopup");
    DeleteFileA(pdf_.c_str());
    // A reader still running would answer the next case's DDE: ask until none answers.
    for (int i = 0; i < 100 && SendAcrobatCommand("[AppExit()]"); ++i) Sleep(50);
    ReleaseMutex(turn_.get());
  }
  static void ClearClasses() {
    for (const char* key : kClassKeys) RegDeleteTreeA(HKEY_CLASSES_ROOT, key);
  }
  void RegisterReader(int major) {
    SetClassDefault("acrobat\\Shell\\Open\\Command", "\"" + StandIn(major) + "\" /u \"%1\"");
  }

  // The log once it holds the expected number of lines (the reader writes as it goes).
  std::string WaitForLog(size_t lines) {
    std::string text;
    for (int i = 0; i < 600; ++i) {
      std::ifstream file(log_path_);
      std::stringstream all;
      all << file.rdbuf();
      text = all.str();
      size_t count = 0;
      for (char c : text) count += c == '\n';
      if (count >= lines) break;
      Sleep(50);
    }
    return text;
  }

  // Opens the page while answering the warning, should it come: ticks its check box when asked to.
  bool OpenAnsweringWarning(int32_t page, bool tick) {
    int id = Application->AddIdleHandler([this, tick](TObject*, bool& done) {
      done = false;
      HWND warning = FindOwnWindow(nullptr, L"Warning");
      if (!warning) return;
      ++warnings_;
      if (tick) SendMessageW(FindWindowExW(warning, nullptr, L"Button", L"&Don't show this again"), BM_CLICK, 0, 0);
      SendMessageW(FindWindowExW(warning, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
    });
    auto remove = OnScopeExit([&] { Application->RemoveIdleHandler(id); });
    return OpenPdfAtPage(pdf_, page);
  }

  TUniqueKernelHandle turn_;
  std::string log_path_;
  std::string pdf_;
  int warnings_ = 0;
};

TEST_F(PdfOpeningTest, NewReaderOpensAtThePageAndIsToldTheDocumentPage) {
  RegisterReader(7);
  SetClassDefault("AcroPDF.PDF.1", "Acrobat PDF control");
  EXPECT_EQ(AcrobatMajorVersion(AcrobatCommand()), 7);
  ASSERT_TRUE(OpenAnsweringWarning(12, false));
  std::string log = WaitForLog(2);
  EXPECT_NE(log.find("/a pagemode=bookmarks&page=12 \"" + pdf_ + "\""), std::string::npos) << log;
  EXPECT_EQ(log.find("/u"), std::string::npos) << log;
  EXPECT_NE(log.find("execute [DocGoTo(NULL, 11)]"), std::string::npos) << log;
  EXPECT_EQ(warnings_, 0);
}

TEST_F(PdfOpeningTest, OldReaderWarnsAndStartsWithTheFileOnly) {
  RegisterReader(5);
  SetClassDefault("PDF.PdfCtrl.5", "PDF control 5");
  EXPECT_EQ(AcrobatMajorVersion(AcrobatCommand()), 5);
  ASSERT_TRUE(OpenAnsweringWarning(7, false));
  EXPECT_EQ(warnings_, 1);
  std::string log = WaitForLog(1);
  // The blanks around the removed "/u" and "%1" stay.
  EXPECT_NE(log.find("StandInAcrobat5.exe\"   \"" + pdf_ + "\""), std::string::npos) << log;
  EXPECT_EQ(log.find("page="), std::string::npos) << log;
}

TEST_F(PdfOpeningTest, OldReaderAtPageOneShowsNoWarning) {
  RegisterReader(5);
  SetClassDefault("PDF.PdfCtrl.5", "PDF control 5");
  ASSERT_TRUE(OpenAnsweringWarning(1, false));
  EXPECT_EQ(warnings_, 0);
}

TEST_F(PdfOpeningTest, DontShowAgainIsStoredAndHonoured) {
  RegisterReader(5);
  SetClassDefault("PDF.PdfCtrl.5", "PDF control 5");
  EXPECT_TRUE(AcrobatVersionWarningEnabled());
  ASSERT_TRUE(OpenAnsweringWarning(3, true));
  EXPECT_EQ(warnings_, 1);
  EXPECT_FALSE(AcrobatVersionWarningEnabled());
  DWORD value = 1, size = sizeof(value);
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, FormsKeyStorage().c_str(), L"EnableAcrobatVersionPopup", RRF_RT_REG_DWORD,
                         nullptr, &value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 0u);
  ASSERT_TRUE(OpenAnsweringWarning(3, false));
  EXPECT_EQ(warnings_, 1);
}

TEST_F(PdfOpeningTest, VersionFromTheProgramWhenNoControlIsRegistered) {
  RegisterReader(5);
  EXPECT_EQ(AcrobatMajorVersion(AcrobatCommand()), 5);
  RegisterReader(7);
  EXPECT_EQ(AcrobatMajorVersion(AcrobatCommand()), 7);
  SetClassDefault("PDF.PdfCtrl.1", "old control");
  EXPECT_EQ(AcrobatMajorVersion(AcrobatCommand()), 4);
}

TEST_F(PdfOpeningTest, CommandFoundThroughTheDocumentClass) {
  SetClassDefault(".PDF", "TestPdfDocument");
  SetClassDefault("TestPdfDocument\\Shell\\Open\\Command", "\"" + StandIn(7) + "\" \"%1\"");
  EXPECT_EQ(AcrobatCommand(), "\"" + StandIn(7) + "\" ");
}

TEST_F(PdfOpeningTest, MissingFileStartsNothing) {
  RegisterReader(7);
  EXPECT_FALSE(OpenPdfAtPage(TempFolder() + "no such manual.pdf", 2));
  EXPECT_FALSE(OpenPdfAtPage(std::string(100000, 'x') + ".pdf", 2));
  Sleep(200);
  EXPECT_EQ(GetFileAttributesA(log_path_.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
