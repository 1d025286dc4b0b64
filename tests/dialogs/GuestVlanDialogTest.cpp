// The guest VLAN dialog against the simulated switch: the guest VLAN shown, the name written only
// when it changes, and the delete action.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "DialogTestSupport.h"
#include "Guestvlanformunit.h"

namespace {

using namespace dialogtest;

const std::string kName = "1.3.6.1.4.1.32473.12.30.1.1.0";
const std::string kPorts = "1.3.6.1.4.1.32473.12.30.1.2.0";

class GuestVlanDialog : public ::testing::Test {
 protected:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    PointSessionAt(*sim);
    form = new TGuestVlanForm(nullptr);
    form->Show();
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }

  std::unique_ptr<SwitchSim> sim;
  TGuestVlanForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(GuestVlanDialog, shows_the_guest_vlan_and_its_ports) {
  Open();
  EXPECT_EQ(form->edtName->Text(), "guest");
  EXPECT_EQ(form->Edit1->Text(), "guest");
  EXPECT_EQ(CheckedPorts(form->Picker), (std::vector<int>{9, 10, 11, 12}));
  EXPECT_EQ(form->pgc1->PageCount, 1);
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(GuestVlanDialog, changing_only_the_ports_sends_the_ports_without_the_name) {
  Open();
  TogglePorts(form->Picker, {13});
  GuiTesting::UserClick(form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kPorts + "=4x:00F8000000000000"}));
  EXPECT_EQ(CheckedPorts(form->Picker), (std::vector<int>{9, 10, 11, 12, 13}));  // read again
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(GuestVlanDialog, a_new_name_is_sent_with_the_ports) {
  Open();
  Retype(form->edtName, "visitors");
  GuiTesting::UserClick(form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kName + "=4:visitors ; " + kPorts + "=4x:00F0000000000000"}));
  EXPECT_EQ(form->Edit1->Text(), "visitors");
}

TEST_F(GuestVlanDialog, first_guest_vlan_sends_name_and_ports) {
  SwitchSim::Options options;
  options.extraSeeds = {TestSeed("guest-vlan-unset.snmprec")};
  Open(options);
  EXPECT_EQ(form->Edit1->Text(), "");
  Retype(form->edtName, "guest");
  TogglePorts(form->Picker, {1, 2});
  GuiTesting::UserClick(form->SetBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kName + "=4:guest ; " + kPorts + "=4x:C000000000000000"}));
}

TEST_F(GuestVlanDialog, delete_starts_the_delete_action_without_asking_and_reads_again) {
  Open();
  GuiTesting::UserClick(form->DelBtn);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{"1.3.6.1.4.1.32473.12.30.1.3.0=2:2"}));
  EXPECT_EQ(form->cbxDel->Text(), "start");
  EXPECT_EQ(form->edtName->Text(), "guest");  // what the switch reports
  EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
