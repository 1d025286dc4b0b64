// Traffic segmentation: per ingress port, the ports the switch may forward its traffic to. The
// list holds one row per port; the chosen port's set is edited in a port picker and written
// back with one SET, after whose reply the table is read again.
#pragma once

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TTrafficSegmentationForm : public TFeatureDialog {
 public:
  explicit TTrafficSegmentationForm(TComponent* Owner);

  TListView* LV_TrafficForward;
  TLabel* LB_Port;
  TEdit* Combo_Port;      // the chosen port within its unit, read-only
  TLabel* LB_Unit;        // hidden
  TEdit* Combo_Unit;      // hidden: the chosen port's unit
  TStaticText* ST_Port;   // hidden: the row's port number as the switch counts it
  TPanel* Panel4;
  TLabel* LB_Samples;
  TStaticText* StaticText1;
  TButton* BT_Get;
  TButton* BT_Set;
  TButton* StopBtn;

  TStackingPortUitForm* Picker = nullptr;

  void FormCreate(TObject* Sender);
  void BT_GetClick(TObject* Sender);
  void BT_SetClick(TObject* Sender);
  void StopBtnClick(TObject* Sender);
  void ShowChosenRow(TListItem* row) override;
  void LV_TrafficForwardChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// A port number of the table counts 64 per stack unit (n = port + unit x 64 - 64): the port
// within its unit and the unit, both 0 for n = 0.
struct NvUnitPort {
  int Unit;
  int Port;
};
NvUnitPort SplitStackPort(int n);
