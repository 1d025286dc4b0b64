// VLAN list texts and bitmap chunks, the form-wide control helpers, and deleting a row of the
// simulated switch's trusted host table through its row-status column.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Catalogue.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FormHelpers.h"
#include "Forms.h"
#include "GuiTestGuards.h"
#include "GuiTesting.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPSession.h"
#include "Oid_agent.h"
#include "SessionSupport.h"
#include "StdCtrls.h"
#include "SwitchSim.h"

namespace {

SwitchSim* sim = nullptr;

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    GuardAgainstUnscriptedWindows();
    StartSessionInScratchFolder("formhelpers");
    NvCatalogueStartup();
    sim = new SwitchSim();
  }
  void TearDown() override {
    delete sim;
    NvCatalogueShutdown();
  }
};
::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

std::string Zeros(size_t n) { return std::string(n, '0'); }

TEST(VlanLists, ListBecomesBitmapAndBack) {
  struct Case {
    int chunk;
    std::string list;
    std::string bitmap;
  };
  const Case cases[] = {
      {0, "1-5,7", "FA" + Zeros(126)},
      {0, "0", Zeros(128)},
      {0, "1-2", "C0" + Zeros(126)},
      {0, "8", "01" + Zeros(126)},
      {0, "1-8", "FF" + Zeros(126)},
      {0, "512", Zeros(126) + "01"},
      {1, "513-517,519", "FA" + Zeros(126)},
      {7, "4094", Zeros(127) + "4"},  // 4094 = 3584 + 510: bit 0x04 of byte 63
  };
  for (const Case& c : cases) {
    std::string text = c.list;
    ASSERT_TRUE(VlanListToBitmap(text, c.chunk)) << c.list;
    EXPECT_EQ(text, c.bitmap) << c.list;
    EXPECT_EQ(BitmapToVlanList(c.bitmap, c.chunk, false), c.list) << c.list;
  }
}

TEST(VlanLists, WholeChunkRangeAndBracketedSource) {
  std::string text = "1-512";
  ASSERT_TRUE(VlanListToBitmap(text, 0));
  EXPECT_EQ(text, std::string(128, 'F'));
  EXPECT_EQ(BitmapToVlanList(text, 0, false), "1-512");
  EXPECT_EQ(BitmapToVlanList("fa", 1, true), "513-517,519[fa]");
  EXPECT_EQ(BitmapToVlanList("", 0, false), "0");
  EXPECT_EQ(BitmapToVlanList("C0F", 0, false), "1-2");  // a final odd digit is no byte
}

TEST(VlanLists, ReversedRangeIsRefusedAndLeftAsTyped) {
  GuiTesting::ScriptedAnswerer boxes;
  std::string text = "5-1";
  EXPECT_FALSE(ParseVlanList(text, 0));
  EXPECT_FALSE(VlanListToBitmap(text, 0));
  EXPECT_EQ(text, "5-1");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(VlanLists, VlanOutsideTheChunkIsRefusedWithAMessageNotFolded) {
  struct Case {
    int chunk;
    std::string list;
  };
  const Case cases[] = {{0, "1000"}, {0, "1-5,513"}, {0, "500-600"}, {1, "7"}, {7, "4097"}};
  for (const Case& c : cases) {
    GuiTesting::ScriptedAnswerer boxes;
    std::string text = c.list;
    EXPECT_FALSE(VlanListToBitmap(text, c.chunk)) << c.list;
    EXPECT_EQ(text, c.list);
    ASSERT_EQ(boxes.Calls().size(), 1u) << c.list;
    EXPECT_NE(boxes.Calls()[0].text.find("outside"), std::string::npos) << boxes.Calls()[0].text;
  }
}

TEST(VlanLists, LongListsAreNotCutShort) {
  std::string text;
  for (int vlan = 1; vlan <= 511; vlan += 2) text += (text.empty() ? "" : ",") + std::to_string(vlan);
  ASSERT_GT(text.size(), 900u);  // far beyond any fixed line buffer
  const std::string typed = text;
  ASSERT_TRUE(VlanListToBitmap(text, 0));
  std::string odd;
  for (int k = 0; k < 64; ++k) odd += "AA";
  EXPECT_EQ(text, odd);
  EXPECT_EQ(BitmapToVlanList(text, 0, false), typed);
}

TEST(VlanLists, ANumberThatIsNoWholeNumberThrows) {
  for (const char* bad : {"abc", "1-x", "2.5", "-3", ""}) EXPECT_THROW(ParseVlanList(bad, 0), Exception) << bad;
}

class FormControls : public ::testing::Test {
 protected:
  void SetUp() override {
    for (TEdit*& e : edits) {
      e = new TEdit(&form);
      e->Text = "typed";
    }
    combo = new TComboBox(&form);
    combo->Items->Add("first");
    combo->Items->Add("second");
    combo->ItemIndex = 1;
    for (TCheckBox*& b : boxes) b = new TCheckBox(&form);
    boxes[0]->Checked = true;
    // Owned by a panel of the form, not by the form: left alone.
    nested = new TEdit(new TPanel(&form));
    nested->Text = "nested";
  }
  TForm form{nullptr};
  TEdit* edits[2]{};
  TComboBox* combo = nullptr;
  TCheckBox* boxes[2]{};
  TEdit* nested = nullptr;
};

TEST_F(FormControls, ResetWithoutFlagsChecksEveryBoxAndLeavesValues) {
  ResetFormControls(&form, false, false, false);
  EXPECT_TRUE(boxes[0]->Checked());
  EXPECT_TRUE(boxes[1]->Checked());
  EXPECT_EQ(edits[0]->Text(), "typed");
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(FormControls, ResetWithAllFlagsEmptiesTheWholeForm) {
  ResetFormControls(&form, true, true, true);
  EXPECT_FALSE(boxes[0]->Checked());
  EXPECT_EQ(edits[0]->Text(), "");
  EXPECT_EQ(edits[1]->Text(), "");
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(nested->Text(), "nested");
}

TEST_F(FormControls, DisableGreysTheFlaggedKindsAndEnableUndoesIt) {
  DisableFormControls(&form, true, false, true);
  EXPECT_FALSE(edits[0]->Enabled());
  EXPECT_EQ(edits[0]->Color(), clBtnFace);
  EXPECT_TRUE(combo->Enabled());
  EXPECT_FALSE(boxes[1]->Enabled());
  EnableFormControls(&form, true, true, true);
  EXPECT_TRUE(edits[0]->Enabled());
  EXPECT_EQ(edits[0]->Color(), clWindow);
  EXPECT_TRUE(boxes[1]->Enabled());
}

class RowDeletion : public ::testing::Test {
 protected:
  void SetUp() override {
    sim->clearSetLog();
    binding.Request.Vars = NvSNMPVarList(TrustedHostTable, MVT_UMV, 1);
    binding.Request.Port = sim->port();
    binding.Request.Version = 1;
    binding.Request.TimeOut = 300;  // a slow reply is waited for, not sent again
    binding.SetStatusControl(bar);
    list->Parent = &form;
    list->SetBounds(0, 0, 400, 200);
    binding.BindListView(list, true);
    form.Show();
    ASSERT_TRUE(binding.Get());
    ASSERT_TRUE(WaitUntil([&] { return !binding.Busy; }));
  }
  void TearDown() override { sim->clearFaults(); }
  // The row showing address, or null.
  TListItem* Row(const std::string& address) const {
    for (int i = 0; i < list->Items->Count; ++i) {
      TListItem* item = list->Items->Item[i];
      if (item->Caption() == address) return item;
      for (int c = 0; c < item->SubItems->Count; ++c)
        if (item->SubItems->Get(c) == address) return item;
    }
    return nullptr;
  }
  void Select(const std::string& address) {
    TListItem* row = Row(address);
    ASSERT_NE(row, nullptr) << address;
    GuiTesting::UserClickItem(list, row);
    ASSERT_EQ(list->Selected(), row);
  }
  TForm form{nullptr};
  TStatusBar* bar = new TStatusBar(&form);
  TListView* list = new TListView(&form);
  NvSNMPRequest2Edits binding{&form};
  GuiTesting::ScriptedAnswerer answers;
};

const std::string kTrustedHost = "1.3.6.1.4.1.32473.12.1.2.10.1.1";

TEST_F(RowDeletion, OkDestroysTheSelectedRowNotTheLastOneWalked) {
  // The row is chosen while a walk goes on over the rows after it.
  sim->setDelay(150);
  ASSERT_TRUE(binding.Get());
  ASSERT_TRUE(WaitUntil([&] { return Row("10.90.90.90") != nullptr; }));
  Select("10.90.90.90");
  ASSERT_TRUE(WaitUntil([&] { return !binding.Busy; }));
  sim->clearFaults();
  ASSERT_EQ(*binding.Request.Vars.GetVar(0)->Value, "3");  // where the walk left the variables
  answers.Answer(IDOK);
  ConfirmDeleteRow(&binding, 3, "destroy");
  ASSERT_EQ(answers.Calls().size(), 1u);
  EXPECT_EQ(answers.Calls()[0].text, "Are you sure to delete it?");
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{kTrustedHost + ".3.1=2:6"});
  EXPECT_EQ(binding.Asynchronous, 1);
  for (int i = 0; i < binding.Request.Vars.GetCount(); ++i)
    EXPECT_EQ(binding.Request.Vars.GetVar(i)->Access & NvAccess::invalid, 0) << i;
  ASSERT_TRUE(WaitUntil([&] { return !binding.Busy; }));
  EXPECT_EQ(Row("10.90.90.90"), nullptr);
  EXPECT_NE(Row("10.90.90.92"), nullptr);
}

TEST_F(RowDeletion, CancelSendsNothing) {
  Select("10.90.90.92");
  answers.Answer(IDCANCEL);
  ConfirmDeleteRow(&binding, 3, "destroy");
  EXPECT_EQ(answers.Calls().size(), 1u);
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(RowDeletion, WithoutASelectedRowNothingIsAskedOrSent) {
  ASSERT_EQ(list->Selected(), nullptr);
  ConfirmDeleteRow(&binding, 3, "destroy");
  EXPECT_TRUE(answers.Calls().empty());
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(RowDeletion, IsRefusedWhileAWalkRuns) {
  Select("10.90.90.92");
  sim->setDelay(200);
  ASSERT_TRUE(binding.Get());
  ASSERT_TRUE(binding.Reading());
  ConfirmDeleteRow(&binding, 3, "destroy");
  ASSERT_EQ(answers.Calls().size(), 1u);
  EXPECT_EQ(answers.Calls()[0].text, "Get data not complete");
  EXPECT_TRUE(sim->setLog().empty());
  binding.Stop();
  EXPECT_TRUE(WaitUntil([&] { return !binding.Busy; }));
}

}  // namespace
