// The CoS bandwidth dialog against the simulated switch: "No Limit" for a rate of 0, the rate
// checks, and the one column its Set writes (switchsim's SET log).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Cosbrandctrltable.h"
#include "DialogTestSupport.h"
#include "NvSNMPRequest2Edits.h"
#include "TableDialogDriver.h"

namespace {

using dialogtest::ChooseRow;
using dialogtest::RowCells;
using GuiTesting::BoxKind;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kRate = "1.3.6.1.4.1.32473.12.61.3.9.1.4";

class CosBandwidth : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
    form = new TCoSBrandwidthctrlForm(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1; }, dialogtest::kLongWait));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  void TypeRate(const std::string& text) {
    form->rateEdit->Text = "";
    GuiTesting::UserType(form->rateEdit, text);
  }
  void Press(TButton* button) {
    UserClick(button);
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, dialogtest::kLongWait));
  }
  std::string Rate(const std::string& port, const std::string& cos) {
    const auto cells = RowCells(form->ListView1, {port, cos});
    return cells.size() == 3 ? cells[2] : "(no row)";
  }

  std::unique_ptr<SwitchSim> sim;
  TCoSBrandwidthctrlForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(CosBandwidth, lists_every_class_of_every_port_with_no_limit_for_zero) {
  EXPECT_EQ(form->ListView1->Items->Count, 28 * 8);
  EXPECT_EQ(form->StaticText1->Caption(), "224");
  EXPECT_EQ(Rate("1", "0"), "64");
  EXPECT_EQ(Rate("1", "2"), "No Limit");
  EXPECT_EQ(Rate("12", "5"), "1024000");
  EXPECT_FALSE(form->EditButton->Enabled);

  ChooseRow(form->ListView1, {"1", "2"});
  EXPECT_TRUE(form->NOLIMITRBT->Checked);
  EXPECT_EQ(form->rateEdit->Text(), "0");
  EXPECT_FALSE(form->rateEdit->Enabled);
  EXPECT_TRUE(form->EditButton->Enabled);
  ChooseRow(form->ListView1, {"1", "1"});
  EXPECT_FALSE(form->NOLIMITRBT->Checked);
  EXPECT_EQ(form->rateEdit->Text(), "512");
  EXPECT_TRUE(form->rateEdit->Enabled);
  EXPECT_EQ(form->PortText->Caption(), "1");
  EXPECT_EQ(form->ClassIDText->Caption(), "1");
}

TEST_F(CosBandwidth, set_writes_the_rate_of_the_chosen_entry) {
  struct Case {
    const char* Typed;
    bool NoLimit;
    const char* Sent;
    const char* Listed;
  };
  const Case cases[] = {
      {"0064", false, "64", "64"},
      {"1024000", false, "1024000", "1024000"},
      {"5000", true, "0", "No Limit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Typed);
    sim->clearSetLog();
    ChooseRow(form->ListView1, {"3", "4"});
    if (form->NOLIMITRBT->Checked) UserClick(form->NOLIMITRBT);  // a rate can be typed again
    TypeRate(c.Typed);
    if (c.NoLimit) UserClick(form->NOLIMITRBT);
    Press(form->EditButton);
    EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kRate + ".3.4=2:" + c.Sent}));
    EXPECT_EQ(dialogtest::SwitchValue(kRate, "3.4", NvSyntax::integer), c.Sent);
    EXPECT_EQ(Rate("3", "4"), c.Listed);
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CosBandwidth, bad_rates_are_refused_and_nothing_is_sent) {
  struct Case {
    const char* Typed;
    const char* Message;  // null: the status bar tells
  };
  const Case cases[] = {
      {"63", "Please input a number between 64 and 1024000!"},
      {"1024001", "Please input a number between 64 and 1024000!"},
      {"", "Please input a rate number!"},
      {"12ab", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Typed);
    const size_t before = boxes.Calls().size();
    ChooseRow(form->ListView1, {"1", "1"});
    TypeRate(c.Typed);
    UserClick(form->EditButton);
    if (c.Message) {
      ASSERT_EQ(boxes.Calls().size(), before + 1);
      EXPECT_EQ(boxes.Calls().back().text, c.Message);
    } else {
      EXPECT_EQ(boxes.Calls().size(), before);
      EXPECT_NE(form->StatusBar1->Panels->Items[0]->Text().find("not a valid integer"), std::string::npos);
    }
    EXPECT_EQ(form->DataComplete, 1);
  }
  // Unticking "No Limit" empties the rate, so Set asks for one.
  ChooseRow(form->ListView1, {"1", "2"});
  UserClick(form->NOLIMITRBT);
  EXPECT_EQ(form->rateEdit->Text(), "");
  UserClick(form->EditButton);
  EXPECT_EQ(boxes.Calls().back().text, "Please input a rate number!");
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(CosBandwidth, refused_set_is_reported_and_changes_nothing) {
  sim->setSubtreeError(kRate, 17);
  ChooseRow(form->ListView1, {"1", "0"});
  TypeRate("128");
  Press(form->EditButton);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].kind, BoxKind::MessageBox);
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  sim->clearFaults();  // the walk after the write met the fault too
  Press(form->GetButton);
  EXPECT_EQ(Rate("1", "0"), "64");
  EXPECT_EQ(dialogtest::SwitchValue(kRate, "1.0", NvSyntax::integer), "64");
}

TEST_F(CosBandwidth, refresh_during_a_walk_is_refused_until_stopped) {
  sim->setDelay(50);
  UserClick(form->GetButton);
  ASSERT_EQ(form->DataComplete, 0);
  UserClick(form->GetButton);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Get data not complete!");
  UserClick(form->StopButton);
  sim->setDelay(0);
  ASSERT_TRUE(ProcessUntil([&] { return !form->Table->Busy; }, dialogtest::kLongWait));
  Press(form->GetButton);
  EXPECT_EQ(form->ListView1->Items->Count, 224);
  EXPECT_EQ(boxes.Calls().size(), 1u);
}

}  // namespace
