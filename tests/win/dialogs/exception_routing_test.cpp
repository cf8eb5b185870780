// Where exceptions go: severe ones to the host's error store with a crash report and the host's
// exception handling, others into an "Error" box; the host boundary describes every exception it
// converts, and a finished handler clears the store.

#include <gtest/gtest.h>

#include "base/host_guard.h"
#include "base/text_convert.h"
#include "dialogs/application_exception_event.h"
#include "dialogs/exception_conversion.h"
#include "dialogs/handler_end.h"
#include "forms/errors.h"
#include "base/fault_guard.h"
#include "forms/dialogs/message_dialog.h"
#include "tests/win/dialogs/test_host.h"

namespace {

int* volatile nowhere = nullptr;

// Message boxes shown while the fixture lives: caption and message; each is closed at once.
struct TShownBox {
  std::string Caption;
  std::string Message;
};

class ExceptionRouting : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallApplicationExceptionEvent();
    InstallExceptionConversion();
    InstallHandlerEndClearing();
    idle_ = Application->AddIdleHandler([this](TObject*, bool& done) {
      done = false;
      if (auto* box = class_cast<TMessageForm>(Application->ActiveForm())) {
        if (!box->Visible()) return;
        boxes_.push_back({box->Caption(), box->Message()});
        box->SetModalResult(mrOk);
      }
    });
  }
  void TearDown() override {
    Application->RemoveIdleHandler(idle_);
    RemoveHandlerEndClearing();
    RemoveExceptionConversion();
    RemoveApplicationExceptionEvent();
  }

  TTestHost host_;
  std::vector<TShownBox> boxes_;
  int idle_ = 0;
};

TEST_F(ExceptionRouting, AnAccessViolationInAHandlerReachesTheHostWithAReportAndNoBox) {
  std::exception_ptr fault = RunGuarded([] { *nowhere = 1; });
  ASSERT_TRUE(fault);
  Application->HandleException(nullptr, fault);
  const TTestExports& e = TestExportTable();
  EXPECT_EQ(e.error_calls, (std::vector<std::string>{"set", "handle 0", "clear"}));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(ExceptionRouting, TheHostSeesTheAccessViolationsMessageReportAndAddressBeforeItHandlesIt) {
  uintptr_t fault_address = 0;
  std::exception_ptr fault = RunGuarded([] { *nowhere = 1; });
  try {
    std::rethrow_exception(fault);
  } catch (EAccessViolation& av) {
    fault_address = av.Address();
    HandleApplicationException(nullptr, av);
  }
  const TTestExports& e = TestExportTable();
  ASSERT_EQ(e.error_calls, (std::vector<std::string>{"set", "handle 0"}));
  std::string text = ToAnsi(e.error_message);
  EXPECT_TRUE(text.starts_with("Access violation at address ")) << text;
  EXPECT_NE(text.find("Write of address 00000000"), std::string::npos) << text;
  EXPECT_EQ(e.error_address, fault_address);
  std::string crash = ToAnsi(e.error_report);
  EXPECT_NE(crash.find("Exception: EAccessViolation\r\n"), std::string::npos) << crash;
  EXPECT_NE(crash.find("Code: C0000005 (Access Violation)\r\n"), std::string::npos) << crash;
  // The fault happened in the test program's own code.
  EXPECT_NE(crash.find("Address: win_dialogs_tests.exe+0x"), std::string::npos) << crash;
  EXPECT_NE(crash.find("Call stack:\r\n  #0 "), std::string::npos) << crash;
}

TEST_F(ExceptionRouting, AConversionErrorShowsErrorWithItsMessageUnchanged) {
  Application->HandleException(nullptr, std::make_exception_ptr(Exception("'abc' is not a valid integer value")));
  Application->HandleException(nullptr, std::make_exception_ptr(Exception("Board is locked.")));
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].Caption, "Error");
  EXPECT_EQ(boxes_[0].Message, "'abc' is not a valid integer value");
  EXPECT_EQ(boxes_[1].Message, "Board is locked.");
  // Nothing for the host but the cleared store at the end of each handler.
  EXPECT_EQ(TestExportTable().error_calls, (std::vector<std::string>{"clear", "clear"}));
}

TEST_F(ExceptionRouting, AHostFailureIsSevereAndGoesToTheHostWithItsTrimmedDescription) {
  Application->HandleException(nullptr, std::make_exception_ptr(EOleError("Board is locked", E_FAIL)));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(TestExportTable().error_calls, (std::vector<std::string>{"set", "handle 0", "clear"}));
}

TEST_F(ExceptionRouting, AnOutOfMemoryFailureIsSevere) {
  Application->HandleException(nullptr, std::make_exception_ptr(std::bad_alloc()));
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(TestExportTable().error_calls, (std::vector<std::string>{"set", "handle 0", "clear"}));
}

TEST_F(ExceptionRouting, TheHostBoundaryDescribesTheExceptionThenTheHandlerEndClearsTheStore) {
  HRESULT status = HostGuard([&] { throw Exception("No PCB server"); });
  EXPECT_EQ(status, E_UNEXPECTED);
  EXPECT_EQ(TestExportTable().error_calls, (std::vector<std::string>{"set", "clear"}));
  EXPECT_TRUE(TestExportTable().error_message.empty());
}

TEST_F(ExceptionRouting, AnExceptionTheBoundaryConvertsIsInTheStoreWhileTheConversionRuns) {
  auto ours = ExceptionConversionHook.Replacement();
  ExceptionConversionHook.Install([](const std::exception_ptr& caught) {
    ReportCaughtException(caught);
    TestExportTable().error_calls.push_back("seen " + ToAnsi(TestExportTable().error_message));
  });
  HostGuard([] { throw EOleError("Board is locked", E_FAIL); });
  if (ours) ExceptionConversionHook.Install(ours);
  else ExceptionConversionHook.Remove();
  EXPECT_EQ(TestExportTable().error_calls,
            (std::vector<std::string>{"set", "seen Board is locked", "clear"}));
}

TEST_F(ExceptionRouting, ARecordWithoutAnObjectIsNamedByItsCode) {
  TExceptionRecord record;
  record.Code = 0xC0000135;
  record.Address = 0x00401234;
  ReportExceptionRecord(record);
  EXPECT_EQ(ToAnsi(TestExportTable().error_message), "Error (C0000135)");
  EXPECT_EQ(TestExportTable().error_address, 0x00401234u);
  std::string crash = ToAnsi(TestExportTable().error_report);
  EXPECT_NE(crash.find("Exception: (no exception object)"), std::string::npos) << crash;
  EXPECT_NE(crash.find("Code: C0000135\r\n"), std::string::npos) << crash;
}

TEST_F(ExceptionRouting, AProcessorFaultRecordGetsItsExceptionsMessage) {
  TExceptionRecord record;
  record.Code = 0xC0000094;
  record.Address = 0x00401000;
  ReportExceptionRecord(record);
  EXPECT_EQ(ToAnsi(TestExportTable().error_message), "External exception C0000094 at address 00401000");
}

TEST_F(ExceptionRouting, AMappingThatFailsFallsBackToTheCodeName) {
  TExceptionRecord record;
  record.Code = 0xC0000005;
  record.Address = 0x10;
  ReportExceptionRecord(record, [](const TExceptionRecord&) -> std::unique_ptr<Exception> {
    throw Exception("mapping broke");
  });
  EXPECT_EQ(ToAnsi(TestExportTable().error_message), "Access Violation");
  EXPECT_EQ(TestExportTable().error_address, 0x10u);
  ReportExceptionRecord(record, [](const TExceptionRecord&) -> std::unique_ptr<Exception> {
    *nowhere = 2;
    return nullptr;
  });
  EXPECT_EQ(ToAnsi(TestExportTable().error_message), "Access Violation");
}

TEST_F(ExceptionRouting, AnObjectOfTheRuntimeGivesItsMessageAndRaiseAddress) {
  TExceptionRecord record;
  const EListError error("List index out of bounds (7)");
  record.Code = kLanguageExceptionCode;
  record.Address = 0x7B00FFFF;
  record.RaiseAddress = 0x00402000;
  record.Object = &error;
  ReportExceptionRecord(record);
  EXPECT_EQ(ToAnsi(TestExportTable().error_message), "List index out of bounds (7)");
  EXPECT_EQ(TestExportTable().error_address, 0x00402000u);
}

}  // namespace
