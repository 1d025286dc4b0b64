// The 802.1v protocol VLAN port entries: which protocol group maps to which VLAN, with which
// priority, on each port. Rows are added and edited in the entry pop-up and deleted at once.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class Tdot1vProtocolPortEdit;

class Tdot1vProtocolPortForm : public TFeatureDialog {
 public:
  explicit Tdot1vProtocolPortForm(TComponent* Owner);

  TListView* ListView1;
  TLabel* LB_Samples;
  TStaticText* StaticText1;
  TButton* btn_Get;
  TButton* Btn_Add;
  TButton* Btu_Edit;
  TButton* Btn_Delete;
  TButton* Btn_Close;

  Tdot1vProtocolPortEdit* Popup = nullptr;

  void FormCreate(TObject* Sender);
  void btn_GetClick(TObject* Sender);
  void Btn_AddClick(TObject* Sender);
  void Btu_EditClick(TObject* Sender);
  void ListView1DblClick(TObject* Sender);
  void Btn_DeleteClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void Btn_CloseClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// The dialog while its menu command shows it.
extern Tdot1vProtocolPortForm* dot1vProtocolPortForm;
