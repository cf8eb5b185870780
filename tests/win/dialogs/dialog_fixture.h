#pragma once
// The fixture of the dialog tests: a host with a client, the toolkit's classes known to the
// layout reader, and a forms key of the tests' own that starts empty.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "dialogs/dialog_framework_state.h"
#include "forms/form.h"
#include "tests/win/dialogs/test_dialogs.h"
#include "tests/win/dialogs/test_host.h"
#include "toolkit/toolkit_classes.h"

// Each test has keys of its own: CTest runs the tests of this program in parallel.
std::wstring TestRootKey();
std::wstring TestFormsKey();

class DialogTest : public ::testing::Test {
 protected:
  explicit DialogTest(bool with_client = true) : host(with_client) {
    RegisterToolkitClasses();
    // A host run that ended inside a test-mode dialog leaves the prefix-wide test-mode key behind;
    // with it, a modal run here would end this program.
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode");
    RegDeleteTreeW(HKEY_CURRENT_USER, TestRootKey().c_str());
    SetFormsKey(TestFormsKey());
  }
  ~DialogTest() override {
    SetFormsKey(L"");
    SetTranslationActive(false);
    SetLayoutLoadingDepth(0);
    RegDeleteTreeW(HKEY_CURRENT_USER, TestRootKey().c_str());
  }

  template <class D>
  std::unique_ptr<D> Make() {
    return std::unique_ptr<D>(make_form<D>(nullptr));
  }

  TTestHost host;
};

// A value under the test forms key: its registry type and data, or nothing when it is missing.
struct TStoredValue {
  DWORD type = 0;
  DWORD number = 0;
  std::wstring text;
};
std::optional<TStoredValue> ReadStoredValue(const std::wstring& dialog_class, const wchar_t* name);
void StoreNumber(const std::wstring& dialog_class, const wchar_t* name, DWORD value);
void StoreText(const std::wstring& dialog_class, const wchar_t* name, const std::wstring& value);
