#pragma once
// A pad or via record that the host's PCB module would not read or write. Raised where a wrong hole
// size would otherwise be shown, or a change be dropped without a word.

#include <string>

#include "base/exceptions.h"

class ERecordError : public Exception {
  TAVRIN_CLASS(ERecordError, Exception)
 public:
  using Exception::Exception;
};
