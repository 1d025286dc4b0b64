// The VLANs currently active on the switch (dot1qVlanCurrentTable), static and learned, read-only:
// the chosen VLAN's egress and untagged ports in two disabled pickers, and the switch's count of
// VLAN deletions beside the list.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TVLanCurrentTableForm : public TFeatureDialog {
 public:
  explicit TVLanCurrentTableForm(TComponent* Owner);

  TListView* LV_dot1qVlanCurrentEntry;
  TLabel* LB_VlanIndex;
  TStaticText* StaticText1;
  TLabel* LB_Deletes;
  TStaticText* VlanNumDeletes;
  TPageControl* PageControl1;
  TLabel* LB_Samples;
  TStaticText* ST_Count2;
  TButton* RefreshBtn;
  TButton* Closebtn;
  TButton* SetBtn;  // hidden; takes no part

  TStackingPortUitForm* EgressPicker = nullptr;
  TStackingPortUitForm* UntaggedPicker = nullptr;
  NvSNMPRequest2Edits* ScalarRequest = nullptr;

  void FormCreate(TObject* Sender);
  void RefreshBtnClick(TObject* Sender);
  void LV_dot1qVlanCurrentEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void ClosebtnClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void ClearDetailControls() override;
};

// The dialog while its menu command shows it.
extern TVLanCurrentTableForm* VLanCurrentTableForm;
