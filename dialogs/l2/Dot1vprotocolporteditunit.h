// The entry pop-up of the 802.1v protocol VLAN port dialog: adds a port.group row with its VLAN
// and priority, or changes the priority of the chosen row, through the dialog's request.
#pragma once

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

  void btn_SetClick(TObject* Sender);
  void btn_CloseClick(TObject* Sender);
};

// The pop-up while its dialog is open.
extern Tdot1vProtocolPortEdit* dot1vProtocolPortEdit;
