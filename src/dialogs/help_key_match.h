#pragma once
// What a topic key leads to in one help file's key lists: nothing, a help context of that file, or
// an alias whose topic lives in the help file the host names for it.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/string_list.h"
#include "dialogs/help_id_list.h"

struct THelpKeyMatch {
  enum TKind { hkNone, hkContext, hkAlias };
  TKind Kind = hkNone;
  int32_t Context = 0;
  std::string Alias;
};

// The ID list must be sorted. An alias index past the alias list is no match.
THelpKeyMatch MatchHelpKey(const THelpIdList& ids, const TStrings& aliases, std::string_view topic);

// The topic looked up for a key: the key itself, or "Dlg_" + prefix + "_" + key with a prefix.
std::string HelpTopicKey(std::string_view key, std::string_view prefix);
// The key of an alias in the other help file's ID file: "PCB:Zoom" is looked up as "PCB_Zoom".
std::string HelpAliasKey(std::string_view alias);
