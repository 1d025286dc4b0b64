// The ARP table dialog: the switch's IP-to-physical address entries; static entries are added
// and entries changed in the pop-up, entries deleted here.
#pragma once

#include <array>
#include <string>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TARPAddEdit;

class TARPConfigForm : public TFeatureDialog {
 public:
  explicit TARPConfigForm(TComponent* Owner);

  TListView* ListView1;
  TButton* AddBtn;
  TButton* EditBtn;
  TButton* DelBtn;
  TButton* RefreshBtn;
  TButton* CloseBtn;
  TStaticText* StaticText;
  TARPAddEdit* Popup = nullptr;

  // An Add has blanked the pop-up since the last list click.
  bool AddPending = false;
  // The pop-up's index, address and MAC texts and the item indexes of its type, state and row
  // status boxes, as they were before an Add blanked them.
  std::array<std::string, 6> SavedEntry;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void RefreshBtnClick(TObject* Sender);
  void AddBtnClick(TObject* Sender);
  void EditBtnClick(TObject* Sender);
  void DelBtnClick(TObject* Sender);
  void CloseBtnClick(TObject* Sender);
  void ListView1Changing(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange);
  void ApplyEnablingRules() override;
  void ListView1DblClick(TObject* Sender);
  void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) override;
};

// The dialog while it is shown; the pop-up reaches it through this.
extern TARPConfigForm* ARPConfigForm;
