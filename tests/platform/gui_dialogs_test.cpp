#include <gtest/gtest.h>

#include "Dialogs.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "Windows.h"

using GuiTesting::BoxKind;

TEST(MessageBoxes, ScriptedAnswersAreGivenAndRecorded) {
  Application->Title = "NVS-7000-D";
  GuiTesting::ScriptedAnswerer answers;
  answers.Answer(IDCANCEL);
  answers.Answer(IDNO);

  EXPECT_EQ(MessageDlg("Refresh panel may take a long time. Are you sure?", mtConfirmation, mbOK | mbCancel, 0), mrCancel);
  EXPECT_EQ(MessageDlg("Delete?", mtConfirmation, mbYesNo, 0), mrNo);
  EXPECT_EQ(MessageBoxA(nullptr, "Bad value", Application->Title().c_str(), MB_OK), IDOK);  // unscripted: first button
  ShowMessage("Get data not complete");

  const auto& calls = answers.Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, BoxKind::MessageDlg);
  EXPECT_EQ(calls[0].title, "Confirm");
  EXPECT_EQ(calls[0].buttons, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(calls[1].buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(calls[2].kind, BoxKind::MessageBox);
  EXPECT_EQ(calls[2].title, "NVS-7000-D");
  EXPECT_EQ(calls[2].text, "Bad value");
  EXPECT_EQ(calls[3].kind, BoxKind::ShowMessage);
  EXPECT_EQ(calls[3].title, "NVS-7000-D");
  EXPECT_EQ(calls[3].buttons, (std::vector<int>{IDOK}));
}

TEST(MessageBoxes, WarningHasOneOkButton) {
  GuiTesting::ScriptedAnswerer answers;
  MessageDlg("Some items are empty.", mtWarning, mbOK, 0);
  ASSERT_EQ(answers.Calls().size(), 1u);
  EXPECT_EQ(answers.Calls()[0].title, "Warning");
  EXPECT_EQ(answers.Calls()[0].buttons, (std::vector<int>{IDOK}));
}
