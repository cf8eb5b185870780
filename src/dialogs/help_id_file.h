#pragma once
// The ID file beside a help file: one entry per line, "key=number" (a help context; a value that is
// no decimal integer counts as 0) or "key=text,alias" (the topic lives in the help file the host
// names for the alias: all text after the first comma). The key is the text before the first "=",
// taken as it is; a line without "=" is no entry. Lines end at CR, LF or CR LF.

#include <string>
#include <string_view>

#include "base/string_list.h"
#include "dialogs/help_id_list.h"

// Reads the entries of an ID file's text into the two lists (cleared first); a non-empty ID list
// comes back sorted. Any bytes are read without a fault.
void ReadHelpIds(std::string_view text, THelpIdList& ids, TStrings& aliases);

// The help context a value text stands for: a decimal integer with an optional sign that fits in 32
// bits; anything else, and a negative number (the list keeps negatives for aliases), is 0.
int32_t HelpContextOf(std::string_view value);

// The ID file of a help file: its path with the extension replaced by ".id".
std::wstring HelpIdFileOf(const std::wstring& help_file);
// The path with its extension (after the last "." of the last path part) set to the given one.
std::wstring WithExtension(const std::wstring& path, std::wstring_view extension);
