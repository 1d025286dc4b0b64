// The per-port VLAN settings (dot1qPortVlanTable): PVID, acceptable frame types, ingress
// filtering and GVRP status of each port. Set writes the chosen port's four settings in one SET;
// the list is read again once the switch has answered, and the port is chosen again.
#pragma once

#include <string>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TVLanPortInfomationForm : public TFeatureDialog {
 public:
  explicit TVLanPortInfomationForm(TComponent* Owner);

  TListView* LV_dot1qPortVlanEntry;
  TLabel* LB_PortVLanID;
  TEdit* PortVLanID;
  TLabel* LB_AcceptableFrameTypes;
  TComboBox* AcceptableFrameTypes;
  TLabel* LB_IngressFiltering;
  TComboBox* IngressFiltering;
  TLabel* LB_GvrpStatus;
  TComboBox* GvrpStatus;
  TLabel* LB_Samples;
  TStaticText* ST_Count;
  TButton* RefreshBtn;
  TButton* SetBtn;
  TButton* Closebtn;

  void FormCreate(TObject* Sender);
  void RefreshBtnClick(TObject* Sender);
  void SetBtnClick(TObject* Sender);
  void LV_dot1qPortVlanEntryChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void ClosebtnClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) override;

 private:
  std::string setPort_;  // the port whose settings were written, chosen again after the re-read
};

// The dialog while its menu command shows it.
extern TVLanPortInfomationForm* VLanPortInfomationForm;
