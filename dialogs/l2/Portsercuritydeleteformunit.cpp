#include "Portsercuritydeleteformunit.h"

#include "DialogChecks.h"
#include "DialogNumbers.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "StackingPortUitForm.h"

TPrtSecDelCtrlForm* PrtSecDelCtrlForm = nullptr;

namespace {

// Variables of PortSecurityDeleteTable.
enum : int { VarVlanName = 0, VarPort = 1, VarMac = 2, VarActivity = 3 };

constexpr int kStart = 1;  // item of cbxOper (OptNoneStart order)
constexpr int kPortsPerUnit = 64;

}  // namespace

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(TComponent* Owner) : TFeatureDialog(Owner, 409, 191, NvScale::Stored) {
  Name = "PrtSecDelCtrlForm";
  Caption = "Port Security Delete";

  LB_Vlan = Put<TLabel>(this, "LB_Vlan", 16, 19, 60, 13, "VLAN");
  edtVlan = Put<TEdit>(this, "edtVlan", 80, 16, 200, 21);
  LB_Port = Put<TLabel>(this, "LB_Port", 16, 51, 60, 13, "Port");
  PortEdit = Put<TEdit>(this, "PortEdit", 80, 48, 64, 21);
  LB_Mac = Put<TLabel>(this, "LB_Mac", 16, 83, 60, 13, "MAC");
  edtMac = Put<TEdit>(this, "edtMac", 80, 80, 200, 21);
  GroupBox1 = Put<TPanel>(this, "GroupBox1", 160, 44, 120, 30);
  GroupBox1->Visible = false;
  UnitEdit = Put<TEdit>(GroupBox1, "UnitEdit", 8, 4, 40, 21);
  edtPort = Put<TEdit>(this, "edtPort", 300, 48, 60, 21);
  edtPort->Visible = false;
  cbxOper = Put<TComboBox>(this, "cbxOper", 300, 80, 80, 21);
  cbxOper->Visible = false;
  btnRefresh = PutButton(this, "btnRefresh", "Refresh", 96, 116, 75, 25, &TPrtSecDelCtrlForm::btnRefreshClick);
  btnSet = PutButton(this, "btnSet", "Set", 180, 116, 75, 25, &TPrtSecDelCtrlForm::btnSetClick);
  Button1 = PutButton(this, "Button1", "Close", 264, 116, 75, 25, &TPrtSecDelCtrlForm::Button1Click);
  PutStatusBar();

  OnCreate = Handler(this, &TPrtSecDelCtrlForm::FormCreate);
  OnClose = Handler(this, &TPrtSecDelCtrlForm::FormClose);
  DoCreate();
}

void TPrtSecDelCtrlForm::FormCreate(TObject*) {
  Table = AddRequest(PortSecurityDeleteTable, SVT_SV, 0);
  Guarded(Table, [&] {
    Table->BindEdits(VarVlanName, "%s{l32}", edtVlan);
    Table->BindEdits(VarPort, "%i{n0x" + std::to_string(12 * kPortsPerUnit) + "l3}", edtPort);
    Table->BindEdits(VarMac, "%s{l12}", edtMac);
    Table->BindControl(VarActivity, cbxOper);
    Table->Asynchronous = 0;
    ReadGroup();
  });
  DataComplete = 1;  // blocking reads only
  BuildUnitList();
}

// Reads the group and shows its port number as unit and port.
void TPrtSecDelCtrlForm::ReadGroup() {
  Table->Request.Active = 1;
  Table->Get();
  const int n = TextToIntDef(edtPort->Text, 0);
  UnitEdit->Text = std::to_string(n > 0 ? (n - 1) / kPortsPerUnit + 1 : 0);
  PortEdit->Text = std::to_string(n > 0 ? (n - 1) % kPortsPerUnit + 1 : 0);
}

void TPrtSecDelCtrlForm::BuildUnitList() {
  SecurityEreaseLockUnitInfoList.clear();
  SecurityEreaseLockUnitInfoList.push_back({1, GetModelPortCount(ModelName), ModelName});
}

int TPrtSecDelCtrlForm::UnitPortCount(int unit) const {
  for (const TSecurityEreaseLockUnitInfo& info : SecurityEreaseLockUnitInfoList)
    if (info.Unit == unit) return info.PortCount;
  return 0;
}

void TPrtSecDelCtrlForm::btnRefreshClick(TObject*) {
  SecurityEreaseLockUnitInfoList.clear();
  if (Table) Guarded(Table, [&] { ReadGroup(); });
  BuildUnitList();
}

void TPrtSecDelCtrlForm::btnSetClick(TObject*) {
  if (!Table) return;
  UnitEdit->Text = "1";
  if (edtVlan->Text().empty()) {
    Refuse("You should input VLAN name.");
    return;
  }
  const int port = NumberOrMinusOne(PortEdit->Text);
  if (port <= 0) {
    Refuse("You should input valid port.", PortEdit);
    return;
  }
  if (port > UnitPortCount(1)) {
    UnitEdit->Text = "0";
    PortEdit->Text = "0";
    Refuse("You should input valid port.", PortEdit);
    return;
  }
  edtPort->Text = std::to_string(port + 1 * kPortsPerUnit - kPortsPerUnit);
  // Exactly twelve digits: a longer text would reach the switch as another address.
  if (!IsMacKey(edtMac->Text, "You should input valid MAC address.")) return;
  cbxOper->ItemIndex = kStart;
  Guarded(Table, [&] {
    Table->Request.Active = 1;
    Table->Set(true, true);
  });
}

void TPrtSecDelCtrlForm::Button1Click(TObject*) { Close(); }

void TPrtSecDelCtrlForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  SecurityEreaseLockUnitInfoList.clear();
}
