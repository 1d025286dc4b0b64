// The MAC-based access control settings: state, method, password and the clear-all action, and
// the guest VLAN for hosts that fail it (its name, its member ports and the action that deletes
// the name). Four groups of scalars, each its own request; every read and write blocks.
#pragma once

#include <span>

#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TMBAControlForm : public TFeatureDialog {
 public:
  explicit TMBAControlForm(TComponent* Owner);

  TComboBox* Cbox_State;
  TComboBox* Cbox_Method;
  TEdit* edtPassWord;
  TComboBox* Cbox_ClearAllAction;
  TEdit* edtName;
  TGroupBox* gbStackingPort;
  TEdit* Edit1;       // hidden: the guest VLAN name the switch holds
  TComboBox* cbxDel;  // hidden: the name delete action
  TButton* BT_Get;
  TButton* SetBtn;
  TButton* DelBtn;
  TButton* BT_Close;

  TStackingPortUitForm* Picker = nullptr;
  NvSNMPRequest2Edits* GlobalRequest = nullptr;
  NvSNMPRequest2Edits* GuestVlanRequest = nullptr;
  NvSNMPRequest2Edits* NameDeleteRequest = nullptr;
  NvSNMPRequest2Edits* CurrentNameRequest = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void BT_GetClick(TObject* Sender);
  void SetBtnClick(TObject* Sender);
  void DelBtnClick(TObject* Sender);
  void BT_CloseClick(TObject* Sender);
  void Cbox_ClearAllActionChange(TObject* Sender);

  // The user chose a clear-all action since the last Set or Refresh.
  bool ClearAllChosen = false;

 private:
  // The guest VLAN part of Set, checked; false after a refusal was shown.
  bool GuestVlanSteps(std::span<const NvSetStep>& steps);
};

// The dialog while its menu command shows it.
extern TMBAControlForm* MBAControlForm;
