// Opening a feature dialog through its menu item's command, as the main window does, and
// noting what the command showed.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ComCtrls.h"
#include "CommandRunner.h"
#include "DialogRegistry.h"
#include "Forms.h"
#include "GuiTesting.h"

namespace dialogtest {

// What a command showed: the dialog's caption, whether its global held it, its owner and its
// row count once read (-1 without a list).
struct Opened {
  std::string caption;
  bool global = false;
  TComponent* owner = nullptr;
  int rows = -1;
  int runs = 0;
};

// Runs the command and closes the dialog F it shows with closing (after what the dialog had
// read was noted).
template <class F>
Opened RunAndClose(const std::function<void()>& run, TListView* F::*list, F* const* global,
                   const std::function<void(F*)>& closing) {
  Opened opened;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    auto* form = dynamic_cast<F*>(&shown);
    ASSERT_NE(form, nullptr);
    opened.caption = form->Caption;
    opened.global = global && *global == form;
    opened.owner = form->Owner();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 15000));
    if (list) opened.rows = (form->*list)->Items->Count;
    closing(form);
  });
  run();
  opened.runs = driver.Runs();
  return opened;
}

// The menu item's command, run with mainWindow as the main window.
inline std::function<void()> MenuCommand(const char* item, TForm& mainWindow) {
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand(item);
  EXPECT_NE(command, nullptr);
  EXPECT_TRUE(command && NvMenuCommandBuilt(*command));
  return [command, &mainWindow] {
    if (!command) return;
    std::string title;
    NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
    NvRunMenuCommand(*command, host);
  };
}

}  // namespace dialogtest
