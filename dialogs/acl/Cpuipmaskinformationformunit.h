// The IP profiles of the CPU interface filter (profiles 1 to 3): which IPv4 fields the
// rules of a profile may match on traffic to the switch's processor, with a user mask for
// the protocol-number profiles. Add creates a profile, Delete destroys the selected one after
// asking; profiles are not changed in place.
#pragma once

#include "AclIpProfile.h"

class TCPUIPMaskInformationForm : public TAclIpProfileBase {
 public:
  explicit TCPUIPMaskInformationForm(TComponent* Owner);

  // The shared controls under this window's names.
  TComboBox* UseVlanComboBox;
  TComboBox* ICMPOpetionComboBo;
  TComboBox* IGMPOpetionComboBo;
  TEdit* ProtoIDEdit;    // the protocol-ID mask
  TEdit* ProIDMaskEdit;  // the user mask
  TStaticText* StaticText1;
  TButton* CloseButton;

  void FormCreate(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
};
