#include "dialogs/help_key_match.h"

#include <algorithm>

THelpKeyMatch MatchHelpKey(const THelpIdList& ids, const TStrings& aliases, std::string_view topic) {
  THelpKeyMatch match;
  std::optional<int32_t> value = ids.Find(topic);
  if (!value) return match;
  if (*value >= 0) {
    match.Kind = THelpKeyMatch::hkContext;
    match.Context = *value;
    return match;
  }
  int64_t index = -static_cast<int64_t>(*value) - 1;
  if (index >= aliases.Count()) return match;
  match.Kind = THelpKeyMatch::hkAlias;
  match.Alias = aliases.Get(static_cast<int>(index));
  return match;
}

std::string HelpTopicKey(std::string_view key, std::string_view prefix) {
  if (prefix.empty()) return std::string(key);
  return "Dlg_" + std::string(prefix) + "_" + std::string(key);
}

std::string HelpAliasKey(std::string_view alias) {
  std::string key(alias);
  std::replace(key.begin(), key.end(), ':', '_');
  return key;
}
