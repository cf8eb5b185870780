// Where the plug-in looks for the host's settings, seen through the path under which it opens the
// PCB editor's settings at load; and test mode as the host sees it. These runs change the registry
// and files that every process of the Wine prefix shares, so the suite runs alone.

#include <gtest/gtest.h>

#include "base/text_convert.h"
#include "tests/e2e/support/host_run.h"

namespace {

const wchar_t kLocationKey[] = L"Software\\Quorvel2004\\Preference Location";

std::string SettingsLine(const std::wstring& location) {
  std::string path = ToAnsi(AppDataFolder() + location + L"\\DRALITH.INI");
  std::string escaped;
  for (char c : path) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return "ISettingsService.OpenModuleSettings(\"Dralith\", \"" + escaped + "\") -> 0x00000000";
}

bool FolderExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class PreferenceLocation : public testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyW(HKEY_CURRENT_USER, kLocationKey);
    CreateDirectoryW((HostBinFolder() + L"System").c_str(), nullptr);
    DeleteFileW((HostBinFolder() + L"System\\PrefFolder.ini").c_str());
  }
};

TEST_F(PreferenceLocation, DefaultWithoutRegistryOrFile) {
  THostRun run = RunHost({L"--pcb-module", L"none"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_EQ(run.TraceCount(SettingsLine(L"\\Quorvel2004")), 1) << run.Describe();
}

TEST_F(PreferenceLocation, RegistryNamesTheLocationAndItsFolderIsCreated) {
  std::wstring folder = AppDataFolder() + L"\\Profile7";
  RemoveDirectoryW(folder.c_str());
  TScopedUserRegistryValue location(kLocationKey, L"Application", L"Profile7");
  TScopedFile ini(HostBinFolder() + L"System\\PrefFolder.ini",
                  "[Preference Location]\r\nApplication=FromFile\r\n");
  THostRun run = RunHost({L"--pcb-module", L"none"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_EQ(run.TraceCount(SettingsLine(L"\\Profile7")), 1) << run.Describe();
  EXPECT_TRUE(FolderExists(folder));
  RemoveDirectoryW(folder.c_str());
}

TEST_F(PreferenceLocation, PrefFolderIniInTheSystemFolderWhenTheRegistryNamesNone) {
  TScopedFile ini(HostBinFolder() + L"System\\PrefFolder.ini",
                  "[Preference Location]\r\nApplication=Custom9\r\n");
  THostRun run = RunHost({L"--pcb-module", L"none"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_EQ(run.TraceCount(SettingsLine(L"\\Custom9")), 1) << run.Describe();
  RemoveDirectoryW((AppDataFolder() + L"\\Custom9").c_str());
}

bool TestModeKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

TEST(TestMode, TheHostsOptionCreatesTheKeyForTheRunOnly) {
  THostRun run = RunHost({L"--pcb-module", L"none"}, THostRunOptions{.TestMode = true});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_FALSE(TestModeKeyExists());
}

#ifdef TAVRIN_HAS_RUN_COMMAND
// In test mode the plug-in's information message prints its line and ends the host with exit code
// 1; the command name is matched without regard to case, but exactly.
TEST(TestMode, MessageLineAndExitCodeForEachSpellingOfRun) {
  for (const wchar_t* command : {L"Run", L"run", L"RUN"}) {
    THostRun run = RunHost({L"--document", L"none", L"--command", command},
                            THostRunOptions{.TestMode = true});
    EXPECT_EQ(run.ExitCode, 1) << run.Describe();
    EXPECT_TRUE(run.OutputHas(
        "ShowDialogWithCaption withInformation No document is currently open in Client."))
        << run.Describe();
    EXPECT_FALSE(run.OutputHasPrefix("host: LaunchCommand ->"));
  }
  EXPECT_FALSE(TestModeKeyExists());
}

TEST(TestMode, TrailingSpaceFindsNoCommand) {
  THostRun run = RunHost({L"--document", L"none", L"--command", L"Run "},
                          THostRunOptions{.TestMode = true});
  EXPECT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: LaunchCommand -> 0x00000000 parameters=\"\""));
  EXPECT_FALSE(run.OutputHasPrefix("ShowDialogWithCaption"));
}
#endif

}  // namespace
