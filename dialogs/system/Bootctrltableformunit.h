// The DHCP relay server dialog: the servers to which the switch relays DHCP requests, one row
// per interface and server address; rows are added in its entry pop-up and deleted here.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TNewBootpCtrlForm;

class TBOOTCtrlTableForm : public TFeatureDialog {
 public:
  explicit TBOOTCtrlTableForm(TComponent* Owner);

  // Items of ComboBox1, the row status written.
  static constexpr int kCreateAndGo = 3;
  static constexpr int kDestroy = 5;

  TListView* ListView1;
  TButton* RefreshBtn;
  TButton* AddBtn;
  TButton* DeleteBtn;
  TButton* CloseBtn;
  TComboBox* ComboBox1;  // hidden: the row status
  TNewBootpCtrlForm* Popup = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void RefreshBtnClick(TObject* Sender);
  void AddBtnClick(TObject* Sender);
  void DeleteBtnClick(TObject* Sender);
  void CloseBtnClick(TObject* Sender);
};

// The dialog while it is shown.
extern TBOOTCtrlTableForm* BOOTCtrlTableForm;
