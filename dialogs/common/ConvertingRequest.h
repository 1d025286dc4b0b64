// A table request whose columns are shown in another form than they travel in: BITS values as
// lists of names, a rate of 0 as "No Limit". Each row is converted as it arrives, before it is
// listed; collecting for a SET turns the shown texts back into values.
//
//   Table = AddRequest<NvConvertingRequest>(PortConfigTable, MVT_UMV, 1);
//   Table->Columns = {{3, NamesOf(TlvNames), BitsOf(TlvNames), TLVsEdit}};
//   Table->BindListView(ListView1, true);
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "NvSNMPRequest2Edits.h"

class TCustomEdit;

using NvTextConversion = std::function<std::string(const std::string&)>;

// One column shown converted.
struct NvShownColumn {
  int Var = 0;
  NvTextConversion Show;        // the value as it arrives -> the text listed
  NvTextConversion Back;        // the listed or typed text -> the value to send; null: read only
  TCustomEdit* Edit = nullptr;  // shows the chosen row's text and is collected through Back
};

// BITS <-> names text (one blank, names of the set bits in bit order joined by ",").
NvTextConversion NamesOf(const std::vector<std::string>& names);
NvTextConversion BitsOf(const std::vector<std::string>& names);

class NvConvertingRequest : public NvSNMPRequest2Edits {
 public:
  explicit NvConvertingRequest(TForm* owner) : NvSNMPRequest2Edits(owner) {}

  std::vector<NvShownColumn> Columns;

  // With a list view: the row's columns converted, then listed.
  void ShowRow() override;
  // The chosen row's values as the controls show them; the columns' edits get their texts.
  void OnSelectItem(TObject* Sender, TListItem* Item, bool Selected) override;
  // The chosen row and the controls, each converted column back in the form it travels in,
  // taken from its edit when it has one.
  void CollectValues() override;
};
