// Reaching and driving the registered dialogs as the conformance scenarios do: the shard's
// switch, the menu command that opens a dialog of the table, when it is idle, its buttons, and
// the row, input and boxes a write needs.
#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "CommandRunner.h"
#include "DialogConformance.h"
#include "FeatureDialog.h"
#include "GuiTesting.h"
#include "NvSNMPRequest2Controls.h"
#include "StdCtrls.h"
#include "SwitchSim.h"

namespace conformance {

constexpr int kWait = 30000;  // a read, a write or a close: generous, for a busy machine

// The shard's switch.
inline SwitchSim& Sim() {
  static SwitchSim* sim = new SwitchSim();  // one per shard, ended with the process
  return *sim;
}

inline const NvMenuCommand* CommandOf(const DialogFacts& row) {
  const NvMenuCommand* found = nullptr;
  for (const NvMenuCommand* command : NvMenuCommands()) {
    if (command->Kind != NvCommandKind::Dialog || !command->DialogClass || command->DialogClass != std::string(row.Class))
      continue;
    if (row.Item ? std::string(command->Item) == row.Item : !found || found->Hidden) found = command;
  }
  return found;
}

inline bool Idle(TFeatureDialog& form) {
  if (form.DataComplete != 1) return false;
  for (NvSNMPRequest2Controls* request : form.Requests())
    if (request->Busy || request->Request.PendingReplies != 0) return false;
  return true;
}

inline void FindAll(TComponent* owner, const std::function<void(TComponent*)>& visit) {
  for (int i = 0; i < owner->ComponentCount; ++i) {
    TComponent* child = owner->Components[i];
    visit(child);
    FindAll(child, visit);
  }
}

inline TButton* ButtonCaptioned(TCustomForm& form, const std::string& caption, bool enabledOnly = false) {
  TButton* found = nullptr;
  FindAll(&form, [&](TComponent* c) {
    auto* button = dynamic_cast<TButton*>(c);
    if (!found && button && button->Visible() && (!enabledOnly || button->Enabled()) && button->Caption() == caption)
      found = button;
  });
  return found;
}

// A window the dialog shows over itself (an entry pop-up, a progress box): its write button
// pressed, then closed if it is still open.
inline void AnswerPopup(TCustomForm& popup) {
  for (const char* caption : {"Set Checked", "Set", "Apply", "OK"}) {
    if (TButton* button = ButtonCaptioned(popup, caption, true)) {
      GuiTesting::UserClick(button);
      break;
    }
  }
  if (popup.ModalResult() == mrNone && popup.Visible()) GuiTesting::UserCloseWindow(&popup);
}

// The row chosen, the input typed (each edit emptied first) and the boxes checked that the
// row's write needs; waits until the dialog is idle again.
inline void PrepareWrite(TFeatureDialog& form, const DialogFacts& row) {
  if (row.WriteRow >= 0 && form.List && form.List->Items->Count > row.WriteRow) {
    GuiTesting::UserClickItem(form.List, form.List->Items->Item[row.WriteRow]);
    GuiTesting::ProcessUntil([&] { return Idle(form); }, kWait);
  }
  if (row.Input) {
    std::istringstream fields(row.Input);
    for (std::string field; std::getline(fields, field, ';');) {
      const std::string name = field.substr(0, field.find('='));
      const std::string text = field.substr(name.size() + 1);
      TComponent* control = nullptr;
      FindAll(&form, [&](TComponent* c) {
        if (!control && c->Name() == name) control = c;
      });
      if (auto* combo = dynamic_cast<TComboBox*>(control)) {
        GuiTesting::UserChoose(combo, combo->Items->IndexOf(text));
      } else if (auto* edit = dynamic_cast<TCustomEdit*>(control)) {
        edit->Text = "";
        GuiTesting::UserType(edit, text);
      }
    }
  }
  if (row.Prepare)
    if (TButton* prepare = ButtonCaptioned(form, row.Prepare)) GuiTesting::UserClick(prepare);
  GuiTesting::ProcessUntil([&] { return Idle(form); }, kWait);
}

}  // namespace conformance
