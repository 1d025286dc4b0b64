// The fixture of the system area's dialog tests: a fresh simulated switch per test, a dialog
// shown on it with its first read ended, and running a menu item's command to see what it
// opened.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommandRunner.h"
#include "DialogDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Startup.h"

namespace dialogtest {

// Each test starts from the seed: the tests add and destroy rows.
class SystemDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SwitchSim::Options options;
    options.extraSeeds = ExtraSeeds();
    sim = std::make_unique<SwitchSim>(options);
    PointSessionAt(*sim);
    DeviceAddress = "127.0.0.1";
  }
  // Seed files the switch loads beside its own.
  virtual std::vector<std::string> ExtraSeeds() const { return {}; }
  std::unique_ptr<SwitchSim> sim;
  GuiTesting::ScriptedAnswerer boxes;
};

// The dialog F shown on the switch, its first read ended.
template <class F>
class DialogOnSwitch : public SystemDialog {
 protected:
  void SetUp() override {
    SystemDialog::SetUp();
    form = new F(nullptr);
    form->Show();
    WaitIdle();
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  // Until the dialog's writes and the read after them have ended.
  void WaitIdle() {
    ASSERT_TRUE(GuiTesting::ProcessUntil(
        [&] { return form->DataComplete == 1 && !form->Table->Busy && form->Table->Request.PendingReplies == 0; },
        15000));
  }
  F* form = nullptr;
};

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

inline std::vector<std::string> BoxTexts(const GuiTesting::ScriptedAnswerer& boxes) {
  std::vector<std::string> texts;
  for (const auto& call : boxes.Calls()) texts.push_back(call.text);
  return texts;
}

}  // namespace dialogtest
