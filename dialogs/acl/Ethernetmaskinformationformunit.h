// The Ethernet profiles of the access control list: which layer-2 fields (VLAN with a mask,
// source and destination MAC under masks, 802.1p, Ethernet type) the rules of a profile may
// match. Add creates a profile, Delete destroys the selected one; profiles are not changed in
// place.
#pragma once

#include "AclEthernetProfile.h"

class TEthernetMaskInformationForm : public TAclEthernetProfileBase {
 public:
  explicit TEthernetMaskInformationForm(TComponent* Owner);

  TLabel* LB_VlanMask;
  TEdit* edt_vlanmask;
  TStaticText* ST_Count;
  TButton* Button1;  // Stop
  TButton* btnClose;

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void btnCloseClick(TObject* Sender);

  bool CheckInput() override;
};
