// The SSH user dialog: the switch's SSH users with their authentication mode and host; a user
// is edited in the pop-up, never created or deleted here.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TSSHUserCtrlEdit;

class TSSHUserCtrlList : public TFeatureDialog {
 public:
  explicit TSSHUserCtrlList(TComponent* Owner);

  TListView* lvData;
  TStaticText* StaticText;  // the count, under "Sample"
  TButton* btnRefresh;
  TButton* btnEdit;
  TButton* btnClose;
  TSSHUserCtrlEdit* Popup = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnRefreshClick(TObject* Sender);
  void btnEditClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void lvDataChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void ApplyEnablingRules() override;
  void lvDataDblClick(TObject* Sender);
};
