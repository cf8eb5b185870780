#include "base/check_host.h"
#include "frame/host_settings.h"
#include "frame/library_steps.h"
#include "frame/locations.h"
#include "frame/slots.h"
#include "pcb/coord.h"

void LoadFractionalDigits() {
  int mm = 5;
  if (ClientSlot) {
    mm = ReadHostSettingInteger(L"Dralith", SettingsFolder() + L"\\DRALITH.INI", L"SystemOptions",
                                L"FractionalDigits_mm", MmFractionalDigits());
  }
  int mil = 3;
  SetFractionalDigits(eImperial, mil);
  SetFractionalDigits(eMetric, mm);
}

namespace {
const TLibraryStepRegistration FractionalDigitsStep(TLibraryStep::FractionalDigits,
                                                      LoadFractionalDigits, nullptr);
}  // namespace
