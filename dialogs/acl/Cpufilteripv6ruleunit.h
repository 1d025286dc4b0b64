// The IPv6 rules of the CPU interface filter: the traffic class, flow label and source and
// destination addresses that traffic to the switch's processor must carry, the ports, and
// whether it is denied or permitted. Only the ticked fields and the ports are written. Add
// creates a rule, Edit writes the selected one again, Delete destroys it.
#pragma once

#include "AclBasicFormRule.h"
#include "ExtCtrls.h"

class TCPUFilterIPV6RuleForm : public TAclBasicFormRuleBase {
 public:
  explicit TCPUFilterIPV6RuleForm(TComponent* Owner);

  TListView* ListView1;
  TStaticText* StaticText1;
  TEdit* ProfileIDEdit;
  TEdit* AccessEdit;
  TCheckBox* cbxSource;
  TEdit* SourceIPV6Edit;
  TCheckBox* cbxDestination;
  TEdit* DestIPV6Edit;
  TCheckBox* cbxClass;
  TEdit* ClassEdit;
  TCheckBox* cbxFlowLabel;
  TEdit* FlowLabelEdit;
  TCheckBox* cbxPermit;
  TComboBox* PermitComboBox;
  TCheckBox* cbxRow;
  TComboBox* RowComboBox;
  TPanel* StackingPortPanel;
  TButton* GetButton;
  TButton* AddButton;
  TButton* EditButton;
  TButton* DeleteButton;
  TButton* AddCheckButton;
  TButton* CleanCheButton;
  TButton* CloseButton;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  // CheckInput, duplicate keys, permit ticked, row status ticked and createAndGo, the write.
  void AddButtonClick(TObject* Sender);
  // CheckInput, then the ticked fields and the ports to the selected rule.
  void EditButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void AddCheckButtonClick(TObject* Sender);
  void CleanCheButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Keys; the ticked fields filled, the flow label of 8 and the addresses of 32 hexadecimal
  // digits; a port chosen.
  bool CheckInput();
};

// The dialog while its menu command shows it.
extern TCPUFilterIPV6RuleForm* CPUFilterIPV6RuleForm;
