// What suites over every registered dialog share: the session pointed at the switch, finding a
// dialog's components, whether its requests have ended, the menu command that opens a
// registered class and running it under the modal driver, and the controls an input names.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "Classes.h"
#include "CommandRunner.h"
#include "DialogRegistry.h"
#include "FeatureDialog.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPRequest2Controls.h"
#include "SessionSupport.h"
#include "Startup.h"
#include "SwitchSim.h"

namespace dialogtest {

// New requests go to the switch, clear of faults and of SETs logged before, every dialog
// registered; timeOut in hundredths of a second.
inline void PointDialogsAt(SwitchSim& sim, int timeOut) {
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  sim.clearFaults();
  sim.clearSetLog();
  ::PointSessionAt(sim, 1, timeOut);
}

// Every component the owner owns, and theirs, depth first.
inline void FindAll(TComponent* owner, const std::function<void(TComponent*)>& visit) {
  for (int i = 0; i < owner->ComponentCount; ++i) {
    TComponent* child = owner->Components[i];
    visit(child);
    FindAll(child, visit);
  }
}

// No request of the window has anything outstanding (a pop-up that walks nothing never
// completes a read, so only its requests count).
inline bool RequestsIdle(TFeatureDialog& form) {
  for (NvSNMPRequest2Controls* request : form.Requests())
    if (request->Busy || request->Request.PendingReplies != 0) return false;
  return true;
}

// The dialog's walk has ended and its requests are idle.
inline bool Idle(TFeatureDialog& form) { return form.DataComplete == 1 && RequestsIdle(form); }

// The menu command that opens the class: the one of that item, else the first shown one.
inline const NvMenuCommand* CommandOf(const std::string& dialogClass, const char* item = nullptr) {
  const NvMenuCommand* found = nullptr;
  for (const NvMenuCommand* command : NvMenuCommands()) {
    if (command->Kind != NvCommandKind::Dialog || !command->DialogClass || command->DialogClass != dialogClass) continue;
    if (item ? std::string(command->Item) == item : !found || found->Hidden) found = command;
  }
  return found;
}

// Runs the menu command that opens the class: dialog runs on the dialog it shows, inside its
// modal loop, and must end that loop; popup on each window shown after it.
inline void RunMenuCommand(const std::string& dialogClass, const char* item,
                           const std::function<void(TFeatureDialog&)>& dialog,
                           const std::function<void(TCustomForm&)>& popup) {
  const NvMenuCommand* command = CommandOf(dialogClass, item);
  ASSERT_NE(command, nullptr) << "no menu item opens " << dialogClass;
  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  bool shown = false;
  GuiTesting::ModalDriver driver([&](TCustomForm& form) {
    if (shown) return popup(form);
    shown = true;
    auto* feature = dynamic_cast<TFeatureDialog*>(&form);
    if (!feature) {
      ADD_FAILURE() << dialogClass << " is not a feature dialog";
      form.ModalResult = mrCancel;
      return;
    }
    dialog(*feature);
  });
  NvRunMenuCommand(*command, host);
  EXPECT_TRUE(shown);
}

// Each "name=text" of an input ("name=text;name=text"), with the form's component of that
// name (null when it has none).
inline void ForEachInput(TCustomForm& form, const std::string& input,
                         const std::function<void(const std::string& name, const std::string& text, TComponent* control)>& visit) {
  std::istringstream fields(input);
  for (std::string field; std::getline(fields, field, ';');) {
    const std::string name = field.substr(0, field.find('='));
    const std::string text = field.substr(name.size() + 1);
    TComponent* control = nullptr;
    FindAll(&form, [&](TComponent* c) {
      if (!control && c->Name() == name) control = c;
    });
    visit(name, text, control);
  }
}

}  // namespace dialogtest
