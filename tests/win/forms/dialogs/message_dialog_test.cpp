#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "forms/button.h"
#include "forms/dialogs/message_dialog.h"
#include "tests/win/support/ui_driver.h"

namespace {

struct TButtonCase {
  TMsgDlgBtn button;
  TModalResult result;
};

TEST(MessageDialog, EachButtonEndsTheRunWithItsModalResult) {
  for (TButtonCase c : {TButtonCase{mbOK, 1}, {mbCancel, 2}, {mbAbort, 3}, {mbRetry, 4}, {mbIgnore, 5},
                       {mbYes, 6}, {mbNo, 7}}) {
    std::unique_ptr<TMessageForm> box(CreateMessageDialog(
        "Question", mtConfirmation, {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore}));
    ASSERT_NE(box->Button(c.button), nullptr);
    EXPECT_EQ(RunModalWith(*box, [&] { ClickButton(*box->Button(c.button)); }), c.result);
  }
}

TEST(MessageDialog, KindsGiveTheirTitlesAndEscapeAndEnterTheirButtons) {
  std::unique_ptr<TMessageForm> warning(CreateMessageDialog("No hole size given.", mtWarning, {mbOK}));
  EXPECT_EQ(warning->Caption(), "Warning");
  EXPECT_TRUE(warning->Is("TMessageForm"));
  EXPECT_EQ(warning->Message(), "No hole size given.");
  EXPECT_NE(warning->FindComponent("Image"), nullptr) << "a kind with a system icon shows it";
  EXPECT_EQ(RunModalWith(*warning, [&] { PressKey(*warning->Button(mbOK), VK_ESCAPE); }), mrOk);

  std::unique_ptr<TMessageForm> error(CreateMessageDialog("Failed", mtError, {mbOK}, "Own title"));
  EXPECT_EQ(error->Caption(), "Own title");
  std::unique_ptr<TMessageForm> info(CreateMessageDialog("Done", mtInformation, {mbOK}));
  EXPECT_EQ(info->Caption(), "Information");

  std::unique_ptr<TMessageForm> yes_no(CreateMessageDialog("Sure?", mtConfirmation, {mbYes, mbNo}));
  EXPECT_EQ(yes_no->Caption(), "Confirmation");
  EXPECT_EQ(RunModalWith(*yes_no, [&] { PressKey(*yes_no->Button(mbYes), VK_ESCAPE); }), mrNo);
  std::unique_ptr<TMessageForm> again(CreateMessageDialog("Sure?", mtConfirmation, {mbYes, mbNo}));
  EXPECT_EQ(RunModalWith(*again, [&] { PressKey(*again->Button(mbYes), VK_RETURN); }), mrYes);
}

TEST(MessageDialog, CanBePlacedBeforeItRuns) {
  std::unique_ptr<TMessageForm> box(CreateMessageDialog("Placed", mtInformation, {mbOK}));
  box->SetPosition(poDesigned);
  box->SetBounds(40, 50, box->Width(), box->Height());
  RECT r{};
  RunModalWith(*box, [&] {
    GetWindowRect(box->Handle(), &r);
    ClickButton(*box->Button(mbOK));
  });
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);
}

}  // namespace
