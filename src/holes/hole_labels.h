#pragma once
// The labels of the Hole Size Editor's list ("12.000 mil", "0.3000 mm") and their numeric order.

#include <string>
#include <string_view>

#include "base/string_list.h"
#include "pcb/coord.h"

// Imperial: mils pre-rounded and shown with 3 decimals, then " mil"; metric: millimetres pre-rounded
// to 5 decimals and shown with 4, then " mm". Trailing zeros stay.
std::string FormatHoleLabel(TCoord size, bool imperial);

// The number a label starts with: the leading run of digits and "." read as a decimal number, 0 when
// the run is empty or not a number. A minus sign is not part of it.
double HoleLabelKey(std::string_view label);

// Orders the items by HoleLabelKey, items with equal keys keeping their relative order: the order
// an exchange sort of neighbours reaches. Items are moved with TStrings::Exchange, so their objects
// and per-item state travel with them; at most Count() - 1 exchanges are made.
void SortHoleLabels(TStrings& items);
