#include "toolkit/link_handlers.h"

TLinkHandlers& LinkHandlers() {
  static TLinkHandlers handlers;
  return handlers;
}
