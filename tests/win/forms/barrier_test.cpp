#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/fault_guard.h"
#include "forms/application.h"
#include "tests/win/forms/modal_form.h"
#include "tests/win/support/ui_driver.h"

namespace {

// Records what reaches the application's exception event, and restores the event afterwards.
class TExceptionEventRecorder {
 public:
  TExceptionEventRecorder() : saved_(Application->OnException) {
    Application->OnException = [this](TObject* sender, Exception& e) {
      senders.push_back(sender);
      messages.push_back(e.Message());
      access_violation.push_back(e.Is("EAccessViolation"));
      external.push_back(e.Is(EExternal::StaticClass()));
    };
  }
  ~TExceptionEventRecorder() { Application->OnException = saved_; }
  std::vector<TObject*> senders;
  std::vector<std::string> messages;
  std::vector<bool> access_violation, external;

 private:
  TExceptionEvent saved_;
};

void WriteThroughNull() {
  volatile int* p = nullptr;
  *p = 1;
}

struct TFaultCase {
  const char* name;
  void (*raise)();
  bool access_violation;
  const char* message_start;
};

class BarrierTest : public ::testing::TestWithParam<TFaultCase> {};

TEST_P(BarrierTest, AHandlerFailureReachesTheExceptionEventAndTheDialogKeepsWorking) {
  TExceptionEventRecorder recorder;
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  form->on_throw_click = GetParam().raise;
  TModalResult result = RunModalWith(*form, [&] {
    ClickButton(*form->ThrowButton);
    ClickButton(*form->ThrowButton);
    // The dialog still answers: OK runs its handler and ends the run.
    ClickButton(*form->OkButton);
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(form->ok_clicks, 1);
  ASSERT_EQ(recorder.messages.size(), 2u);
  // The click arrives as the parent window's notification, so the form's barrier reports it.
  EXPECT_EQ(recorder.senders[0], form.get());
  EXPECT_EQ(recorder.access_violation[0], GetParam().access_violation);
  EXPECT_EQ(recorder.external[0], GetParam().access_violation);
  EXPECT_EQ(recorder.messages[0].rfind(GetParam().message_start, 0), 0u) << recorder.messages[0];
}

INSTANTIATE_TEST_SUITE_P(
    Forms, BarrierTest,
    ::testing::Values(TFaultCase{"Exception", [] { throw Exception("Handler failed"); }, false, "Handler failed"},
                      TFaultCase{"StdException", [] { throw std::runtime_error("runtime failure"); }, false,
                                "runtime failure"},
                      TFaultCase{"AccessViolation", &WriteThroughNull, true, "Access violation at address"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaultGuard, ReportsTheFaultAndRunsOnAfterwards) {
  for (int round = 0; round < 3; ++round) {
    std::exception_ptr e = RunGuarded(&WriteThroughNull);
    ASSERT_TRUE(e);
    try {
      std::rethrow_exception(e);
    } catch (const EAccessViolation& av) {
      EXPECT_EQ(av.Code(), 0xC0000005u);
      EXPECT_NE(av.Message().find("Write of address 00000000"), std::string::npos) << av.Message();
    }
  }
  int ran = 0;
  EXPECT_FALSE(RunGuarded([&] { ++ran; }));
  EXPECT_EQ(ran, 1);
}

TEST(FaultGuard, OtherFaultsBecomeExternalExceptionsAlsoWhenNotContinuable) {
  for (DWORD flags : {DWORD{0}, DWORD{EXCEPTION_NONCONTINUABLE}}) {
    std::exception_ptr e = RunGuarded([flags] { RaiseException(0xC0000135, flags, 0, nullptr); });
    ASSERT_TRUE(e);
    try {
      std::rethrow_exception(e);
    } catch (const EAccessViolation&) {
      ADD_FAILURE() << "not an access violation";
    } catch (const EExternal& x) {
      EXPECT_EQ(x.Code(), 0xC0000135u);
    }
  }
}

TEST(FaultGuard, NestedGuardsCatchAtTheInnermost) {
  bool inner_faulted = false;
  std::exception_ptr outer = RunGuarded([&] {
    inner_faulted = static_cast<bool>(RunGuarded(&WriteThroughNull));
  });
  EXPECT_TRUE(inner_faulted);
  EXPECT_FALSE(outer);
}

TEST(ApplicationExceptionEvent, AFailingEventIsSwallowed) {
  TExceptionEvent saved = Application->OnException;
  Application->OnException = [](TObject*, Exception&) { throw Exception("event failed too"); };
  EXPECT_NO_THROW(Application->HandleException(nullptr, std::make_exception_ptr(Exception("first"))));
  Application->OnException = saved;
}

}  // namespace
