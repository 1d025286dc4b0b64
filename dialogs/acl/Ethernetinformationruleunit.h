// The Ethernet rules of the access control list: the VLAN, MAC addresses, 802.1p and Ethernet
// type a frame must match under its profile, the rule's own masks, its ports and its actions
// (priority, priority and DSCP replacement, permit, deny or mirror, RX rate). Only the ticked
// fields and the ports are written. Add creates a rule, Delete destroys the selected one.
#pragma once

#include "AclEthernetRule.h"

class TEthernetInformationRuleForm : public TAclEthernetRuleBase {
 public:
  explicit TEthernetInformationRuleForm(TComponent* Owner);

  TCheckBox* cbxEablePriority;
  TComboBox* EnablePriorityComboBox;
  TCheckBox* cbxPriority;
  TEdit* PriorityEdit;
  TCheckBox* cbxReplacePriority;
  TComboBox* ReplacePriorityComboBox;
  TCheckBox* cbxEnableReplaceDscp;
  TComboBox* cbbEnableReplaceDscp;
  TCheckBox* cbxRuleRepDscp;
  TEdit* edtReplaceDscp;
  TCheckBox* cbxRxRate;
  TEdit* RxRateEdit;
  TCheckBox* chk_MaskVlan;
  TEdit* edt_MaskVlan;
  TCheckBox* chk_MaskSrcMac;
  TEdit* edt_MaskSrcMac;
  TCheckBox* chk_MaskDstMac;
  TEdit* edt_MaskDstMac;
  TButton* btnClearChecks;
  TButton* Button1;  // Stop
  TButton* btnClose;

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void btnCloseClick(TObject* Sender);

  bool CheckInput() override;
};

// The dialog while its menu command shows it.
extern TEthernetInformationRuleForm* EthernetInformationRuleForm;
