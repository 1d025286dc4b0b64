// The network time dialog: the switch's SNTP client state, the time source it uses, two time
// servers and the poll interval. "Set Checked " writes the ticked rows in one SET.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"
#include "TickRows.h"

class TfrmNetwroktime : public TFeatureDialog {
 public:
  explicit TfrmNetwroktime(TComponent* Owner);

  TCheckBox* CheckBox_TimeState;
  TComboBox* CBox_TimeSate;
  TEdit* ED_TimeSource;
  TCheckBox* CheckBox_Server1IP;
  TEdit* ED_Server1IPAddress;
  TCheckBox* CheckBox_Server2IP;
  TEdit* ED_ServerIPAddress2;
  TCheckBox* CheckBox_PollInterval;
  TEdit* ED_PollInterval;
  TButton* Button_Refresh;
  TButton* Button_SetChecked;
  TButton* Button_CheckAll;
  TButton* Button_ClearAll;
  TButton* Button_Close;

  NvSNMPRequest2Edits* Request = nullptr;
  NvTickRows Rows;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Button_RefreshClick(TObject* Sender);
  void Button_SetCheckedClick(TObject* Sender);
  void Button_CheckAllClick(TObject* Sender);
  void Button_ClearAllClick(TObject* Sender);
  void Button_CloseClick(TObject* Sender);

 private:
  // A ticked server row must hold a whole dotted address; false after the message.
  bool ServerValid(TCheckBox* box, TEdit* edit);
};

// The dialog while its menu command shows it.
extern TfrmNetwroktime* frmNetwroktime;
