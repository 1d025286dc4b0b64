// The port mirror dialog against the simulated switch: what it reads, the three SETs of Set in
// their order (switchsim's SET log) and how it shows a state it cannot name.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "NvSNMPRequest2Edits.h"
#include "Portmirror.h"
#include "StackingPortUitForm.h"
#include "SwitchValues.h"

namespace {

using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kGroup = "1.3.6.1.4.1.32473.11.113.1.3.2.6.";

class PortMirrorDialog : public ::testing::Test {
 protected:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    dialogtest::PointSessionAt(*sim);
    form = new TPortMirrorForm(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->Visible(); }));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  std::unique_ptr<SwitchSim> sim;
  TPortMirrorForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(PortMirrorDialog, opens_with_the_mirror_group_and_reads_the_trunk_table_beside_it) {
  Open();
  EXPECT_EQ(dialogtest::CheckedPorts(form->IngressPicker), (std::vector<int>{1, 2}));
  EXPECT_EQ(dialogtest::CheckedPorts(form->EgressPicker), (std::vector<int>{3}));
  EXPECT_EQ(form->PortEdit->Text(), "24");
  EXPECT_EQ(form->UnitEdit->Text(), "1");
  EXPECT_TRUE(form->CK_Status->Checked);
  EXPECT_EQ(form->LV_PortTrunk->Items->Count, 2);
  EXPECT_EQ(form->Width, 711);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PortMirrorDialog, set_writes_the_group_then_the_received_then_the_sent_ports) {
  Open();
  UserClick(dialogtest::PortBox(form->IngressPicker, 2));  // out
  UserClick(dialogtest::PortBox(form->EgressPicker, 5));   // in
  dialogtest::Retype(form->PortEdit, "20");
  UserClick(form->CK_Status);  // mirroring off
  UserClick(form->BT_Set);
  const std::string rx = kGroup + "2.0=4x:8000000000000000", tx = kGroup + "3.0=4x:2800000000000000";
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{rx + " ; " + tx + " ; " + kGroup + "4.0=2:20 ; " + kGroup + "5.0=2:2", rx, tx}));
  EXPECT_EQ(dialogtest::SwitchValue(kGroup + "5.0", NvSyntax::integer), "2");
  EXPECT_FALSE(form->CK_Status->Checked);
  EXPECT_EQ(form->PortEdit->Text(), "20");
  for (int i = 0; i < form->MirrorRequest->Request.Vars.GetCount(); ++i)
    EXPECT_EQ(form->MirrorRequest->Request.Vars.GetVar(i)->Access, NvAccess::readwrite) << i;
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PortMirrorDialog, set_with_no_source_port_writes_empty_port_sets) {
  Open();
  form->IngressPicker->UncheckAll();
  form->EgressPicker->UncheckAll();
  UserClick(form->BT_Set);
  const std::string rx = kGroup + "2.0=4x:0000000000000000", tx = kGroup + "3.0=4x:0000000000000000";
  EXPECT_EQ(sim->setLog(),
            (std::vector<std::string>{rx + " ; " + tx + " ; " + kGroup + "4.0=2:24 ; " + kGroup + "5.0=2:3", rx, tx}));
}

TEST_F(PortMirrorDialog, a_refused_set_is_reported_and_the_others_still_go) {
  Open();
  sim->setSubtreeError(kGroup + "2", 10);  // the received ports are refused
  UserClick(form->BT_Set);
  EXPECT_EQ(sim->setLog().size(), 3u);
  ASSERT_EQ(boxes.Calls().size(), 1u);  // SET 1 and SET 2 refused, told once with what SET 3 made
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_NE(boxes.Calls()[0].text.find("\nThese changes were made: TX Member Ports.\n"
                                       "These changes were not made: RX Member Ports, "),
            std::string::npos)
      << boxes.Calls()[0].text;
}

TEST_F(PortMirrorDialog, a_state_that_is_no_option_is_not_shown_as_mirroring) {
  SwitchSim::Options options;
  options.extraSeeds = {dialogtest::TestSeed("mirror-unknown-state.snmprec")};
  Open(options);
  EXPECT_FALSE(form->CK_Status->Checked);
}

}  // namespace
