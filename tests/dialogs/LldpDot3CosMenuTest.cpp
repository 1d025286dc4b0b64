// The menu items of the LLDP, dot3 pause and control and CoS bandwidth dialogs open their
// dialog on the switch, captioned with the item's title and the address, with the dialog's
// global form variable set while it is shown and cleared afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CommandRunner.h"
#include "Cosbrandctrltable.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Dot3controlformunit.h"
#include "Dot3pauseformunit.h"
#include "FeatureDialog.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "Lldpdot3linkaggtable.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldpdot3remotelinkaggtable.h"
#include "Lldplocalsysdatatable.h"
#include "Lldpportconfigtable.h"
#include "Lldpremotetable.h"
#include "Startup.h"

namespace {

struct MenuCase {
  const char* Item;
  const char* Caption;
  std::function<TForm*()> Global;
  bool HasRows;  // the dialog lists the switch's rows
};

const MenuCase Cases[] = {
    {"ProtocolTable1", "Configuration Protocol Table: 127.0.0.1", [] { return LLDPConfigProtocolForm; }, true},
    {"ProtocolVLANTable1", "Configuration Protocol VLAN  Table: 127.0.0.1", [] { return LLDPConfigProtocolVLANForm; },
     true},
    {"VLANNameTable1", "Configuration VLAN Name Table: 127.0.0.1", [] { return LLDPConfigVLANNameForm; }, true},
    {"PortConfiguration1", "Port Configuration Table: 127.0.0.1", [] { return LLDPPortConfigForm; }, true},
    {"PortConfigurationTable1", "LLDP Dot3 Port Configuration Table: 127.0.0.1", [] { return LLDPDot3PortConfigForm; },
     true},
    {"SystemData1", "Local System Data: 127.0.0.1", [] { return LLDPLocSysDataForm; }, false},
    {"RemoteTable2", "LLDP Remote Table: 127.0.0.1", [] { return LLDPRemoteForm; }, true},
    {"LinkAggregationTable1", "Local Link Aggregation Table: 127.0.0.1", [] { return LLDPDot3LinkAggForm; }, true},
    {"LinkAggregationTable2", "Remote Link Aggregation Table: 127.0.0.1", [] { return LLDPDot3RemoteLinkAggForm; },
     true},
    {"dot3PauseTable1", "Dot3 Pause Table: 127.0.0.1", [] { return dot3PauseForm; }, true},
    {"dot3ControlTable1", "Dot3 Control Table: 127.0.0.1", [] { return dot3ControlForm; }, true},
    {"CoSBandwidthControlSettings1", "CoS Bandwidth Control Table: 127.0.0.1", [] { return CoSBrandwidthctrlForm; },
     true},
};

class DialogMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(DialogMenu, item_shows_its_dialog_on_the_switch) {
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand(GetParam().Item);
  ASSERT_NE(command, nullptr);
  ASSERT_TRUE(NvMenuCommandBuilt(*command));

  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  std::string caption;
  bool global = false;
  int rows = -1;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    auto* form = dynamic_cast<TFeatureDialog*>(&shown);
    ASSERT_NE(form, nullptr);
    caption = form->Caption;
    global = GetParam().Global() == form;
    // The window closes whatever was seen, or the modal run would never end.
    EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 60000));
    if (form->List) rows = form->List->Items->Count;
    form->Close();
  });
  NvRunMenuCommand(*command, host);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(caption, GetParam().Caption);
  EXPECT_TRUE(global);
  if (GetParam().HasRows) EXPECT_GT(rows, 0);
  EXPECT_EQ(GetParam().Global(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Items, DialogMenu, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.Item); });

}  // namespace
