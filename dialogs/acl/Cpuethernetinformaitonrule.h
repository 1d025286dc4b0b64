// The Ethernet rules of the CPU interface filter: the VLAN, MAC addresses, 802.1p and
// Ethernet type a frame to the switch's processor must match under its profile, whether it is
// denied or permitted, and the ports. Only the ticked fields and the ports are written. Add
// creates a rule, Edit writes the selected one again (or destroys it), Delete destroys it.
#pragma once

#include "AclEthernetRule.h"

class TCPUEthernetInformationRuleForm : public TAclEthernetRuleBase {
 public:
  explicit TCPUEthernetInformationRuleForm(TComponent* Owner);

  TPageControl* PortPages;
  TButton* CleanCheButton;
  TButton* Button1;  // Close

  void FormCreate(TObject* Sender);
  void EditButtonClick(TObject* Sender);
  void Button1Click(TObject* Sender);
};

// The dialog while its menu command shows it.
extern TCPUEthernetInformationRuleForm* CPUEthernetInformationRuleForm;
