// The entry pop-up of the DHCP relay server dialog: adds one server of an interface, at most
// four per interface, through the dialog's request.
#pragma once

#include "EntryPopup.h"
#include "StdCtrls.h"

class TNewBootpCtrlForm : public TEntryPopup {
 public:
  TNewBootpCtrlForm(TComponent* Owner, TFeatureDialog* parent);

  TLabel* Label1;
  TEdit* Edit1;  // interface name
  TLabel* Label2;
  TEdit* Edit2;  // server address
  TButton* DeleteBtn;  // "Set"
  TButton* BitBtn1;

  void FormShow(TObject* Sender);
  void AddBtnClick(TObject* Sender);
  void BitBtn1Click(TObject* Sender);
};
