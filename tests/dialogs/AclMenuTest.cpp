// The menu items of the access profile and rule dialogs open them on the switch, captioned
// with the item's title and the address, their form global set while they are shown.
#include <gtest/gtest.h>

#include <string>

#include "AclFamily.h"
#include "CommandRunner.h"
#include "Cpuethernetinformaitonrule.h"
#include "Cpufilteripv6ruleunit.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Ethernetinformationruleunit.h"
#include "Ipruleunit.h"
#include "Ipv6maskinfoformunit.h"
#include "Ipv6ruleinfoformunit.h"
#include "Packetcontentruleunit.h"
#include "Startup.h"

namespace {

struct MenuCase {
  const char* item;
  const char* caption;
  int rows;
  std::function<TForm*()> global;  // null: the dialog has none
};

TEST(AclMenu, each_item_shows_its_dialog_with_the_switch_rows_and_its_caption) {
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const MenuCase cases[] = {
      {"IPMaskInformation1", "IP Mask: 127.0.0.1", 6, nullptr},
      {"IPMaskCPUFilter1", "IP Mask (CPU Interface Filtering): 127.0.0.1", 3, nullptr},
      {"IPRule1", "IP Rule: 127.0.0.1", 3, [] { return IPRuleForm; }},
      {"IPRuleCPUFilter1", "IP Rule (CPU Interface Filtering): 127.0.0.1", 3, nullptr},
      {"EthernetMask1", "Ethernet Mask: 127.0.0.1", 4, nullptr},
      {"RuleOfEthernetInformation1", "Ethernet Rule: 127.0.0.1", 3, [] { return EthernetInformationRuleForm; }},
      {"EthernetMaskCPUFilter1", "Ethernet Mask (CPU Interface Filtering): 127.0.0.1", 2, nullptr},
      {"EthernetRuleCPUFilter1", "Ethernet Rule (CPU Interface Filtering): 127.0.0.1", 3,
       [] { return CPUEthernetInformationRuleForm; }},
      {"PacketContentMaskCPUFilter1", "Packet Content Mask (CPU Interface Filtering): 127.0.0.1", 2,
       [] { return CPUUserMaskInfoForm; }},
      {"PacketContentRuleCPUFilter1", "Packet Content Rule (CPU Interface Filtering): 127.0.0.1", 3,
       [] { return CPUUserMaskRuleForm; }},
      {"IPv6MaskInformation1", "IPv6 Mask Information: 127.0.0.1", 3, [] { return IPv6MaskInfoForm; }},
      {"IPv6Rule1", "IPv6 Rule: 127.0.0.1", 2, [] { return Ipv6RuleForm; }},
      {"PacketContentRuleManagement1", "Packet Content Rule Table: 127.0.0.1", 2, [] { return PacketContentRuleForm; }},
      {"IPv6RuleCPUFilter1", "IPv6 Rule (CPU Interface Filtering): 127.0.0.1", 2,
       [] { return CPUFilterIPV6RuleForm; }},
  };
  TForm mainWindow(nullptr);
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.item);
    const NvMenuCommand* command = NvFindMenuCommand(c.item);
    ASSERT_NE(command, nullptr);
    ASSERT_TRUE(NvMenuCommandBuilt(*command));
    std::string title;
    NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
    std::string caption;
    bool global = false;
    int rows = -1;
    GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
      auto* form = dynamic_cast<TAclDialogBase*>(&shown);
      ASSERT_NE(form, nullptr);
      caption = form->Caption;
      global = !c.global || c.global() == form;
      ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }));
      rows = form->List->Items->Count;
      GuiTesting::UserCloseWindow(form);
    });
    NvRunMenuCommand(*command, host);
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_EQ(caption, c.caption);
    EXPECT_TRUE(global);
    EXPECT_EQ(rows, c.rows);
    if (c.global) {
      EXPECT_EQ(c.global(), nullptr);  // cleared once the dialog has gone
    }
  }
}

}  // namespace
