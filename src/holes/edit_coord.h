#pragma once
// A one-line edit box for a coordinate: it shows a value as text with a unit suffix ("12mil",
// "0.3mm") and reads whatever the user typed back into a coordinate, honouring a typed "mm" or
// "mil" and otherwise the box's own unit. As long as the text is the one last written, reading the
// value gives back exactly what was written, without parsing.

#include <string>

#include "pcb/coord.h"
#include "toolkit/xp_edit.h"

class TEditCoord : public TXPEdit {
  TAVRIN_CLASS(TEditCoord, TXPEdit)
 public:
  // The limits of a value read from text: ±99999 mil.
  static constexpr TCoord kMaxState = 999990000;

  // Shows "0.0Mil", reads as 0 and has the unit eImperial.
  explicit TEditCoord(TComponent* owner);

  // The value last written while the text is still the one written then (ASCII case ignored);
  // otherwise the text parsed afresh (at most its first 255 characters) in the box's unit and
  // clamped into ±kMaxState. Reading changes nothing.
  TCoord State() const;
  // Shows the value in the box's unit and remembers text and value; no clamping.
  void SetState(TCoord value);
  TUnit Units() const { return FUnits; }
  // Keeps the value and shows it in the new unit ("12mil" becomes "0.3048mm").
  void SetUnits(TUnit unit);
  // Sets the unit and the value 0, discarding the previous value.
  void ResetUnits(TUnit unit);

  const std::string& LastText() const { return FLastText; }
  TCoord LastValue() const { return FLastValue; }

 private:
  void Remember(TCoord value);

  TUnit FUnits = eImperial;
  std::string FLastText;
  TCoord FLastValue = 0;
};

// The names of TUnit for layouts: "eMetric", "eImperial".
const TEnumInfo& UnitInfo();
