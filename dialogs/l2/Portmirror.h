// The switch's port mirroring: the ports whose received and whose sent traffic is copied, the
// target port that receives the copies, and whether mirroring is on. One scalar group, read
// and written with blocking requests, written in three SETs in a fixed order. Beside it the
// port trunk table is read into hidden controls.
#pragma once

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TStackingPortUitForm;

class TPortMirrorForm : public TFeatureDialog {
 public:
  explicit TPortMirrorForm(TComponent* Owner);

  TCheckBox* CK_Status;
  TLabel* LB_Target;
  TPanel* GroupBox2;
  TLabel* LB_Unit;
  TEdit* UnitEdit;
  TLabel* LB_Port;
  TEdit* PortEdit;
  TPanel* GroupBox1;
  TLabel* LB_Source;
  TLabel* LB_Ingress;
  TPanel* IngressPortGB;
  TLabel* LB_Egress;
  TPanel* EgressPortGB;
  TButton* BT_Refresh;
  TButton* BT_Set;
  TButton* Button1;
  // Hidden: the state as bound, and the trunk read.
  TComboBox* Status_CBox;
  TListView* LV_PortTrunk;
  TEdit* ED_MasterPort;
  TPanel* StackingPortPanel;

  TStackingPortUitForm* IngressPicker = nullptr;
  TStackingPortUitForm* EgressPicker = nullptr;
  TStackingPortUitForm* TrunkPicker = nullptr;
  NvSNMPRequest2Edits* MirrorRequest = nullptr;
  NvSNMPRequest2Edits* TrunkRequest = nullptr;

  void FormCreate(TObject* Sender);
  void BT_RefreshClick(TObject* Sender);
  void BT_SetClick(TObject* Sender);
  void CK_StatusClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  void ReadAll();
  void ShowMirrorState();
};
