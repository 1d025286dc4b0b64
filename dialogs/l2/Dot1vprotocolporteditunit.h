// The entry pop-up of the 802.1v protocol VLAN port dialog: adds a port.group row with its VLAN
// and priority, or changes the priority of the chosen row, through the dialog's request.
#pragma once

#include <string>

#include "EntryPopup.h"
#include "StdCtrls.h"

class Tdot1vProtocolPortEdit : public TEntryPopup {
 public:
  Tdot1vProtocolPortEdit(TComponent* Owner, TFeatureDialog* parent);

  TLabel* LB_baseport;
  TEdit* edt_baseport;
  TLabel* LB_groupid;
  TEdit* edt_groupid;
  TLabel* LB_groupvid;
  TEdit* edt_groupvid;
  TLabel* LB_grouppri;
  TComboBox* edt_grouppri;
  TComboBox* state;  // hidden: the row status written
  TButton* btn_Set;
  TButton* btn_Close;

  // Empty keys, priority "-", createAndGo: the pop-up ready for a new row.
  void PrepareForAdd();
  void btn_SetClick(TObject* Sender);
  void btn_CloseClick(TObject* Sender);

 private:
  // "port.group" of the row this Add created while its VLAN step was refused; empty otherwise.
  std::string createdRow_;
  std::string TypedRow() const;
  bool TypedRowAccepted();
};

// The pop-up while its dialog is open.
extern Tdot1vProtocolPortEdit* dot1vProtocolPortEdit;
