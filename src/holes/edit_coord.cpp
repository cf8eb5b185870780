#include "holes/edit_coord.h"

#include <algorithm>

#include "base/ascii.h"

const TEnumInfo& UnitInfo() {
  static const TEnumInfo info("TUnit", {"eMetric", "eImperial"});
  return info;
}

TEditCoord::TEditCoord(TComponent* owner) : TXPEdit(owner) {
  // Layouts store Text, then State, then Units: the text is replaced by the value written in the
  // unit the box has at that moment, and the unit then re-formats it.
  PublishOnce<TEditCoord>([](TPublisher<TEditCoord>& p) {
    p.Integer("State", &TEditCoord::State, &TEditCoord::SetState);
    p.Enumeration("Units", UnitInfo(), &TEditCoord::Units, &TEditCoord::SetUnits);
  });
  SetUnits(eImperial);
  SetText("0.0Mil");
  FLastText = Text();
  FLastValue = 0;
}

TCoord TEditCoord::State() const {
  const std::string text = Text();
  if (AsciiIequals(text, FLastText)) return FLastValue;
  TUnit unit = FUnits;  // a typed suffix counts for this reading only
  const TCoord value = ParseCoordWithUnit(std::string_view(text).substr(0, 255), unit);
  return std::clamp(value, -kMaxState, kMaxState);
}

void TEditCoord::Remember(TCoord value) {
  // The text as the window holds it, so that the next comparison sees what the user sees.
  FLastText = Text();
  FLastValue = value;
}

void TEditCoord::SetState(TCoord value) {
  SetText(FormatCoordWithUnit(value, FUnits));
  Remember(value);
}

void TEditCoord::SetUnits(TUnit unit) {
  const TCoord value = State();
  FUnits = unit;
  SetState(value);
}

void TEditCoord::ResetUnits(TUnit unit) {
  FUnits = unit;
  SetText(FormatCoordWithUnit(0, unit));
  Remember(0);
}
