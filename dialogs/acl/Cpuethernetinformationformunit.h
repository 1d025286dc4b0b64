// The Ethernet profiles of the CPU interface filter (profiles 1 to 3): which Ethernet fields
// the rules of a profile may match on traffic to the switch's processor. Add creates a
// profile, Delete destroys the selected one at once.
#pragma once

#include "AclEthernetProfile.h"

class TCPUEthernetInformationForm : public TAclEthernetProfileBase {
 public:
  explicit TCPUEthernetInformationForm(TComponent* Owner);

  TStaticText* StaticText1;
  TButton* CloseButton;

  void FormCreate(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
};
