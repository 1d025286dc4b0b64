// What suites over every registered dialog share: finding a dialog's components, whether its
// requests have ended, and the menu command that opens a registered class.
#pragma once

#include <functional>
#include <string>

#include "Classes.h"
#include "CommandRunner.h"
#include "FeatureDialog.h"
#include "NvSNMPRequest2Controls.h"

namespace dialogtest {

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

}  // namespace dialogtest
