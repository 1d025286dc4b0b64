#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"

TEST(Timer, FiresWhileEnabledAndStopsWhenDisabled) {
  TTimer timer(nullptr);
  timer.Interval = 5;
  int ticks = 0;
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    if (++ticks == 3) timer.Enabled = false;
  };
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return !timer.Enabled; }, 5000));
  EXPECT_EQ(ticks, 3);
  for (int i = 0; i < 5; ++i) Application->ProcessMessages();
  EXPECT_EQ(ticks, 3);
}

TEST(Timer, ExceptionInHandlerIsShownWithApplicationTitle) {
  GuiTesting::ScriptedAnswerer answers;
  Application->Title = "NVS-7000-D";
  TTimer timer(nullptr);
  timer.Interval = 1;
  timer.OnTimer = [&](TObject*) {
    timer.Enabled = false;
    throw Exception("no answer");
  };
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return !answers.Calls().empty(); }));
  EXPECT_EQ(answers.Calls()[0].title, "NVS-7000-D");
  EXPECT_EQ(answers.Calls()[0].text, "no answer");
}
