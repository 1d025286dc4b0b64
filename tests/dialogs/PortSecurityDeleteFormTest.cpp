// The port security delete dialog against the simulated switch: what it reads, the one SET of
// Set (switchsim's SET log) and the input it refuses.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "NvSNMPRequest2Edits.h"
#include "Portsercuritydeleteformunit.h"
#include "SwitchValues.h"

namespace {

using dialogtest::Retype;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

const std::string kGroup = "1.3.6.1.4.1.32473.11.113.1.3.2.15.3.";

class PortSecurityDeleteDialog : public ::testing::Test {
 protected:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    dialogtest::PointSessionAt(*sim);
    form = new TPrtSecDelCtrlForm(nullptr);
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return form->Visible(); }));
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  void Fill(const std::string& vlan, const std::string& port, const std::string& mac) {
    Retype(form->edtVlan, vlan);
    Retype(form->PortEdit, port);
    Retype(form->edtMac, mac);
  }

  std::unique_ptr<SwitchSim> sim;
  TPrtSecDelCtrlForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(PortSecurityDeleteDialog, opens_with_the_group_and_the_port_split_into_unit_and_port) {
  Open();
  EXPECT_EQ(form->edtVlan->Text(), "sales");
  EXPECT_EQ(form->UnitEdit->Text(), "1");
  EXPECT_EQ(form->PortEdit->Text(), "5");
  EXPECT_EQ(form->edtMac->Text(), "001A2B3C4D5E");
  EXPECT_EQ(form->cbxOper->Text(), "none");
  EXPECT_EQ(form->Width, 409);  // the stored size, not scaled
  ASSERT_EQ(form->SecurityEreaseLockUnitInfoList.size(), 1u);
  EXPECT_EQ(form->SecurityEreaseLockUnitInfoList[0].PortCount, 28);
  EXPECT_NE(form->StatusBar1->Panels->Items[0]->Text().find("Receive"), std::string::npos)
      << form->StatusBar1->Panels->Items[0]->Text();
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PortSecurityDeleteDialog, port_of_another_unit_is_shown_as_that_unit_and_written_back_as_unit_1) {
  SwitchSim::Options options;
  options.extraSeeds = {dialogtest::TestSeed("portsec-unit2.snmprec")};  // port number 65
  Open(options);
  EXPECT_EQ(form->UnitEdit->Text(), "2");
  EXPECT_EQ(form->PortEdit->Text(), "1");

  UserClick(form->btnSet);
  ASSERT_EQ(sim->setLog().size(), 1u);
  EXPECT_NE(sim->setLog()[0].find(kGroup + "2.0=2:1 "), std::string::npos) << sim->setLog()[0];
}

TEST_F(PortSecurityDeleteDialog, set_sends_name_port_mac_and_start_in_one_set_and_reads_nothing_back) {
  Open();
  Fill("lab", "7", "00a0c9f1e2d3");  // lower case passes
  UserClick(form->btnSet);
  const std::vector<std::string> expected = {kGroup + "1.0=4:lab ; " + kGroup + "2.0=2:7 ; " + kGroup +
                                             "3.0=4x:00A0C9F1E2D3 ; " + kGroup + "4.0=2:2"};
  EXPECT_EQ(sim->setLog(), expected);
  EXPECT_TRUE(boxes.Calls().empty());
  EXPECT_EQ(dialogtest::SwitchValue(kGroup + "3.0", NvSyntax::macaddress), "00A0C9F1E2D3");
  EXPECT_EQ(form->cbxOper->Text(), "start");  // as sent: no read after the SET
  EXPECT_EQ(form->UnitEdit->Text(), "1");
}

TEST_F(PortSecurityDeleteDialog, refuses_bad_input_with_its_message_and_sends_nothing) {
  struct Case {
    const char* vlan;
    const char* port;
    const char* mac;
    const char* message;
    const char* portAfter;
  };
  const Case cases[] = {
      {"", "x", "zz", "You should input VLAN name.", "x"},  // first failing test only
      {"lab", "", "001A2B3C4D5E", "You should input valid port.", ""},
      {"lab", "0", "001A2B3C4D5E", "You should input valid port.", "0"},
      {"lab", "abc", "001A2B3C4D5E", "You should input valid port.", "abc"},
      {"lab", "29", "001A2B3C4D5E", "You should input valid port.", "0"},  // past the 28 ports
      {"lab", "3", "00-1A-2B-3C-4D-5E", "You should input valid MAC address.", "3"},
      {"lab", "3", "001A2B3C4D5", "You should input valid MAC address.", "3"},
      {"lab", "3", "001A2B3C4D5E7", "You should input valid MAC address.", "3"},  // 13 digits
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.vlan) + "|" + c.port + "|" + c.mac);
    GuiTesting::ScriptedAnswerer caseBoxes;
    form->edtVlan->Text = c.vlan;
    form->PortEdit->Text = c.port;
    form->edtMac->Text = c.mac;
    UserClick(form->btnSet);
    ASSERT_EQ(caseBoxes.Calls().size(), 1u);
    EXPECT_EQ(caseBoxes.Calls()[0].text, c.message);
    EXPECT_EQ(form->PortEdit->Text(), c.portAfter);
  }
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(PortSecurityDeleteDialog, switch_refusing_the_set_is_reported_in_a_message_box) {
  Open();
  sim->setSubtreeError(kGroup + "3", 10);  // wrongValue
  Fill("lab", "7", "00A0C9F1E2D3");
  UserClick(form->btnSet);
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].title, "NVS-7000-D");
  EXPECT_EQ(sim->setLog().size(), 1u);
}

}  // namespace
