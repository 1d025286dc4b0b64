// The menu items of the forwarding-table dialogs open their dialog on the switch, with the
// menu row's title and the address as caption, their global form set while shown.
#include <gtest/gtest.h>

#include <string>

#include "CommandRunner.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Dot1vprotocolportunit.h"
#include "FeatureDialog.h"
#include "Guestvlanformunit.h"
#include "MenuDialogDriver.h"
#include "Nlbfdbformunits.h"
#include "Portcapabilities8021dformunit.h"
#include "Staticfilterformunits.h"
#include "Startup.h"
#include "Trafficforwardunit1.h"
#include "Vlancurrenttableformunit.h"
#include "Vlanportinfomationunit.h"

namespace {

struct MenuCase {
  const char* item;
  const char* caption;
  int rows;  // -1: no list
  std::function<bool(TForm*)> isGlobal;  // the global form points at the shown dialog
};

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.item; }

class L2ForwardingMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(L2ForwardingMenu, item_shows_its_dialog_with_the_switchs_rows) {
  const MenuCase& c = GetParam();
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  const dialogtest::MenuOpened opened = dialogtest::OpenByMenu(c.item, c.isGlobal);
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, std::string(c.caption) + ": 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, L2ForwardingMenu,
    ::testing::Values(
        MenuCase{"PortCapbility1", "Port Capability Form", 28,
                 [](TForm* f) { return PortCapabilities8021dForm == f; }},
        MenuCase{"TrafficSegmentationTable1", "Traffic Segmentation Table", 28, [](TForm*) { return true; }},
        MenuCase{"NLBMulticastFDBSettings1", "NLB Multicast FDB Settings", 3,
                 [](TForm* f) { return NLBMulticastFDBForm == f; }},
        MenuCase{"UnicastFDBTable1", "NLB Unicast FDB Settings", 2,
                 [](TForm* f) { return NLBUnicastFDBForm == f; }},
        MenuCase{"MulticastInformation1", "Multicast Filter Information", 3,
                 [](TForm* f) { return MulticastFilterInformationForm == f; }},
        MenuCase{"UnicastInformation1", "Unicast Filter Information", 2,
                 [](TForm* f) { return UnicastFilterInformationForm == f; }},
        MenuCase{"GuestVLAN1", "Guest VLAN", -1, [](TForm* f) { return GuestVlanForm == f; }},
        MenuCase{"PortTable6", "Protocol VLAN Port Table", 3, [](TForm* f) { return dot1vProtocolPortForm == f; }},
        MenuCase{"CurrentForm1", "VLAN Current", 4, [](TForm* f) { return VLanCurrentTableForm == f; }},
        MenuCase{"PortsInfo1", "VLAN Port Information Form", 28,
                 [](TForm* f) { return VLanPortInfomationForm == f; }}),
    [](const ::testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.item); });

}  // namespace
