// VLAN > 802.1Q > 802.1Q VLAN > Static Table opens the static VLAN dialog on the switch.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "CommandRunner.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Startup.h"
#include "Vlanstaticformunit.h"

namespace {

TEST(VlanStaticMenu, static_table_command_shows_the_dialog_with_its_caption_and_global) {
  SwitchSim sim;
  dialogtest::PointSessionAt(sim);
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand("StaticForm1");
  ASSERT_NE(command, nullptr);
  ASSERT_TRUE(NvMenuCommandBuilt(*command));

  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  std::string caption;
  bool global = false, owned = false;
  int rows = -1;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    auto* form = dynamic_cast<TVlanStaticForm*>(&shown);
    ASSERT_NE(form, nullptr);
    caption = form->Caption;
    global = VlanStaticForm == form;
    owned = form->Owner() == &mainWindow;
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }));
    rows = form->LV_dot1qVlanStaticEntry->Items->Count;
    GuiTesting::UserClick(form->btnClose);
  });
  NvRunMenuCommand(*command, host);
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(caption, "VLAN Static: 127.0.0.1");
  EXPECT_TRUE(global);
  EXPECT_TRUE(owned);
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(VlanStaticForm, nullptr);  // cleared once the dialog has gone
}

}  // namespace
