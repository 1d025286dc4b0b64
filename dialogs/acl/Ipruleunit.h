// The IP rules of the access control list: the VLAN, addresses, DSCP and protocol fields a
// packet must match under its profile, the rule's own masks, its ports and its actions
// (priority, priority and DSCP replacement, permit, deny or mirror, RX rate). Only the ticked
// fields the chosen protocol uses, and the ports, are written. Add creates a rule, Delete
// destroys the selected one; rules are not changed in place.
#pragma once

#include "AclIpRule.h"

class TIPRuleForm : public TAclIpRuleBase {
 public:
  explicit TIPRuleForm(TComponent* Owner);

  // The shared type and code fields under this window's names.
  TCheckBox* chk_Type;
  TEdit* edt_Type;
  TCheckBox* chk_Code;
  TEdit* edt_Code;
  TCheckBox* cbxEnabledPriority;
  TComboBox* EnablePriorityComboBox;
  TCheckBox* cbxPriority;
  TEdit* PriorityEdit;
  TCheckBox* cbxReplacePriority;
  TComboBox* ReplaceComboBox;
  TCheckBox* chkEnableReplaceDscp;
  TComboBox* cbbEnableReplaceDscp;
  TCheckBox* chkRepDscp;
  TEdit* edtReplaceDscp;
  TCheckBox* cbxRxRate;
  TEdit* RxRateEdit;
  TCheckBox* chk_maskvlan;
  TEdit* edt_maskvlan;
  TCheckBox* chk_maskSrcIP;
  TEdit* edt_maskSrcIP;
  TCheckBox* chk_maskDstIP;
  TEdit* edt_maskDstIP;
  TCheckBox* chk_maskSrcPort;
  TEdit* edt_maskSrcPort;
  TCheckBox* chk_maskDstPort;
  TEdit* edt_maskDstPort;
  TButton* Button1;  // Stop
  TButton* btn_Close;

  void FormCreate(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ApplyEnablingRules() override;
  // "enabled" makes the priority, its replacement and their boxes usable; any other choice
  // (or none) disables them, and a disabled box is not written whatever its tick.
  void EnablePriorityComboBoxChange(TObject* Sender);
  void Button1Click(TObject* Sender);
  void btn_CloseClick(TObject* Sender);

  // Also makes the protocol choice usable again.
  void ClearDetailControls() override;
};

// The dialog while its menu command shows it.
extern TIPRuleForm* IPRuleForm;
