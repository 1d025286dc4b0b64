// The system log host dialog: the switch's syslog servers (index 1 to 4) with address,
// facility, severity, UDP port and state, added, changed and deleted through their row status.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TSystemLogServerForm : public TFeatureDialog {
 public:
  explicit TSystemLogServerForm(TComponent* Owner);

  TListView* LV_SystemLogServerEntry;
  TEdit* Ed_Index;
  TEdit* Ed_IP;
  TComboBox* CBox_Facility;
  TEdit* Ed_Port;
  TComboBox* CBox_State;
  TComboBox* CBox_Severity;
  TComboBox* CBox_RowStatus;
  TComboBox* cbb_ServerAddrType;  // never shown
  TEdit* edt_ServerIPAddr;        // never shown
  TStaticText* ST_Count;
  TButton* Btn_Refresh;
  TButton* Btn_Edit;  // "Set"
  TButton* Btn_Add;
  TButton* Btn_Del;
  TButton* Button1;   // "Close"

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Btn_RefreshClick(TObject* Sender);
  void Btn_EditClick(TObject* Sender);
  void Btn_AddClick(TObject* Sender);
  void Btn_DelClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void LV_SystemLogServerEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void ClearDetailControls() override;

 private:
  // The port edit empty or 514 or 6000-65535; false after the message.
  bool PortAllowed();
  void Write(const NvSetStep& step);
};
