#pragma once
// Where the plug-in finds the host's settings and its install folders. Folder texts end with "\"
// except the per-user settings folder, to which callers append "\FILE.INI".

#include <string>

// "\Quorvel2004" or the location the host's registry or "PrefFolder.ini" names; settled on first
// use, then reused for the library's life.
std::wstring PreferenceLocation();
// "Software" + PreferenceLocation(), a key of the current user's hive.
std::wstring PreferencesKey();
// The current user's application-data folder + PreferenceLocation(), created when missing.
std::wstring SettingsFolder();
// The host executable's folder, upper case, with a trailing "\".
std::wstring InstallFolder();
std::wstring SystemFolder();        // install folder + "System\"
std::wstring ResourcesFolder();     // system folder + "Resources\"
std::wstring InstallHelpFolder();   // install folder + "Help\"
// The system folder, or, when the host prefers the system locale's language, the resources
// sub-folder of the (mapped) system default locale identifier.
std::wstring LanguageFolder();
std::wstring HelpFolder();          // language folder + "Help\"
// The file a help request opens: a name with a folder part unchanged; otherwise the help folder's
// file when it exists there, else the install help folder's.
std::wstring ResolveHelpFile(const std::wstring& file_name);

// The identifier LanguageFolder() uses for a locale identifier ("LanguageMappings.dat" read once).
unsigned MapLocaleIdentifier(unsigned identifier);

// Forgets the settled preference location and language mapping (tests).
void ResetLocationsForTest();
