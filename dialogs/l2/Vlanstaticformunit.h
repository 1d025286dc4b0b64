// The static 802.1Q VLANs of the switch (dot1qVlanStaticTable): a list of the VLANs, and under
// it the chosen VLAN's ID, name and, on three tab pages, its egress, forbidden and untagged
// ports. Add creates a VLAN, Set changes the chosen one, Delete destroys the VLAN whose ID is
// typed. Beside the table: the next free local VLAN index the switch reports.
#pragma once

#include <span>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TVlanStaticForm : public TFeatureDialog {
 public:
  explicit TVlanStaticForm(TComponent* Owner);

  TListView* LV_dot1qVlanStaticEntry;
  TLabel* LB_VLANID;
  TEdit* ED_VLANID;
  TLabel* LB_VLANName;
  TEdit* ED_VLANName;
  TComboBox* Status;  // hidden: the row status of the row
  TLabel* LB_NextFree;
  TStaticText* NextFreeLocalVlanIndex;
  TPageControl* PageControl1;
  TLabel* LB_Samples;
  TStaticText* ST_Count2;
  TButton* RefreshBtn;
  TButton* SetBtn;
  TButton* AddBtn;
  TButton* DeleteBtn;
  TButton* btnStop;
  TButton* btnClose;

  TStackingPortUitForm* EgressPicker = nullptr;
  TStackingPortUitForm* ForbiddenPicker = nullptr;
  TStackingPortUitForm* UntaggedPicker = nullptr;
  NvSNMPRequest2Edits* NextFreeRequest = nullptr;

  void FormCreate(TObject* Sender);
  void RefreshBtnClick(TObject* Sender);
  void SetBtnClick(TObject* Sender);
  void AddBtnClick(TObject* Sender);
  void DeleteBtnClick(TObject* Sender);
  void LV_dot1qVlanStaticEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void btnStopClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// The dialog while its menu command shows it.
extern TVlanStaticForm* VlanStaticForm;
