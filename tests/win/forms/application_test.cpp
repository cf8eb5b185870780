#include "forms/application.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "tests/win/forms/modal_form.h"
#include "tests/win/support/ui_driver.h"

namespace {

TEST(Application, ItsWindowOwnsTheFormsAndCanBeOwnedByTheHostsWindow) {
  TOwnerWindow host;
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());
  Application->SetOwnerWindow(host.get());
  EXPECT_EQ(GetWindow(Application->Handle(), GW_OWNER), host.get());
  Application->SetOwnerWindow(nullptr);

  // A window adopted from the host becomes the owner of forms made from then on.
  HWND own = Application->Handle();
  Application->SetHandle(host.get());
  std::unique_ptr<TModalForm> adopted(make_form<TModalForm>(nullptr));
  EXPECT_EQ(GetWindow(adopted->Handle(), GW_OWNER), host.get());
  adopted.reset();
  Application->SetHandle(nullptr);
  EXPECT_TRUE(IsWindow(host.get())) << "an adopted window is not ours to destroy";
  EXPECT_FALSE(IsWindow(own));
  EXPECT_TRUE(IsWindow(Application->Handle()));
}

TEST(Application, IdleHandlersRunOnlyWhenNoMessageWaits) {
  TOwnerWindow window;
  int runs = 0, removed_runs = 0;
  int id = Application->AddIdleHandler([&](TObject*, bool& done) {
    ++runs;
    done = false;  // more to do: the loop must not wait
  });
  int other = Application->AddIdleHandler([&](TObject*, bool&) { ++removed_runs; });
  Application->ProcessMessages();
  Application->HandleMessage();
  Application->HandleMessage();
  EXPECT_EQ(runs, 2);
  PostMessageW(window.get(), WM_NULL, 0, 0);
  Application->HandleMessage();
  EXPECT_EQ(runs, 2) << "a waiting message goes first";
  Application->RemoveIdleHandler(other);
  Application->HandleMessage();
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(removed_runs, 2);
  Application->RemoveIdleHandler(id);
}

TEST(Application, AnIdleHandlerThatThrowsReachesTheExceptionEvent) {
  int reported = 0;
  TExceptionEvent saved = Application->OnException;
  Application->OnException = [&](TObject*, Exception&) { ++reported; };
  int id = Application->AddIdleHandler([](TObject*, bool&) { throw Exception("idle failed"); });
  Application->ProcessMessages();
  Application->HandleMessage();
  Application->RemoveIdleHandler(id);
  Application->OnException = saved;
  EXPECT_EQ(reported, 1);
}

}  // namespace
