// Variables bound to edits, combo boxes, check boxes and a list view, read from and written
// to the simulated switch.
#include <vector>

#include "ComCtrls.h"
#include "NvSNMPRequest2Edits.h"
#include "StdCtrls.h"
#include "binding_test_support.h"

using namespace bindingtest;

namespace {

class EditsBinding : public ::testing::Test {
 protected:
  void SetUp() override { Sim()->clearSetLog(); }
  template <class C>
  C* Make() { return new C(&form); }
  std::vector<std::string> SetLog() { return Sim()->setLog(); }

  TForm form{nullptr};
  TStatusBar* bar = Make<TStatusBar>();
  GuiTesting::ScriptedAnswerer answers;
};

TEST_F(EditsBinding, ScalarGroupIsShownInItsControlsAndWrittenBack) {
  NvSNMPRequest2Edits binding(&form);
  Point(binding);
  UseScalars(binding.Request);
  binding.SetStatusControl(bar);
  auto* state = Make<TComboBox>();
  auto* name = Make<TEdit>();
  auto* interval = Make<TEdit>();
  auto* ports = Make<TEdit>();
  binding.BindControl(0, state);
  binding.BindEdits(1, "%s{l16}", name);
  binding.BindEdits(2, "%i{n1x65535l5}", interval);
  binding.BindControl(3, ports);
  binding.Asynchronous = 0;
  ASSERT_TRUE(binding.Get());
  EXPECT_EQ(state->Style(), csDropDownList);
  EXPECT_EQ(state->Items->Count, 2);
  EXPECT_EQ(state->Text(), "enabled");
  EXPECT_EQ(name->Text(), "switch-a");
  EXPECT_EQ(interval->Text(), "300");
  EXPECT_EQ(ports->Text(), "1-5,8");

  // Blocking write of what the controls hold.
  state->ItemIndex = 1;
  name->Text = "switch-b";
  interval->Text = "600";
  ports->Text = "1-2,32";
  ASSERT_TRUE(binding.Set(false, true));
  ASSERT_EQ(SetLog().size(), 1u);
  EXPECT_EQ(SetLog()[0], kScalars + ".1.0=2:2 ; " + kScalars + ".2.0=4:switch-b ; " + kScalars +
                             ".3.0=2:600 ; " + kScalars + ".4.0=4x:C0000001");
  EXPECT_TRUE(IsStatusLine(bar->SimpleText, "Set: Ok!")) << bar->SimpleText();

  // Asynchronous write; the window's own handler learns of its end.
  binding.Asynchronous = 1;
  name->Text = "switch-c";
  int done = 0, code = -1;
  binding.SetDoneHandler = [&](NvSNMPRequest2Controls*, NvSNMPError* e) {
    ++done;
    code = e->Code;
  };
  ASSERT_TRUE(binding.Set(false, true));
  ASSERT_TRUE(WaitUntil([&] { return done > 0; }));
  EXPECT_EQ(code, 0);
  ASSERT_EQ(SetLog().size(), 2u);
  EXPECT_EQ(SetLog()[1], kScalars + ".1.0=2:2 ; " + kScalars + ".2.0=4:switch-c ; " + kScalars +
                             ".3.0=2:600 ; " + kScalars + ".4.0=4x:C0000001");

  // Read back what the switch now holds.
  binding.Asynchronous = 0;
  name->Text = "";
  ASSERT_TRUE(binding.Get());
  EXPECT_EQ(name->Text(), "switch-c");
  EXPECT_EQ(state->Text(), "disabled");
  EXPECT_TRUE(answers.Calls().empty());

  // Leave the seed as it was for the other tests.
  state->ItemIndex = 0;
  name->Text = "switch-a";
  interval->Text = "300";
  ports->Text = "1-5,8";
  ASSERT_TRUE(binding.Set(false, true));
}

class TableBinding : public EditsBinding {
 protected:
  void SetUp() override {
    EditsBinding::SetUp();
    Point(binding);
    UseTable(binding.Request);
    binding.SetStatusControl(bar);
    binding.BindListView(list, true);
    binding.BindEdits(1, "%s{l16}", name);
    binding.BindCheckBoxes(2, "0,1,2,3,4,5,6,7", {boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5],
                                                 boxes[6], boxes[7]});
    binding.BindControl(3, state);
    binding.GetDoneHandler = [&](NvSNMPRequest2Controls*, NvSNMPError*) { ++walks; };
    ASSERT_TRUE(binding.Get());
    ASSERT_TRUE(WaitUntil([&] { return walks > 0; }));
  }
  std::vector<bool> Checked() const {
    std::vector<bool> checked;
    for (TCheckBox* box : boxes) checked.push_back(box->Checked);
    return checked;
  }

  NvSNMPRequest2Edits binding{&form};
  TListView* list = Make<TListView>();
  TEdit* name = Make<TEdit>();
  TComboBox* state = Make<TComboBox>();
  std::vector<TCheckBox*> boxes = {Make<TCheckBox>(), Make<TCheckBox>(), Make<TCheckBox>(), Make<TCheckBox>(),
                                   Make<TCheckBox>(), Make<TCheckBox>(), Make<TCheckBox>(), Make<TCheckBox>()};
  int walks = 0;
};

TEST_F(TableBinding, WalkFillsTheListAndSelectingARowCopiesItIntoTheControls) {
  ASSERT_EQ(list->Columns->Count, 4);
  EXPECT_EQ(list->Columns->Items[0]->Caption(), "Index");
  EXPECT_EQ(list->Columns->Items[2]->Caption(), "Ports");
  ASSERT_EQ(list->Items->Count, 3);
  TListItem* second = list->Items->Item[1];
  EXPECT_EQ(second->Caption(), "2");
  EXPECT_EQ(second->SubItems->Get(0), "vlan-b");
  EXPECT_EQ(second->SubItems->Get(1), "1-5,8[F9000000]");
  EXPECT_EQ(second->SubItems->Get(2), "disabled");
  // After a walk the controls wait for a row to be chosen.
  EXPECT_FALSE(name->Enabled);
  EXPECT_FALSE(boxes[0]->Enabled);

  list->Selected = second;
  EXPECT_TRUE(name->Enabled);
  EXPECT_TRUE(state->Enabled);
  EXPECT_EQ(name->Text(), "vlan-b");
  EXPECT_EQ(state->Text(), "disabled");
  EXPECT_EQ(Checked(), (std::vector<bool>{true, true, true, true, true, false, false, true}));
  EXPECT_EQ(*binding.Request.Vars.GetVar(0)->Value, "2");

  // The choice taken away: they wait for a row again, as after the walk.
  list->Selected = nullptr;
  EXPECT_FALSE(name->Enabled);
  EXPECT_FALSE(state->Enabled);
  EXPECT_FALSE(boxes[0]->Enabled);
}

TEST_F(TableBinding, EditedRowIsWrittenAsynchronouslyAndTheTableReadAgain) {
  list->Selected = list->Items->Item[0];
  name->Text = "vlan-x";
  boxes[7]->Checked = true;
  state->ItemIndex = 1;
  walks = 0;
  int writes = 0;
  binding.SetDoneHandler = [&](NvSNMPRequest2Controls*, NvSNMPError*) { ++writes; };
  ASSERT_TRUE(binding.Set(true, true));
  ASSERT_TRUE(WaitUntil([&] { return writes > 0 && walks > 0; }));
  ASSERT_EQ(SetLog().size(), 1u);
  EXPECT_EQ(SetLog()[0], kTable + ".2.1=4:vlan-x ; " + kTable + ".3.1=4x:C1000000 ; " + kTable + ".4.1=2:2");
  ASSERT_EQ(list->Items->Count, 3);
  EXPECT_EQ(list->Items->Item[0]->SubItems->Get(1), "1-2,8[C1000000]");

  // Put the row back.
  list->Selected = list->Items->Item[0];
  name->Text = "vlan-a";
  boxes[7]->Checked = false;
  state->ItemIndex = 0;
  binding.Asynchronous = 0;
  ASSERT_TRUE(binding.Set(true, true));
  EXPECT_EQ(list->Items->Item[0]->SubItems->Get(1), "1-2[C0000000]");
}

// Some switches send fewer octets than the boxes cover: the missing ports read as unticked,
// and the row is shown whole.
TEST_F(TableBinding, PortListShorterThanTheBoundPositionsReadsAsZeroPadded) {
  TList more;
  std::vector<TCheckBox*> extra = {Make<TCheckBox>(), Make<TCheckBox>()};
  for (TCheckBox* box : extra) more.Add(box);
  binding.BindControlList(2, "0,9", &more);  // position 9 lies in the second octet
  extra[1]->Checked = true;
  list->Selected = list->Items->Item[2];     // vlan-c: one octet of ports
  EXPECT_TRUE(answers.Calls().empty());
  EXPECT_FALSE(IsStatusLine(bar->SimpleText, "Get: " + NvErrorText(-519))) << bar->SimpleText();
  EXPECT_TRUE(extra[0]->Checked);
  EXPECT_FALSE(extra[1]->Checked);
  EXPECT_EQ(name->Text(), "vlan-c");
}

// A walk holds the list's painting while rows come in; however the walk ends, the list
// paints again.
TEST_F(TableBinding, ListPaintsAgainWhenTheWalkEndsOrIsStopped) {
  EXPECT_TRUE(GuiTesting::Paints(list));

  // Stopped at its first row.
  walks = 0;
  list->OnDataStateChange = [&](TObject*) {
    if (list->Items->Count == 1) binding.Stop();
  };
  ASSERT_TRUE(binding.Get());
  ASSERT_TRUE(WaitUntil([&] { return walks > 0; }));
  EXPECT_EQ(list->Items->Count, 1);
  EXPECT_TRUE(GuiTesting::Paints(list));

  // A blocking walk to its end.
  list->OnDataStateChange = nullptr;
  binding.Request.Active = 1;
  binding.Asynchronous = 0;
  ASSERT_TRUE(binding.Get());
  EXPECT_EQ(list->Items->Count, 3);
  EXPECT_TRUE(GuiTesting::Paints(list));
}

TEST_F(EditsBinding, RowConditionsChooseTheRowsShown) {
  NvSNMPRequest2Edits binding(&form);
  Point(binding);
  UseTable(binding.Request);
  auto* list = Make<TListView>();
  binding.BindListView(list, false);
  binding.Asynchronous = 0;
  binding.Request.RowCondition = "$1<>\"vlan-b\"";
  ASSERT_TRUE(binding.Get());
  ASSERT_EQ(list->Items->Count, 2);
  EXPECT_EQ(list->Items->Item[1]->Caption(), "3");
  binding.ShowCondition = "$3=1";  // state enabled
  binding.Request.RowCondition.clear();
  ASSERT_TRUE(binding.Get());
  ASSERT_EQ(list->Items->Count, 2);
  EXPECT_EQ(list->Items->Item[0]->SubItems->Get(0), "vlan-a");
  EXPECT_EQ(list->Items->Item[1]->SubItems->Get(0), "vlan-c");
}

// Bindings without the switch: the variables' values are set by hand.
class LocalBinding : public EditsBinding {
 protected:
  void SetUp() override { UseScalars(binding.Request); }
  std::string& Value(int i) { return *binding.Request.Vars.GetVar(i)->Value; }
  NvSNMPRequest2Edits binding{&form};
};

TEST_F(LocalBinding, CheckBoxFollowsTheOptionListOrABooleanSyntax) {
  auto* box = Make<TCheckBox>();
  binding.BindControl(0, box);  // integer with {1 enabled, 2 disabled}
  Value(0) = "disabled";
  binding.ValuesToControls(-1);
  EXPECT_TRUE(box->Checked);
  Value(0) = "enabled";
  binding.ValuesToControls(-1);
  EXPECT_FALSE(box->Checked);
  Value(0) = "disabled";
  binding.ControlsToValues(0);
  EXPECT_EQ(Value(0), "enabled");

  auto* plain = Make<TCheckBox>();
  binding.BindControl(2, plain);  // integer without option list
  try {
    binding.ValuesToControls(2);
    ADD_FAILURE() << "a check box needs an option list or a boolean syntax";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -517);
  }
  try {
    binding.BindControl(1, Make<TComboBox>());
    ADD_FAILURE() << "a combo box needs an option list";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -520);
  }
}

TEST_F(LocalBinding, RefusedEntryGoesBackToTheValueShown) {
  auto* interval = Make<TEdit>();
  int ownExits = 0;
  interval->OnExit = [&](TObject*) { ++ownExits; };
  binding.BindEdits(2, "%i{n1x65535l5}", interval);
  Value(2) = "300";
  binding.ValuesToControls(2);
  interval->Text = "70000";
  interval->OnExit(interval);
  ASSERT_EQ(answers.Calls().size(), 1u);
  EXPECT_EQ(interval->Text(), "300");

  binding.Unbind(2);
  interval->OnExit(interval);
  EXPECT_EQ(ownExits, 1);
  EXPECT_EQ(interval->Text(), "300");
}

// A value over several "%h" edits: a shorter one empties the edits past its end, so that no
// byte of the longer value before it is shown or collected with it.
TEST_F(LocalBinding, ShorterValueOverHexEditsEmptiesTheEditsPastItsEnd) {
  binding.Request.Vars.AddVar((kScalars + ".5").c_str(), "Key", NvSyntax::octetstr, NvAccess::readwrite, nullptr);
  std::vector<TCustomEdit*> edits;
  for (int k = 0; k < 4; ++k) edits.push_back(Make<TEdit>());
  binding.BindEdits(4, "%h%h%h%h", edits);
  Value(4) = "11223344";
  binding.ValuesToControls(4);
  ASSERT_EQ(edits[3]->Text(), "44");
  Value(4) = "AABB";
  binding.ValuesToControls(4);
  EXPECT_EQ(edits[0]->Text() + edits[1]->Text(), "AABB");
  EXPECT_EQ(edits[2]->Text(), "");
  EXPECT_EQ(edits[3]->Text(), "");
  binding.ControlsToValues(4);
  EXPECT_EQ(Value(4), "AABB");
  // An emptied edit is the value shown: leaving it refuses nothing and brings back no old byte.
  edits[3]->OnExit(edits[3]);
  EXPECT_EQ(edits[3]->Text(), "");
  EXPECT_TRUE(answers.Calls().empty());
}

// A port list typed where no value gives the bitmap's length, as in a row being added.
TEST_F(LocalBinding, TypedPortListWithoutAValueIsSizedFromTheModelOrRefused) {
  struct Case {
    int modelPorts;
    const char* typed;
    const char* sent;  // nullptr: refused
  };
  const Case cases[] = {
      {28, "1-3", "E0000000"},     {28, "30", "00000004"}, {10, "1-3", "E000"},
      {28, "40", "0000000001"},    {28, "all", "FFFFFFFF"}, {28, " 0 ", "00000000"},
      {0, "9", "0080"},            {28, "3-1", nullptr},    {28, "1,x", nullptr},
      {0, "all", nullptr},         {28, "1,99999", nullptr},
  };
  auto* ports = Make<TEdit>();
  binding.BindControl(3, ports);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " over " + std::to_string(c.modelPorts) + " ports");
    binding.FallbackPortCount = c.modelPorts;
    Value(3) = "";
    ports->Text = c.typed;
    if (c.sent) {
      binding.ControlsToValues(3);
      EXPECT_EQ(Value(3), c.sent);
    } else {
      try {
        binding.ControlsToValues(3);
        ADD_FAILURE() << "accepted as " << Value(3);
      } catch (const Exception& e) {
        EXPECT_NE(e.Message.find(std::string("Bad port list \"") + c.typed + "\" for Ports"), std::string::npos)
            << e.Message;
      }
    }
  }
}

// Collecting before a SET: a list that does not fit the value stops the SET, and the values
// stay as they were so that a corrected retry is sized alike.
TEST_F(LocalBinding, RefusedPortListStopsCollectingAndKeepsTheValues) {
  auto* name = Make<TEdit>();
  auto* ports = Make<TEdit>();
  binding.BindEdits(1, "%s{l16}", name);
  binding.BindControl(3, ports);
  Value(1) = "switch-a";
  Value(3) = "F0";
  binding.ValuesToControls(-1);
  EXPECT_EQ(ports->Text(), "1-4");
  name->Text = "switch-b";
  ports->Text = "1-9";
  try {
    binding.CollectValues();
    ADD_FAILURE() << "port 9 of an 8-port value accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Bad port list \"1-9\" for Ports: ports 1 to 8 as in 1-5,8");
  }
  EXPECT_EQ(Value(1), "switch-a");
  EXPECT_EQ(Value(3), "F0");
  ports->Text = "2,8";
  binding.CollectValues();
  EXPECT_EQ(Value(1), "switch-b");
  EXPECT_EQ(Value(3), "41");
}

TEST_F(EditsBinding, EditsAndListKeepWorkingAfterTheirBindingIsGone) {
  auto* name = Make<TEdit>();
  auto* list = Make<TListView>();
  {
    NvSNMPRequest2Edits binding(&form);
    UseTable(binding.Request);
    binding.BindEdits(1, "%s{l16}", name);
    binding.BindListView(list, true);
  }
  name->Text = "still typed";
  FireEvent(name->OnExit, name);
  list->Items->Add()->Caption = "1";
  list->Selected = list->Items->Item[0];
  EXPECT_EQ(name->Text(), "still typed");
  EXPECT_TRUE(answers.Calls().empty());
}

}  // namespace
