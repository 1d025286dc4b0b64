// The packet-content rules of the CPU interface filter: for each of its profile's five
// 16-byte windows the octets a packet to the switch's processor must hold, whether it is
// denied or permitted, and the ports. Only the ticked fields are written, the ports when one
// is ticked. Add creates a rule, Edit writes the selected one again (or destroys it), Delete
// destroys it.
#pragma once

#include "AclFamily.h"
#include "ExtCtrls.h"

class TCPUUserMaskRuleForm : public TAclRuleBase {
 public:
  explicit TCPUUserMaskRuleForm(TComponent* Owner);

  TListView* ListView1;
  TEdit* ProfileID_Edit;
  TEdit* AccessID_Edit;
  TCheckBox* CheckBox1;  // the five payload windows, in window order
  TEdit* Edit1;
  TCheckBox* CheckBox2;
  TEdit* Edit2;
  TCheckBox* CheckBox3;
  TEdit* Edit3;
  TCheckBox* CheckBox4;
  TEdit* Edit4;
  TCheckBox* CheckBox5;
  TEdit* Edit5;
  TCheckBox* PermitCBox;
  TComboBox* PermitComboBox;
  TCheckBox* StatusCBox;
  TComboBox* StatusComboBox;
  TPanel* StackingPortPanel;
  TStaticText* Static;
  TButton* GetButton;
  TButton* OperButton;  // Edit
  TButton* AddButton;
  TButton* DeleteButton;
  TButton* CheckButton;
  TButton* UncheckButton;
  TButton* closeButton;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void OperButtonClick(TObject* Sender);
  void AddButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void CheckButtonClick(TObject* Sender);
  void UncheckButtonClick(TObject* Sender);
  void closeButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  // Each ticked payload empty or hexadecimal; else its window's message.
  bool PayloadsValid();
  // The unticked fields left out, and the ports when none is ticked.
  void LeaveOutUnchosen(NvVarFlagsScope& flags) const;
};

// The dialog while its menu command shows it.
extern TCPUUserMaskRuleForm* CPUUserMaskRuleForm;
