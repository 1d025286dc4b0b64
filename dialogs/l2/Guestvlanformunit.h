// The 802.1X guest VLAN: the name of the VLAN that serves as guest VLAN and its member ports,
// written together, and the delete action. Every read and write blocks the window.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TGuestVlanForm : public TFeatureDialog {
 public:
  explicit TGuestVlanForm(TComponent* Owner);

  TLabel* LB_Name;
  TEdit* edtName;
  TEdit* Edit1;      // hidden: the guest VLAN name the switch has now
  TComboBox* cbxDel; // hidden: the delete action
  TPageControl* pgc1;
  TButton* BT_Get;
  TButton* SetBtn;
  TButton* DelBtn;
  TButton* BT_Close;

  TStackingPortUitForm* Picker = nullptr;
  NvSNMPRequest2Edits* SettingRequest = nullptr;
  NvSNMPRequest2Edits* CurrentNameRequest = nullptr;
  NvSNMPRequest2Edits* DeleteRequest = nullptr;

  void FormCreate(TObject* Sender);
  void BT_GetClick(TObject* Sender);
  void SetBtnClick(TObject* Sender);
  void DelBtnClick(TObject* Sender);
  void BT_CloseClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// The dialog while its menu command shows it.
extern TGuestVlanForm* GuestVlanForm;
