// Each port management, spanning tree and VLAN-map dialog opens from its menu command with the
// command's caption and owner, its global pointer set while it is shown, and the switch's data.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CommandRunner.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Erpsvlanformunit.h"
#include "Mstpportinstanceunit.h"
#include "Portmirror.h"
#include "Portsercuritydeleteformunit.h"
#include "Porttrunk.h"
#include "Spanningtreealgorithmunit.h"
#include "Startup.h"
#include "Stpinfo.h"

namespace {

struct MenuCase {
  const char* item;
  const char* caption;
  std::function<TForm*()> global;  // null: the command keeps none
  std::function<std::string(TForm&)> data;  // what the dialog shows of the switch
};

TEST(L2DialogMenus, each_command_shows_its_dialog_with_caption_global_and_data) {
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const MenuCase cases[] = {
      {"PortTrunk2", "Port Trunk: 127.0.0.1", nullptr,
       [](TForm& f) { return std::to_string(dynamic_cast<TPortTrunkForm&>(f).LV_PortTrunk->Items->Count); }},
      {"PortMirrorTable1", "Port Mirror: 127.0.0.1", nullptr,
       [](TForm& f) { return std::string(dynamic_cast<TPortMirrorForm&>(f).PortEdit->Text()); }},
      {"PortSecurityDeleteTable1", "Port Security Delete: 127.0.0.1", [] { return (TForm*)PrtSecDelCtrlForm; },
       [](TForm& f) { return std::string(dynamic_cast<TPrtSecDelCtrlForm&>(f).edtVlan->Text()); }},
      {"SpanningTreeAlgorithm1", "Spanning Tree Algorithm: 127.0.0.1", [] { return (TForm*)SpanningTreeAlgorithmForm; },
       [](TForm& f) {
         auto& d = dynamic_cast<TSpanningTreeAlgorithmForm&>(f);
         GuiTesting::ProcessUntil([&] { return !d.StateRequest->Busy; });
         return std::string(d.ComboBox1->Text());
       }},
      {"Information2", "STP Control: 127.0.0.1", [] { return (TForm*)STP_Info; },
       [](TForm& f) { return std::string(dynamic_cast<TSTP_Info&>(f).ET_AgingTime->Text()); }},
      {"InstanceInformation1", "MSTP Instance Control: 127.0.0.1", [] { return (TForm*)MSTPVLANUnitForm; },
       [](TForm& f) { return std::to_string(dynamic_cast<TMSTPVLANUnitForm&>(f).ListView1->Items->Count); }},
      {"VLANTable1", "ERPS VLAN Table: 127.0.0.1", [] { return (TForm*)ERPSVLANUnitForm; },
       [](TForm& f) { return std::to_string(dynamic_cast<TERPSVLANUnitForm&>(f).ListView1->Items->Count); }},
  };
  const char* const expectedData[] = {"2", "24", "sales", "enabled", "2000", "3", "1"};

  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  for (size_t k = 0; k < std::size(cases); ++k) {
    const MenuCase& c = cases[k];
    SCOPED_TRACE(c.item);
    const NvMenuCommand* command = NvFindMenuCommand(c.item);
    ASSERT_NE(command, nullptr);
    ASSERT_TRUE(NvMenuCommandBuilt(*command));
    std::string caption, data;
    bool global = false;
    GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
      auto& form = dynamic_cast<TFeatureDialog&>(shown);
      caption = form.Caption;
      global = !c.global || c.global() == &form;
      if (GuiTesting::ProcessUntil([&] { return form.DataComplete == 1; })) data = c.data(form);
      form.Close();
    });
    NvRunMenuCommand(*command, host);
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_EQ(caption, c.caption);
    EXPECT_TRUE(global);
    EXPECT_EQ(data, expectedData[k]);
    if (c.global) EXPECT_EQ(c.global(), nullptr);
  }
}

}  // namespace
