// The packet-content rules of the access control list: the source and destination MAC
// addresses and the customer and service VLAN tags a frame must carry, each under its own
// mask, the ports, and the actions (priority and its replacement, DSCP replacement, permit,
// deny or mirror). Only the ticked fields that are in use and the ports are written. Add
// creates a rule, Delete destroys the selected one.
#pragma once

#include "AclBasicFormRule.h"
#include "ExtCtrls.h"

class TPacketContentRuleForm : public TAclBasicFormRuleBase {
 public:
  explicit TPacketContentRuleForm(TComponent* Owner);

  TListView* ListView1;
  TStaticText* txt1;
  TStatusBar* stat1;  // one text, the status output
  TEdit* edtProfileID;
  TEdit* edtAccessID;
  TCheckBox* chkSourceMac;
  TEdit* edtSrcMac;
  TCheckBox* chkDstMac;
  TEdit* edtDstMac;
  TCheckBox* chkCTag;
  TEdit* edtCTag;
  TCheckBox* chkSTag;
  TEdit* edtSTag;
  TCheckBox* chk_maskSrMAC;
  TEdit* edt_maskSrcMask;
  TCheckBox* chk_MaskDstMac;
  TEdit* edt_maskDstMAC;
  TCheckBox* chk_MaskCTag;
  TEdit* edt_MaskCTag;
  TCheckBox* chk_MaskSTag;
  TEdit* edt_MaskSTag;
  TCheckBox* chk_EnablePrio;
  TComboBox* cbb_EnablePrio;
  TCheckBox* chkPriority;
  TEdit* edtPriorityEdit;
  TCheckBox* chkReplacePriority;
  TComboBox* cbbReplaceComboBox;
  TCheckBox* chkEnableReplaceDSCP;
  TComboBox* cbbEnableReplaceDSCPComboBox;
  TCheckBox* chkEnableDSCPValue;
  TEdit* edtDSCPEdit;
  TCheckBox* chkPermit;
  TComboBox* cbbPermitComboBox;
  TCheckBox* chkRow;
  TComboBox* cbbRowComboBox;
  TPanel* pnlStackingPortPanel;
  TButton* btnGetButton;
  TButton* btnAddButton;
  TButton* btnStopButton;
  TButton* btnDeleteButton;
  TButton* btnCloseButton;
  TButton* btnEditButton;  // hidden: rules are not changed in place

  void FormCreate(TObject* Sender);
  void btnGetButtonClick(TObject* Sender);
  // CheckInput, duplicate keys, row status ticked and createAndGo; the write.
  void btnAddButtonClick(TObject* Sender);
  void btnDeleteButtonClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void cbb_EnablePrioChange(TObject* Sender);
  void cbbEnableReplaceDSCPComboBoxChange(TObject* Sender);
  void btnStopButtonClick(TObject* Sender);
  void btnCloseButtonClick(TObject* Sender);
  void FormDestroy(TObject* Sender, TCloseAction& Action);

  // Keys, permit ticked and chosen, a ticked row status chosen, the ticked addresses and
  // tags in their octets' digits, a port chosen.
  bool CheckInput();
  // Boxes unticked, edits emptied and combos on their first choice; the controls follow them.
  void ClearDetailControls() override;
};

// The dialog while its menu command shows it.
extern TPacketContentRuleForm* PacketContentRuleForm;
