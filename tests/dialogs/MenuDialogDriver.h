// Opening a feature dialog through its menu item's command, as the main window does, and
// noting what it showed once its first read had ended.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CommandRunner.h"
#include "DialogRegistry.h"
#include "FeatureDialog.h"
#include "GuiTesting.h"
#include "Startup.h"

namespace dialogtest {

struct MenuOpened {
  std::string caption;
  bool global = false;  // the command's global form held the shown dialog
  int rows = -2;        // the list's rows once read; -1 without a list
  int runs = 0;         // modal runs seen
};

// Runs the item's command for the device "127.0.0.1" and closes the dialog as a user would.
inline MenuOpened OpenByMenu(const char* item, const std::function<bool(TForm*)>& isGlobal) {
  MenuOpened opened;
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand(item);
  EXPECT_NE(command, nullptr) << item;
  if (!command) return opened;
  EXPECT_TRUE(NvMenuCommandBuilt(*command)) << item;
  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    auto* form = dynamic_cast<TFeatureDialog*>(&shown);
    ASSERT_NE(form, nullptr);
    opened.caption = form->Caption;
    opened.global = isGlobal(form);
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 60000));
    opened.rows = form->List ? form->List->Items->Count : -1;
    GuiTesting::UserCloseWindow(form);
  });
  NvRunMenuCommand(*command, host);
  opened.runs = driver.Runs();
  return opened;
}

}  // namespace dialogtest
