// On this system (5.1 or later) the host's preference for the newer caption gives no dialog the
// painted theme frame: the system draws its own.

#include "dialogs/theme_frame_install.h"

#include "dialogs/theme_form.h"
#include "dialogs/theme_preference.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

class ThemeChoice : public DialogTest {
 protected:
  ~ThemeChoice() override { RemoveThemeFrame(); }
};

TEST_F(ThemeChoice, NoThemeFrameOnNewerSystemsWhateverThePreference) {
  OSVERSIONINFOW v{};
  v.dwOSVersionInfoSize = sizeof v;
  GetVersionExW(&v);
  ASSERT_TRUE(v.dwMajorVersion > 5 || (v.dwMajorVersion == 5 && v.dwMinorVersion >= 1));
  for (BYTE preferred : {BYTE{0}, BYTE{1}}) {
    TestExportTable().pref_use_luna = preferred;
    InstallThemeFrame();
    EXPECT_EQ(EmulatedThemePreference(), preferred != 0);
    EXPECT_NE(CurrentThemeKind(), tkEmulated);
    auto dialog = Make<TFixedDialog>();
    for (TComponent* c : dialog->Components()) EXPECT_EQ(class_cast<TThemeForm>(c), nullptr);
    RemoveThemeFrame();
  }
}

}  // namespace
