// A table request whose columns are shown in another form than they travel in: BITS values as
// lists of names, a rate of 0 as "No Limit". Each row is converted as it arrives, before it is
// listed; collecting for a SET turns the shown texts back into values.
//
//   Table = AddRequest<NvConvertingRequest>(PortConfigTable, MVT_UMV, 1);
//   Table->Columns = {{3, NamesOf(TlvNames), BitsOf(TlvNames), TLVsEdit}};
//   Table->BindListView(ListView1, true);
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "NvSNMPRequest2Edits.h"

class TCustomEdit;

using NvTextConversion = std::function<std::string(const std::string&)>;
// A listed or typed text back to the value it stands for; nullopt, with the message that
// refuses it in refusal, for a text that stands for no value.
using NvTextParse = std::function<std::optional<std::string>(const std::string& text, std::string& refusal)>;

// One column shown converted.
struct NvShownColumn {
  int Var = 0;
  NvTextConversion Show;        // the value as it arrives -> the text listed
  NvTextParse Back;             // the listed or typed text -> the value to send; null: read only
  TCustomEdit* Edit = nullptr;  // shows the chosen row's text and is collected through Back
};

// BITS <-> names text (one blank, names of the set bits in bit order joined by ","). Back
// refuses a word that names no bit, naming the names it could have been.
NvTextConversion NamesOf(const std::vector<std::string>& names);
NvTextParse BitsOf(const std::vector<std::string>& names);

class NvConvertingRequest : public NvSNMPRequest2Edits {
 public:
  explicit NvConvertingRequest(TForm* owner) : NvSNMPRequest2Edits(owner) {}

  std::vector<NvShownColumn> Columns;

  // With a list view: the row's columns converted, then listed.
  void ShowRow() override;
  // The chosen row's values as the controls show them; the columns' edits get their texts.
  void OnSelectItem(TObject* Sender, TListItem* Item, bool Selected) override;
  // Whether every column's edit holds a text that converts back; at the first that does not,
  // its message in a box, the focus to the edit, and false. Run before a write: nothing is
  // sent for a text that stands for no value.
  bool TypedTextsAccepted();
  // The chosen row and the controls, each converted column back in the form it travels in,
  // taken from its edit when it has one. A text that converts to no value throws its message,
  // so that the SET is never sent with a value nobody typed.
  void CollectValues() override;
};
