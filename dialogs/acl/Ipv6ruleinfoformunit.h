// The IPv6 rules of the access control list: the traffic class, flow label, source address
// under a mask and TCP or UDP ports under masks a frame must match under its profile, the
// ports, and the actions (priority and its replacement, DSCP replacement, permit, deny or
// mirror). Only the ticked fields and the ports are written. Add creates a rule, Delete
// destroys the selected one; each waits for the switch's answer to its SET before the rules
// are read again.
#pragma once

#include "AclFamily.h"
#include "ExtCtrls.h"

class TIpv6RuleForm : public TAclRuleBase {
 public:
  explicit TIpv6RuleForm(TComponent* Owner);

  TListView* ListView1;
  TStaticText* StaticText1;
  TEdit* edtRuleID;
  TEdit* edtRuleAccessID;
  TCheckBox* cbxRuleClass;
  TEdit* edtRuleClass;
  TCheckBox* cbxRuleFlowlabel;
  TEdit* edtRuleFlowlabel;
  TCheckBox* cbxRuleSrcIpv6addr;
  TEdit* edtRuleSrcIpv6addr;
  TCheckBox* cbxEnablePriority;
  TComboBox* PriorityComboBox;
  TCheckBox* cbxPriority;
  TEdit* PriorityEdit;
  TCheckBox* cbxReplacePriority;
  TComboBox* ReplaceComboBox;
  TCheckBox* cbxPermit;
  TComboBox* PermitComboBox;
  TCheckBox* cbxRow;
  TComboBox* RowComboBox;
  TCheckBox* RuleProtoChx;
  TComboBox* RuleProtoCombox;
  TCheckBox* SrcPortChx;
  TEdit* SrcPortEdit;
  TCheckBox* DesPortChx;
  TEdit* DesPortEdit;
  TCheckBox* cbxEnableReplaceDSCP;
  TComboBox* EnableReplaceDSCPComboBox;
  TCheckBox* cbxEnableDSCPValue;
  TEdit* DSCPEdit;
  TCheckBox* chk_MaskSrcIp;
  TEdit* edt_MaskSrcIp;
  TCheckBox* chk_MaskSrcPort;
  TEdit* edt_MaskSrcPort;
  TCheckBox* chk_MaskDstPort;
  TEdit* edt_MaskDstPort;
  TPanel* StackingPortPanel;
  TButton* GetButton;
  TButton* AddButton;
  TButton* StopButton;
  TButton* DeleteButton;
  TButton* CheckButton;
  TButton* UncheckButton;
  TButton* CloseButton;
  TButton* EditButton;  // hidden: rules are not changed in place

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  // CheckInput, duplicate keys, permit ticked, row status ticked and createAndGo; the ticked
  // fields (priority and its replacement only while enabled) and the ports written.
  void AddButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void CheckButtonClick(TObject* Sender);
  void UncheckButtonClick(TObject* Sender);
  void PriorityComboBoxChange(TObject* Sender);
  void EnableReplaceDSCPComboBoxChange(TObject* Sender);
  void RuleProtoComboxChange(TObject* Sender);
  // The walk ends at its next reply; Refresh, Add and Delete are free again at once.
  void StopButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Keys, then the ticked fields in their order: none empty, the flow label 8, the address
  // and its mask 32, the port masks 4 hexadecimal digits.
  bool CheckInput();
  // Also the starting choices, with the controls they enable in step.
  void ClearDetailControls() override;

 private:
  void EnablingRules();
  bool IsProtocolBox(const TCheckBox* box) const;
};

// The dialog while its menu command shows it.
extern TIpv6RuleForm* Ipv6RuleForm;
