#pragma once
// Coordinates and measurement units: the host's integer length unit, its conversions to and from
// mils and millimetres, the text forms people see and type, and the module-wide decimal settings of
// millimetre and mil text. Everything is a pure function of its arguments and the two settings.
//
// The scaling and rounding live in coord.cpp, the texts and parsing in coord_text.cpp.

#include <cstdint>
#include <string>
#include <string_view>

// One unit is 1/10000 mil (2.54 nm); one millimetre is 10000 / 0.0254 units.
using TCoord = int32_t;

// A boolean "imperial" flag stands for the same thing: true is eImperial.
enum TUnit : uint8_t { eMetric = 0, eImperial = 1 };

constexpr TCoord kMaxCoord = INT32_MAX;
constexpr TCoord kMinCoord = INT32_MIN;

// Real mils or millimetres of a coordinate, the fraction pre-rounded to k decimals (RoundFraction).
double MilsFromCoord(TCoord c, int k);
double MillimetresFromCoord(TCoord c, int k);
// Nearest coordinate, ties to even; results outside the 32-bit range saturate at its ends, NaN is 0.
TCoord CoordFromMils(double mils);
TCoord CoordFromMillimetres(double millimetres);

// Rounds only the fraction of x to k decimals (ties to even), so large values keep every integral
// digit. k is taken within 0..22, the range in which 10^k is exact.
double RoundFraction(double x, int k);

// Fixed-point text with exactly d decimals (d taken within 0..64), "." whatever the locale, "-" for
// values whose text is not all zeros. Rounded half away from zero at the d-th decimal, decided on the
// value's decimal expansion to 18 significant digits.
std::string FormatFixed(double x, int d);
// "10.000" -> "10", "0.500" -> "0.5": trailing "0"s, then one trailing ".".
std::string StripTrailingZeros(std::string_view text);

// The edit box text, such as "12.5mil" or "0.3mm", with the decimals of the settings below.
std::string FormatCoordWithUnit(TCoord c, TUnit unit);
// The text by which hole sizes are grouped: 3 decimals of mil, or millimetres pre-rounded to 5
// decimals and shown with 4, whatever the settings.
std::string FormatCoordForMatch(TCoord c, bool imperial);
// Whether the two FormatCoordForMatch texts are equal, ASCII letters compared without regard to
// case. Formats without touching the heap: hole grouping calls it for every primitive of a board.
bool SameCoordText(TCoord a, TCoord b, bool imperial);

// Splits a blank-free text into its number and unit: the text before the first "MM" (metric) or,
// failing that, before the first "MIL" (imperial), letters of either case; anything after the suffix
// is ignored. Without a suffix the whole text is the number and `unit` keeps its value.
std::string_view SplitUnitSuffix(std::string_view text, TUnit& unit);
// Reads typed text such as "12.5", " 1 2 Mil" or "0.3mm" into a coordinate. Blanks are ignored
// wherever they stand; a number without a suffix is taken in `unit`, and `unit` becomes the unit the
// text named. An empty text or one that starts with a letter gives 0 and leaves `unit` alone; a
// malformed number gives the value of its valid leading part (0 when there is none).
TCoord ParseCoordWithUnit(std::string_view text, TUnit& unit);

// The decimals of FormatCoordWithUnit: mil 3 to 4 (3 at start), millimetre 3 to 5 (5 at start).
int MilFractionalDigits();
int MmFractionalDigits();
// 10^digits of each setting, stored beside it.
int MilMultiplier();
int MmMultiplier();
// Clamps n into the unit's range, stores it and returns the previous count. A unit other than
// eMetric or eImperial raises EAssertionFailed "Unexpected Unit".
int SetFractionalDigits(TUnit unit, int n);

// Reads the millimetre decimals from the PCB editor's settings through the host client (5 without
// a client) and sets the mil decimals to 3. Needs the client services, so it is defined with them in
// fractional_digits_setting.cpp (Windows only); library start-up runs it once.
void LoadFractionalDigits();
