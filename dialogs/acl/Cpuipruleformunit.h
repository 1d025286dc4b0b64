// The IP rules of the CPU interface filter: the VLAN, addresses, DSCP, protocol fields and
// user mask a packet to the switch's processor must match under its profile, whether it is
// denied or permitted, and the ports. Only the ticked fields the chosen protocol uses, and the
// ports, are written. Add creates a rule, Edit writes the selected one again (or destroys
// it), Delete destroys it after asking.
#pragma once

#include "AclIpRule.h"

class TCPUIPRuleForm : public TAclIpRuleBase {
 public:
  explicit TCPUIPRuleForm(TComponent* Owner);

  // The shared fields under this window's names.
  TEdit* VLANEdit;
  TComboBox* RowStatusComboBox;
  TCheckBox* cbxUserMask;
  TEdit* UserMaskEdit;
  TButton* CloseButton;

  void FormCreate(TObject* Sender);
  void EditButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
};
