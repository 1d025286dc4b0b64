// IGMP snooping: clear dynamically learned IP multicast entries, of all VLANs, of one VLAN or of
// one group; the VLAN, address and action are written in one blocking SET.
#pragma once

#include "FeatureDialog.h"
#include "StdCtrls.h"

class TIGMPSnoopingClearDnyIpMultForm : public TFeatureDialog {
 public:
  explicit TIGMPSnoopingClearDnyIpMultForm(TComponent* Owner);

  TEdit* edtVID;
  TEdit* edtIPAddr;
  TComboBox* cbMultAction;
  TButton* Button1;  // Set
  TButton* Button2;  // Close

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// The dialog while its menu command shows it.
extern TIGMPSnoopingClearDnyIpMultForm* IGMPSnoopingClearDnyIpMultForm;
