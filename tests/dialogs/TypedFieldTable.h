// What the typed-field suite needs of each registered dialog class beyond the conformance
// table: which button writes what is typed, and which pop-up holds typed fields. One row per
// class (TypedFieldTable.cpp); a new dialog joins by adding its row there.
#pragma once

#include <span>

namespace typedfields {

inline constexpr int kAsConformance = -2;

struct FieldFacts {
  const char* Class;
  // The button that writes the dialog's own typed fields (its caption); null: see NoWrite.
  const char* Write = nullptr;
  // The list row chosen before typing (index; -1: none, as for an Add); kAsConformance: the
  // conformance table's WriteRow.
  int Row = kAsConformance;
  // A button pressed before typing, so that the write carries the typed fields (its caption);
  // null: the conformance table's Prepare.
  const char* Prepare = nullptr;
  // The button that opens the entry pop-up whose typed fields are written by its Set (its
  // caption), and whether a list row is chosen first (its index; -1: none, as for an Add).
  const char* Popup = nullptr;
  int PopupRow = 0;
  // What is typed or chosen before each case, where a write needs its other fields filled
  // ("name=text;name=text", as the conformance table's Input); the case's field is typed after.
  const char* Input = nullptr;
  // Choices (and texts) given after Input for the fields Input leaves unusable, as
  // "name=text;...": a choice that writes them, where another choice writes the others. Each
  // field is driven under the first of Input and Also that makes it usable.
  const char* Also = nullptr;
  // Ports ticked on each of the window's port pickers before each case (the first ones shown),
  // where a write sends nothing without a port.
  int Ports = 0;
  // Every usable bound edit of the window given a whole value of its type before each case
  // (Input then overriding), where a write sends nothing until every ticked field holds one.
  bool Fill = false;
  // What is typed or chosen after Input before the cases of one field only, where the write
  // leaves that field out under the choice the others are written with ("field>name=text;...",
  // one entry per control): a rule's protocol that carries its port, type or protocol ID.
  const char* CaseInput = nullptr;
  // The number edit whose value the dialog puts into its steps before writing (a bridge
  // priority into steps of 4096): a number in range may be written as another in range.
  const char* Stepped = nullptr;
  // The button that deletes the chosen row, pressed on every row of the list before the cases,
  // where the pop-up opens only over an empty table or every key an Add may take is in use (its
  // caption).
  const char* EmptiedBy = nullptr;
  // What edits stand for beyond their format, where the dialog checks it itself
  // ("name=meaning;..."): "time" a daily time "hh:mm:ss", "hexN" exactly N hex digits, "L..H" a
  // number from L to H, "ipv4" a dotted address. A text edit's whole value is written as typed,
  // hex octets and numbers as their type encodes them; any other text is refused.
  const char* Meanings = nullptr;
  // Why the dialog's own fields are never written; null where Write names the button.
  const char* NoWrite = nullptr;
  // The driven fields no case writes, each with why ("name: why; name: why"): every other field
  // the suite drives must be written whole by at least one case.
  const char* NeverWritten = nullptr;
};

std::span<const FieldFacts> Table();
const FieldFacts* FactsOf(const char* dialogClass);

}  // namespace typedfields
