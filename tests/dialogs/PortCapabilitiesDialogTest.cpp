// The 802.1D port capabilities dialog against the simulated switch: what it lists, at opening
// and on Refresh, and an empty table.
#include <gtest/gtest.h>

#include <memory>

#include "DialogDriving.h"
#include "DialogTestSupport.h"
#include "Portcapabilities8021dformunit.h"

namespace {

using namespace dialogtest;

class PortCapabilitiesDialog : public ::testing::Test {
 protected:
  void Open(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    PointSessionAt(*sim);
    form = new TPortCapabilities8021dForm(nullptr);
    form->Show();
  }
  void TearDown() override { delete form; }

  std::unique_ptr<SwitchSim> sim;
  TPortCapabilities8021dForm* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

TEST_F(PortCapabilitiesDialog, lists_every_port_with_its_capability_octets_once_opened) {
  Open();
  TListView* list = form->LV_dot1dPortCapabilitiesEntry;
  // The read blocks: the rows are there as soon as the window is.
  ASSERT_EQ(list->Items->Count, 28);
  EXPECT_EQ(form->ST_Count->Caption(), "28");
  EXPECT_EQ(Captions(list).front(), "1");
  EXPECT_EQ(Cell(list, "1", 1), "E0");
  EXPECT_EQ(Cell(list, "28", 1), "C0");
  ASSERT_EQ(list->Columns->Count, 2);
  EXPECT_EQ(list->Columns->Items[0]->Caption(), "Port");
  EXPECT_EQ(list->Columns->Items[1]->Caption(), "Port Capabilities");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(PortCapabilitiesDialog, refresh_reads_the_table_again_in_place_of_the_old_rows) {
  Open();
  GuiTesting::UserClick(form->RefreshBtn);
  EXPECT_EQ(form->LV_dot1dPortCapabilitiesEntry->Items->Count, 28);
  EXPECT_EQ(form->ST_Count->Caption(), "28");
  EXPECT_EQ(Cell(form->LV_dot1dPortCapabilitiesEntry, "25", 1), "C0");
  EXPECT_TRUE(sim->setLog().empty());
}

TEST_F(PortCapabilitiesDialog, empty_table_shows_no_row_and_zero) {
  SwitchSim::Options options;
  options.defaultSeed = false;
  Open(options);
  EXPECT_EQ(form->LV_dot1dPortCapabilitiesEntry->Items->Count, 0);
  EXPECT_EQ(form->ST_Count->Caption(), "0");
  GuiTesting::UserClick(form->RefreshBtn);
  EXPECT_EQ(form->ST_Count->Caption(), "0");
}

}  // namespace
