// The facts the conformance scenarios need of each registered dialog class: one row per class
// (DialogConformanceTable.cpp). A new dialog joins by adding its row there.
#pragma once

#include <span>

namespace conformance {

// The scenarios, in the order the suite runs them.
enum class Scenario {
  Open, Keyboard, GenErr, Silence, ReadGate, StopRefresh, WriteRefused, CloseDuringRead, CloseDuringWrite,
  CloseShownDuringWrite
};

// The NoStop reason of a list read by one blocking request: no walk runs while the window
// takes clicks, so there is nothing to stop or to refresh during.
inline constexpr const char* kReadInOneGo = "its list is read in one go, the window waiting";

struct DialogFacts {
  const char* Class;
  // The menu item that opens it; null: the first menu row that names the class.
  const char* Item = nullptr;
  // A button pressed before the write so that it has something to send (its caption).
  const char* Prepare = nullptr;
  // The button whose write the refusal and close scenarios press (its caption); null: see NoWrite.
  const char* Write = nullptr;
  // The list row chosen before that write (index); -1: none chosen.
  int WriteRow = 0;
  // What is typed or chosen before that write, where it sends nothing otherwise:
  // "name=text;name=text", an edit of that name getting the text typed, a combo box the item
  // with that text chosen.
  const char* Input = nullptr;
  // Why a scenario means nothing for this dialog; null where it is meaningful.
  const char* NoRead = nullptr;      // no request at all: every scenario
  const char* NoList = nullptr;      // row choice and Stop/Refresh
  const char* NoStop = nullptr;      // Stop only; kReadInOneGo: Refresh during the walk too
  const char* NoWrite = nullptr;     // refused write and close during a write
  // Why its write holds the window until the switch answers (no close can come meanwhile).
  const char* WriteBlocks = nullptr;
  // The SETs its write may still send once the switch has refused one (its steps go on).
  int SetsAfterRefusal = 0;
  // A button that opens an entry pop-up whose own write button then writes (its caption).
  const char* Popup = nullptr;
  // What that pop-up needs typed or chosen before its write, as Input.
  const char* PopupInput = nullptr;
  // The dialog's own word for a read that succeeded, where panel 0 does not say "Ok".
  const char* Told = nullptr;
};

std::span<const DialogFacts> Table();

}  // namespace conformance
