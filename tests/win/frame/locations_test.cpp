#include "frame/locations.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>

#include "frame/client_api_bindings.h"
#include "tests/win/frame/test_exports.h"

namespace {

const wchar_t kLocationKey[] = L"Software\\Quorvel2004\\Preference Location";

std::wstring AppData() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

bool FolderExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteFileText(const std::wstring& path, const std::string& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// Each test starts without a registry location and without "PrefFolder.ini", and leaves none.
class LocationsTest : public testing::Test {
 protected:
  void SetUp() override {
    Clear();
    CreateDirectoryW(SystemFolder().c_str(), nullptr);
  }
  void TearDown() override {
    Clear();
    UnbindClientApi();
    TestExportTable() = TTestExports{};
  }
  void Clear() {
    RegDeleteKeyW(HKEY_CURRENT_USER, kLocationKey);
    DeleteFileW((SystemFolder() + L"PrefFolder.ini").c_str());
    ResetLocationsForTest();
  }
  void SetRegistryLocation(const wchar_t* value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kLocationKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Application", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
};

TEST_F(LocationsTest, WithoutRegistryOrFileTheDefaultLocation) {
  EXPECT_EQ(PreferenceLocation(), L"\\Quorvel2004");
  EXPECT_EQ(PreferencesKey(), L"Software\\Quorvel2004");
}

TEST_F(LocationsTest, RegistryLocationNamesKeyAndSettingsFolderWhichIsCreated) {
  SetRegistryLocation(L"Profile7");
  std::wstring folder = AppData() + L"\\Profile7";
  RemoveDirectoryW(folder.c_str());
  EXPECT_EQ(PreferenceLocation(), L"\\Profile7");
  EXPECT_EQ(PreferencesKey(), L"Software\\Profile7");
  EXPECT_EQ(SettingsFolder(), folder);
  EXPECT_TRUE(FolderExists(folder));
  RemoveDirectoryW(folder.c_str());
}

TEST_F(LocationsTest, PrefFolderIniIsReadWhenTheRegistryNamesNothing) {
  WriteFileText(SystemFolder() + L"PrefFolder.ini", "[Preference Location]\r\nApplication=Custom9\r\n");
  EXPECT_EQ(PreferenceLocation(), L"\\Custom9");
  ResetLocationsForTest();
  // An empty registry value names nothing either; the file still decides.
  SetRegistryLocation(L"");
  EXPECT_EQ(PreferenceLocation(), L"\\Custom9");
  ResetLocationsForTest();
  WriteFileText(SystemFolder() + L"PrefFolder.ini", "[Other]\r\nApplication=Wrong\r\n");
  EXPECT_EQ(PreferenceLocation(), L"\\Quorvel2004");
}

TEST_F(LocationsTest, LocationIsSettledOnFirstUse) {
  EXPECT_EQ(PreferenceLocation(), L"\\Quorvel2004");
  SetRegistryLocation(L"Later");
  EXPECT_EQ(PreferenceLocation(), L"\\Quorvel2004");
}

TEST_F(LocationsTest, InstallFoldersFollowTheExecutableInUpperCase) {
  std::wstring install = InstallFolder();
  ASSERT_FALSE(install.empty());
  EXPECT_EQ(install.back(), L'\\');
  std::wstring upper = install;
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  EXPECT_EQ(install, upper);
  EXPECT_EQ(SystemFolder(), install + L"System\\");
  EXPECT_EQ(ResourcesFolder(), install + L"System\\Resources\\");
  EXPECT_EQ(InstallHelpFolder(), install + L"Help\\");
}

TEST_F(LocationsTest, HelpFilesResolveIntoTheHelpFolderOrTheInstallHelpFolder) {
  EXPECT_EQ(ResolveHelpFile(L"C:\\Docs\\x.chm"), L"C:\\Docs\\x.chm");
  EXPECT_EQ(ResolveHelpFile(L"sub/x.chm"), L"sub/x.chm");
  EXPECT_EQ(ResolveHelpFile(L"absent.chm"), InstallHelpFolder() + L"absent.chm");
  CreateDirectoryW(HelpFolder().c_str(), nullptr);
  WriteFileText(HelpFolder() + L"present.chm", "help");
  EXPECT_EQ(HelpFolder(), SystemFolder() + L"Help\\");
  EXPECT_EQ(ResolveHelpFile(L"present.chm"), SystemFolder() + L"Help\\present.chm");
  DeleteFileW((HelpFolder() + L"present.chm").c_str());
}

TEST_F(LocationsTest, LanguageFolderFollowsTheMappedSystemLocale) {
  unsigned locale = GetSystemDefaultLCID();
  std::wstring resources = ResourcesFolder();
  CreateDirectoryW(resources.c_str(), nullptr);
  std::wstring mapped = resources + L"1031\\";
  std::wstring primary = resources + std::to_wstring(locale & 0x3FF) + L"\\";
  WriteFileText(resources + L"LanguageMappings.dat",
             "junk\r\nx=1\r\n" + std::to_string(locale) + "=1031\r\n" + std::to_string(locale) +
                 "=2000\r\n");
  CreateDirectoryW(mapped.c_str(), nullptr);

  // Without the host's locale preference the system folder serves.
  EXPECT_EQ(LanguageFolder(), SystemFolder());
  TestExportTable().use_system_locale_language = 1;
  BindClientApi();
  EXPECT_EQ(MapLocaleIdentifier(locale), 1031u);
  EXPECT_EQ(LanguageFolder(), mapped);
  EXPECT_EQ(HelpFolder(), mapped + L"Help\\");
  RemoveDirectoryW(mapped.c_str());
  EXPECT_EQ(LanguageFolder(), primary);

  // The mapping was read once: a changed file counts only after the next load.
  DeleteFileW((resources + L"LanguageMappings.dat").c_str());
  EXPECT_EQ(MapLocaleIdentifier(locale), 1031u);
  ResetLocationsForTest();
  EXPECT_EQ(MapLocaleIdentifier(locale), locale);
}

}  // namespace
