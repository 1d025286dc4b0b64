// The row on show is the row chosen, however it was chosen: a row reached with the keys shows
// what a click on it shows, a write then goes to that row with its own values, and a refused
// entry goes back to the chosen row's value, or to empty without one.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Cosbrandctrltable.h"
#include "DialogTestSupport.h"
#include "Dot3pauseformunit.h"
#include "ExtCtrls.h"
#include "Ismvlanformunit.h"
#include "Ipruleunit.h"
#include "Ipv6maskinfoformunit.h"
#include "Ipv6ruleinfoformunit.h"
#include "NvSNMPRequest2Edits.h"
#include "Snoopingrouterportsunits.h"
#include "StackingPortUitForm.h"
#include "TableDialogDriver.h"
#include "Timerangeformunit.h"
#include "Windows.h"

namespace {

using dialogtest::FindRow;
using dialogtest::kLongWait;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

// Everything the dialog shows outside the list being chosen in: each control's text, choice,
// tick and whether it can be used, by its place among the dialog's components.
using Shown = std::map<std::string, std::string>;

void Collect(TComponent* owner, TListView* chooser, const std::string& path, Shown& shown) {
  for (int i = 0; i < owner->ComponentCount; ++i) {
    TComponent* component = owner->Components[i];
    const std::string key = path + "/" + std::to_string(i) + ":" + component->Name();
    if (auto* control = dynamic_cast<TControl*>(component); control && control != chooser &&
                                                            !dynamic_cast<TStatusBar*>(control)) {
      std::string value = control->Enabled ? "on " : "off ";
      if (auto* edit = dynamic_cast<TCustomEdit*>(control)) value += edit->Text();
      else if (auto* combo = dynamic_cast<TComboBox*>(control)) value += combo->Text() + "#" + std::to_string(combo->ItemIndex);
      else if (auto* box = dynamic_cast<TCheckBox*>(control)) value += box->Checked ? "ticked" : "unticked";
      else if (auto* group = dynamic_cast<TRadioGroup*>(control)) value += std::to_string(group->ItemIndex);
      else if (auto* list = dynamic_cast<TListView*>(control)) {
        for (int r = 0; r < list->Items->Count; ++r)
          for (const std::string& cell : dialogtest::Cells(list->Items->Item[r])) value += cell + "|";
      } else value += control->Caption();
      shown[key] = value;
    }
    Collect(component, chooser, key, shown);
  }
}

Shown ShownBy(TForm* form, TListView* chooser) {
  Shown shown;
  Collect(form, chooser, "", shown);
  return shown;
}

// Clicks the row, then presses the key in the list, as a person moving on with the keyboard.
void ClickThenKey(TListView* list, const std::vector<std::string>& from, unsigned short key) {
  dialogtest::ChooseRow(list, from);
  GuiTesting::UserFocus(list);
  GuiTesting::UserKey(list, key);
}

class ChosenRow : public ::testing::Test {
 protected:
  void Open(TFeatureDialog* dialog) {
    form = dialog;
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, kLongWait));
    sim->clearSetLog();
  }
  void Start(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    dialogtest::PointSessionAt(*sim);
  }
  void TearDown() override { delete form; }
  void Press(TButton* button) {
    UserClick(button);
    ASSERT_TRUE(ProcessUntil([&] { return form->DataComplete == 1 && !form->Table->Busy; }, kLongWait));
  }

  std::unique_ptr<SwitchSim> sim;
  TFeatureDialog* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

// One dialog: the row a key reaches from a clicked one, and another row to click in between.
struct KeyCase {
  const char* Name;
  std::function<TFeatureDialog*()> Make;
  std::vector<std::string> From;
  unsigned short Key;
  std::vector<std::string> Reached;
  std::vector<std::string> Elsewhere;
  // What the dialog fills itself for the reached row, when the case checks it.
  std::function<bool(TFeatureDialog*)> ShowsReached = nullptr;
};

const KeyCase kKeyCases[] = {
    {"CoS bandwidth", [] { return new TCoSBrandwidthctrlForm(nullptr); }, {"1", "1"}, VK_DOWN, {"1", "2"}, {"1", "0"},
     [](TFeatureDialog* f) -> bool { return static_cast<TCoSBrandwidthctrlForm*>(f)->NOLIMITRBT->Checked; }},
    {"time range", [] { return new TTimeRangeForm(nullptr); }, {"backup"}, VK_DOWN, {"weekend"}, {"office-hours"},
     [](TFeatureDialog* f) -> bool {
       auto* t = static_cast<TTimeRangeForm*>(f);
       return !t->DayBoxes[0]->Checked && t->DayBoxes[5]->Checked && t->DayBoxes[6]->Checked;
     }},
    {"dot3 pause", [] { return new Tdot3PauseForm(nullptr); }, {"1"}, VK_DOWN, {"2"}, {"5"},
     [](TFeatureDialog* f) -> bool {
       return static_cast<Tdot3PauseForm*>(f)->CounterRequest->Request.Vars.InstanceSuffix == "2";
     }},
    {"IGMP multicast VLAN", [] { return new TISMVLANForm(nullptr); }, {"100"}, VK_DOWN, {"200"}, {"100"}},
    {"IGMP router ports", [] { return new TIGMPRouterPortsForm(nullptr); }, {"10"}, VK_DOWN, {"20"}, {"1"}},
    {"IPv6 rule", [] { return new TIpv6RuleForm(nullptr); }, {"1", "1"}, VK_DOWN, {"5", "2"}, {"1", "1"}},
    {"IPv6 profile", [] { return new TIPv6MaskInfoForm(nullptr); }, {"2"}, VK_DOWN, {"5"}, {"1"},
     [](TFeatureDialog* f) -> bool {  // udp: the source port field is of no use
       auto* p = static_cast<TIPv6MaskInfoForm*>(f);
       return !p->SourcePortEdit->Enabled && p->DstPortEdit->Enabled;
     }},
    {"IP rule", [] { return new TIPRuleForm(nullptr); }, {"1", "1"}, VK_DOWN, {"2", "1"}, {"4", "3"},
     [](TFeatureDialog* f) -> bool {  // priority disabled
       return !static_cast<TIPRuleForm*>(f)->PriorityEdit->Enabled;
     }},
};

TEST_F(ChosenRow, a_row_reached_with_the_keys_shows_what_a_click_on_it_shows) {
  Start();
  for (const KeyCase& c : kKeyCases) {
    SCOPED_TRACE(c.Name);
    Open(c.Make());
    TListView* list = form->List;
    ClickThenKey(list, c.From, c.Key);
    ASSERT_EQ(list->Selected(), FindRow(list, c.Reached));
    if (c.ShowsReached) EXPECT_TRUE(c.ShowsReached(form));
    const Shown byKey = ShownBy(form, list);
    dialogtest::ChooseRow(list, c.Elsewhere);
    dialogtest::ChooseRow(list, c.Reached);
    EXPECT_EQ(byKey, ShownBy(form, list));
    // Nothing chosen: the row buttons go off with the row.
    list->ClearSelection();
    for (TControl* button : form->RowButtons) EXPECT_FALSE(button->Enabled) << button->Name();
    delete form;
    form = nullptr;
  }
}

const std::string kCosRate = "1.3.6.1.4.1.32473.12.61.3.9.1.4";

TEST_F(ChosenRow, cos_set_after_a_key_writes_the_reached_entry_with_its_own_rate) {
  Start();
  auto* cos = new TCoSBrandwidthctrlForm(nullptr);
  Open(cos);
  ClickThenKey(cos->ListView1, {"1", "1"}, VK_DOWN);  // 1.1 has 512, 1.2 no limit
  EXPECT_TRUE(cos->NOLIMITRBT->Checked);
  Press(cos->EditButton);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kCosRate + ".1.2=2:0"}));
  EXPECT_EQ(dialogtest::SwitchValue(kCosRate, "1.1", NvSyntax::integer), "512");
}

const std::string kWeekDays = "1.3.6.1.4.1.32473.12.50.3.1.1.2";
const std::string kEndTime = "1.3.6.1.4.1.32473.12.50.3.1.1.4";
const std::string kWeekend = "7.119.101.101.107.101.110.100";

TEST_F(ChosenRow, time_range_edit_after_a_key_keeps_the_reached_range_s_days) {
  Start();
  auto* ranges = new TTimeRangeForm(nullptr);
  Open(ranges);
  ClickThenKey(ranges->ListView1, {"backup"}, VK_DOWN);  // backup: Sun,Mon; weekend: Sat,Sun
  ranges->edtEnd->Text = "";
  GuiTesting::UserType(ranges->edtEnd, "22:00:00");
  Press(ranges->btnSet);
  // The days packed as the dialog packs them (a comma before every day but Monday), not
  // backup's "Mon,Sun".
  EXPECT_EQ(dialogtest::SwitchValue(kWeekDays, kWeekend, NvSyntax::displaystr), ",Sat,Sun");
  EXPECT_EQ(dialogtest::SwitchValue(kEndTime, kWeekend, NvSyntax::displaystr), "22:00:00");
}

const std::string kRemap = "1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.10";

// VLAN 100 remaps to priority 4: a refused priority typed for a new VLAN goes back to empty,
// and with a row chosen by the keys to that row's own priority.
TEST_F(ChosenRow, a_refused_entry_goes_back_to_the_chosen_row_s_value_or_to_empty) {
  Start();
  auto* vlans = new TISMVLANForm(nullptr);
  Open(vlans);
  dialogtest::ChooseRow(vlans->lvISMVLAN, {"100"});
  EXPECT_EQ(vlans->Edit_RemapPriority->Text(), "4");
  GuiTesting::UserFocus(vlans->lvISMVLAN);
  GuiTesting::UserKey(vlans->lvISMVLAN, VK_DOWN);  // VLAN 200 remaps nothing (-1)
  boxes.Answer(IDOK);
  vlans->Edit_RemapPriority->Text = "";
  GuiTesting::UserType(vlans->Edit_RemapPriority, "9");
  GuiTesting::UserFocus(vlans->ED_VLANName);
  EXPECT_EQ(vlans->Edit_RemapPriority->Text(), "-1");

  vlans->lvISMVLAN->ClearSelection();  // Add mode
  ASSERT_TRUE(vlans->AddBtn->Enabled);
  boxes.Answer(IDOK);
  GuiTesting::UserType(vlans->Edit_RemapPriority, "9");
  GuiTesting::UserFocus(vlans->ED_VLANName);
  EXPECT_EQ(vlans->Edit_RemapPriority->Text(), "");
  GuiTesting::UserType(vlans->ED_VLANID, "300");
  GuiTesting::UserType(vlans->ED_VLANName, "new-300");
  Press(vlans->AddBtn);
  ASSERT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(sim->setLog()[0].find(kRemap), std::string::npos) << sim->setLog()[0];
}

// A switch that sends fewer octets than the boxes: the row reads as zero-padded, and every
// control shows it, so Set writes the row's own values.
TEST_F(ChosenRow, a_short_port_list_shows_the_chosen_row_in_every_control) {
  SwitchSim::Options options;
  options.extraSeeds = {dialogtest::TestSeed("short-port-lists.snmprec")};
  Start(options);

  auto* vlans = new TISMVLANForm(nullptr);
  Open(vlans);
  dialogtest::ChooseRow(vlans->lvISMVLAN, {"100"});
  dialogtest::ChooseRow(vlans->lvISMVLAN, {"150"});
  EXPECT_EQ(vlans->ED_VLANName->Text(), "short-list");
  EXPECT_EQ(vlans->edtSourceIP->Text(), "10.15.0.1");
  EXPECT_EQ(vlans->Edit_RemapPriority->Text(), "2");
  EXPECT_EQ(vlans->cbxVLANState->ItemIndex, 1);  // disabled, as listed
  EXPECT_TRUE(vlans->MemberPicker->CheckBoxes->Count > 9);
  auto ticked = [](TStackingPortUitForm* picker) {
    std::string ports;
    for (int i = 0; i < picker->CheckBoxes->Count; ++i)
      if (static_cast<TCheckBox*>(picker->CheckBoxes->Get(i))->Checked) ports += std::to_string(i + 1) + ",";
    return ports;
  };
  EXPECT_EQ(ticked(vlans->MemberPicker), "2,3,");
  EXPECT_EQ(ticked(vlans->SourcePicker), "9,");
  Press(vlans->SetBtn);
  ASSERT_FALSE(sim->setLog().empty());
  const std::string member = "1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.4";
  EXPECT_EQ(dialogtest::SwitchValue(member, "150", NvSyntax::bitstr).substr(0, 4), "6000");
  EXPECT_EQ(dialogtest::SwitchValue(kRemap, "150", NvSyntax::integer), "2");
  // Such a row is deleted like any other, without a box.
  sim->clearSetLog();
  dialogtest::ChooseRow(vlans->lvISMVLAN, {"150"});
  Press(vlans->DeleteBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{"1.3.6.1.4.1.32473.11.113.1.3.2.7.8.1.8.150=2:6"}));
  EXPECT_EQ(FindRow(vlans->lvISMVLAN, {"150"}), nullptr);
  EXPECT_TRUE(boxes.Calls().empty());
  delete form;
  form = nullptr;

  auto* routers = new TIGMPRouterPortsForm(nullptr);
  Open(routers);
  dialogtest::ChooseRow(routers->ListView1, {"20"});
  dialogtest::ChooseRow(routers->ListView1, {"15"});
  EXPECT_EQ(ticked(routers->ForbiddenPicker), "");
  EXPECT_EQ(ticked(routers->StaticPicker), "1,");
  Press(routers->btnSet);
  const std::string forbidden = "1.3.6.1.4.1.32473.12.73.3.1.4.1.15";
  EXPECT_EQ(dialogtest::SwitchValue(forbidden, "15", NvSyntax::bitstr).find_first_not_of('0'), std::string::npos);
}

}  // namespace
