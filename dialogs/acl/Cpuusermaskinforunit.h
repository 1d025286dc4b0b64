// The packet-content profiles of the CPU interface filter (profiles 1 to 3): five offset masks,
// one for each 16-byte window of the first 80 bytes of a packet. Add creates a profile,
// Delete destroys the selected one at once.
#pragma once

#include "AclFamily.h"

class TCPUUserMaskInfoForm : public TAclProfileBase {
 public:
  explicit TCPUUserMaskInfoForm(TComponent* Owner);

  TListView* ListView1;
  TEdit* Edit1;  // Profile ID
  TEdit* Edit5;  // the masks of the five windows, in window order
  TEdit* Edit3;
  TEdit* Edit4;
  TEdit* Edit6;
  TEdit* Edit7;
  TLabel* LB_RowStatus;  // hidden
  TComboBox* ComboBox1;  // hidden: the row status
  TStaticText* Static;
  TButton* GetButton;
  TButton* AddButton;
  TButton* DeleteButton;
  TButton* CloseButton;
  TButton* OperButton;  // hidden: profiles are not changed in place

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void AddButtonClick(TObject* Sender);
  void DeleteButtonClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Changing(TObject* Sender, TListItem* Item, TItemChange Change);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // Also puts the hidden row status back on createAndGo, which nothing else could.
  void ClearDetailControls() override;
};

// The dialog while its menu command shows it.
extern TCPUUserMaskInfoForm* CPUUserMaskInfoForm;
