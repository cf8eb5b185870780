// ID files of any bytes: reading never faults, the list comes back sorted, every key read is found
// again with a value that is a context or names an alias that exists, and a line's number survives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/ascii.h"
#include "dialogs/help_id_file.h"
#include "dialogs/help_key_match.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  THelpIdList ids;
  TStringList aliases;
  ReadHelpIds(text, ids, aliases);
  for (int i = 1; i < ids.Count(); ++i)
    if (AsciiIcompare(ids.Key(i - 1), ids.Key(i)) > 0) std::abort();
  for (int i = 0; i < ids.Count(); ++i) {
    THelpKeyMatch match = MatchHelpKey(ids, aliases, ids.Key(i));
    if (match.Kind == THelpKeyMatch::hkNone) std::abort();
    if (match.Kind == THelpKeyMatch::hkContext && match.Context < 0) std::abort();
    if (ids.Value(i) < 0 && -static_cast<int64_t>(ids.Value(i)) > aliases.Count()) std::abort();
  }
  // Every entry is found ignoring case: the upper-cased key finds an equal-ignoring-case one.
  for (int i = 0; i < ids.Count(); ++i)
    if (!ids.Find(AsciiToUpper(ids.Key(i)))) std::abort();
  return 0;
}
