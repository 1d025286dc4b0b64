// The 802.1D port capabilities the switch reports (dot1dPortCapabilitiesTable): one row per port
// with its capability bits, read-only. The table is read blocking at opening and on Refresh.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TPortCapabilities8021dForm : public TFeatureDialog {
 public:
  explicit TPortCapabilities8021dForm(TComponent* Owner);

  TListView* LV_dot1dPortCapabilitiesEntry;
  TLabel* LB_Samples;
  TStaticText* ST_Count;
  TButton* RefreshBtn;

  void FormCreate(TObject* Sender);
  void RefreshBtnClick(TObject* Sender);
  void LV_dot1dPortCapabilitiesEntryChanging(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  void ReadTable();
};

// The dialog while its menu command shows it.
extern TPortCapabilities8021dForm* PortCapabilities8021dForm;
