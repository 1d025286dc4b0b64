// The switch's spanning tree version and bridge timers. Set checks the two timer relations
// first, leaves the hello time out for MSTP, and shows a progress window when the version
// changes while spanning tree runs.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TSTP_Info : public TFeatureDialog {
 public:
  explicit TSTP_Info(TComponent* Owner);

  TLabel* LB_Version;
  TComboBox* Combo_STPVersion;
  TLabel* LB_MaxAge;
  TEdit* ET_AgingTime;
  TLabel* LB_Hello;
  TEdit* ET_HelloTime;
  TLabel* LB_ForwardDelay;
  TEdit* ET_ForwardDelay;
  TLabel* LB_MaxHops;
  TEdit* ET_Priority;
  TLabel* LB_TxHold;
  TEdit* ED_TxHoldCount;
  TLabel* LB_Bpdu;
  TComboBox* Combo_BPDU;
  TLabel* LB_Note1;
  TLabel* LB_Note2;
  TButton* BT_Get;
  TButton* BT_Set;
  TButton* CloseButton;
  TListView* ListView1;   // hidden: the parameters without hello time, one row
  TLabel* lbMSTPState;    // hidden: the STP state

  NvSNMPRequest2Edits* ListRequest = nullptr;
  NvSNMPRequest2Edits* StateRequest = nullptr;
  NvSNMPRequest2Edits* ParamsRequest = nullptr;

  void FormCreate(TObject* Sender);
  void BT_GetClick(TObject* Sender);
  void BT_SetClick(TObject* Sender);
  void Combo_STPVersionChange(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  void ShowHelloTime(bool mstp, const char* text);
  bool WriteThroughList();
  void Say(const std::string& text);
};

// The dialog while its menu command shows it.
extern TSTP_Info* STP_Info;
