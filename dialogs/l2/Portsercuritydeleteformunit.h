// Deleting one address that port security has locked: the VLAN name, the port and the MAC
// address go to the switch with the activity "start" in one blocking SET. The same group is
// read when the dialog opens and on Refresh, its port number shown as unit and port.
#pragma once

#include <string>
#include <vector>

#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

// A stack unit the dialog knows: its number, port count and model.
struct TSecurityEreaseLockUnitInfo {
  int Unit;
  int PortCount;
  std::string Model;
};

class TPrtSecDelCtrlForm : public TFeatureDialog {
 public:
  explicit TPrtSecDelCtrlForm(TComponent* Owner);

  TLabel* LB_Vlan;
  TEdit* edtVlan;
  TLabel* LB_Port;
  TEdit* PortEdit;
  TLabel* LB_Mac;
  TEdit* edtMac;
  TPanel* GroupBox1;     // hidden
  TEdit* UnitEdit;
  TEdit* edtPort;        // hidden: the port number sent
  TComboBox* cbxOper;    // hidden: the activity
  TButton* btnRefresh;
  TButton* btnSet;
  TButton* Button1;

  // SecurityEreaseLockUnitInfoList: unit 1 of the model, built after every read.
  std::vector<TSecurityEreaseLockUnitInfo> SecurityEreaseLockUnitInfoList;

  void FormCreate(TObject* Sender);
  void btnRefreshClick(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  void ReadGroup();
  void BuildUnitList();
  int UnitPortCount(int unit) const;
};

// The dialog while its menu command shows it.
extern TPrtSecDelCtrlForm* PrtSecDelCtrlForm;
