// The IP profiles of the access control list: which IPv4 fields (VLAN under a mask, source
// and destination addresses under masks, DSCP, one protocol with its options, port masks,
// flag mask or protocol-number mask) the rules of a profile may match. Add creates a
// profile, Delete destroys the selected one after asking; profiles are not changed in place.
#pragma once

#include "AclIpProfile.h"

class TIPMaskInformationForm : public TAclIpProfileBase {
 public:
  explicit TIPMaskInformationForm(TComponent* Owner);

  // The shared controls under this window's names.
  TComboBox* UseVLANComboBox;
  TComboBox* cbb_icmp;
  TComboBox* cbb_igmp;
  TEdit* ProIDMaskEdit;  // the protocol-ID mask
  TEdit* edt_VLANMask;
  TLabel* LB_ProtoID;
  TEdit* ProtoIDEdit;  // hidden and unbound
  TStaticText* ST_Count;
  TButton* Button1;  // Stop
  TButton* btn_Close;

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void btn_CloseClick(TObject* Sender);
};
