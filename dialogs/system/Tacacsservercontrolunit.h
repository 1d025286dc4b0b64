// The server group membership dialog: one SET of an action row adds a server host to a server
// group of the access authentication control or removes it from the group.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TAAASrvCtrlForm : public TFeatureDialog {
 public:
  explicit TAAASrvCtrlForm(TComponent* Owner);

  TEdit* edtSrvGrpName;
  TEdit* edtSrvIP;
  TComboBox* cbxAuthPtcl;
  TComboBox* cbxOper;
  TButton* btnSet;
  TButton* btnClose;
  TStatusBar* stbResult;
  TListView* lvOper;  // hidden: the table's walk goes here

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnSetClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
};
