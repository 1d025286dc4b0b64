// Reaching and driving the registered dialogs as the conformance scenarios do: the shard's
// switch, the menu command that opens a dialog of the table, its buttons, and the row, input
// and boxes a write needs.
#pragma once

#include <functional>
#include <string>

#include "CommandRunner.h"
#include "DialogConformance.h"
#include "FeatureDialog.h"
#include "GuiTesting.h"
#include "NvSNMPRequest2Controls.h"
#include "RegisteredDialogs.h"
#include "StdCtrls.h"
#include "SwitchSim.h"
#include "SwitchValues.h"
#include "gtest/gtest.h"

namespace conformance {

constexpr int kWait = 30000;  // a read, a write or a close: generous, for a busy machine

// The shard's switch.
inline SwitchSim& Sim() {
  static SwitchSim sim;  // one per shard; it ends with the process however the process ends
  return sim;
}

using dialogtest::FindAll;
using dialogtest::Idle;

inline const NvMenuCommand* CommandOf(const DialogFacts& row) { return dialogtest::CommandOf(row.Class, row.Item); }

// Runs the row's menu command under the modal driver (see dialogtest::RunMenuCommand).
inline void RunMenuCommand(const DialogFacts& row, const std::function<void(TFeatureDialog&)>& dialog,
                           const std::function<void(TCustomForm&)>& popup) {
  dialogtest::RunMenuCommand(row.Class, row.Item, dialog, popup);
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

// What a write needs typed or chosen: "name=text;...", an edit of that name getting the text
// typed (emptied first), a combo box the item with that text chosen, a check box "checked" or not.
inline void TypeInput(TCustomForm& form, const std::string& input) {
  dialogtest::ForEachInput(form, input, [](const std::string& name, const std::string& text, TComponent* control) {
    if (auto* combo = dynamic_cast<TComboBox*>(control)) {
      const int index = combo->Items->IndexOf(text);
      if (index < 0) ADD_FAILURE() << name << " has no item " << text;
      else GuiTesting::UserChoose(combo, index);
    } else if (auto* edit = dynamic_cast<TCustomEdit*>(control)) {
      dialogtest::Retype(edit, text);
    } else if (auto* box = dynamic_cast<TCheckBox*>(control)) {
      if (box->Checked() != (text == "checked")) GuiTesting::UserClick(box);
    } else {
      ADD_FAILURE() << "no edit, combo box or check box " << name;
    }
  });
}

// A window the dialog shows over itself (an entry pop-up, a progress box): what the row's
// pop-up needs typed, its write button pressed, then closed if it is still open.
inline void AnswerPopup(TCustomForm& popup, const DialogFacts& row) {
  if (row.PopupInput) TypeInput(popup, row.PopupInput);
  for (const char* caption : {"Set Checked", "Set", "Apply", "OK", "Add"}) {
    if (TButton* button = ButtonCaptioned(popup, caption, true)) {
      GuiTesting::UserClick(button);
      break;
    }
  }
  if (popup.ModalResult() == mrNone && popup.Visible()) GuiTesting::UserCloseWindow(&popup);
}

// The row chosen, the input typed and the button pressed that the row's write needs; waits
// until the dialog is idle again.
inline void PrepareWrite(TFeatureDialog& form, const DialogFacts& row) {
  auto settle = [&] { GuiTesting::ProcessUntil([&] { return Idle(form); }, kWait); };
  if (row.WriteRow >= 0 && form.List && form.List->Items->Count > row.WriteRow) {
    GuiTesting::UserClickItem(form.List, form.List->Items->Item[row.WriteRow]);
    settle();
  }
  if (row.Input) {
    TypeInput(form, row.Input);
    settle();
  }
  if (row.Prepare) {
    if (TButton* prepare = ButtonCaptioned(form, row.Prepare)) GuiTesting::UserClick(prepare);
    else ADD_FAILURE() << "no button " << row.Prepare;
    settle();
  }
}

}  // namespace conformance
