#include "Portmirror.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "PortPickers.h"

namespace {

// Variables of PortMirrorTable.
enum : int { VarRx = 0, VarTx = 1, VarTarget = 2, VarState = 3 };
// Of PortTrunkTable, as far as the hidden controls show them.
enum : int { TrunkVarMaster = 1, TrunkVarMembers = 2 };

// Items of Status_CBox (OptDisabled2Enabled3 order).
constexpr int kDisabled = 0;
constexpr int kEnabled = 1;

// The whole group, then the received ports alone, then the sent ports alone.
const NvSetStep SetSteps[] = {{{VarRx, VarTx, VarTarget, VarState}}, {{VarRx}}, {{VarTx}}};

}  // namespace

TPortMirrorForm::TPortMirrorForm(TComponent* Owner) : TFeatureDialog(Owner, 711, 443, NvScale::Stored) {
  Name = "PortMirrorForm";
  Caption = "Port Mirror";

  CK_Status = Put<TCheckBox>(this, "CK_Status", 16, 12, 140, 17, "Mirror Enabled");
  LB_Target = Put<TLabel>(this, "LB_Target", 16, 42, 80, 13, "Target Port ");
  GroupBox2 = Put<TPanel>(this, "GroupBox2", 100, 34, 300, 30);
  LB_Unit = Put<TLabel>(GroupBox2, "LB_Unit", 0, 0, 0, 13, "Unit : ");
  UnitEdit = Put<TEdit>(GroupBox2, "UnitEdit", 0, 0, 40, 21);
  UnitEdit->Text = "1";
  UnitEdit->Enabled = false;
  LB_Port = Put<TLabel>(GroupBox2, "LB_Port", 0, 0, 0, 13, "Port : ");
  PortEdit = Put<TEdit>(GroupBox2, "PortEdit", 0, 0, 48, 21);
  PlaceInRow(4, 4, {LB_Unit, UnitEdit, LB_Port, PortEdit});

  GroupBox1 = Put<TPanel>(this, "GroupBox1", 8, 72, 600, 300);
  LB_Source = Put<TLabel>(GroupBox1, "LB_Source", 8, 6, 100, 13, "Source Port");
  LB_Ingress = Put<TLabel>(GroupBox1, "LB_Ingress", 8, 26, 100, 13, "Ingress Port");
  IngressPortGB = Put<TPanel>(GroupBox1, "IngressPortGB", 8, 42, 584, 120);
  LB_Egress = Put<TLabel>(GroupBox1, "LB_Egress", 8, 168, 100, 13, "Egress Port");
  EgressPortGB = Put<TPanel>(GroupBox1, "EgressPortGB", 8, 184, 584, 110);

  BT_Refresh = PutButton(this, "BT_Refresh", "Refresh", 620, 72, 80, 25, &TPortMirrorForm::BT_RefreshClick);
  BT_Set = PutButton(this, "BT_Set", "Set ", 620, 104, 80, 25, &TPortMirrorForm::BT_SetClick);
  Button1 = PutButton(this, "Button1", "Close", 620, 136, 80, 25, &TPortMirrorForm::Button1Click);
  PutStatusBar();

  Status_CBox = Put<TComboBox>(this, "Status_CBox", 420, 8, 90, 21);
  Status_CBox->Visible = false;
  LV_PortTrunk = Put<TListView>(this, "LV_PortTrunk", 420, 8, 100, 50);
  LV_PortTrunk->Visible = false;
  ED_MasterPort = Put<TEdit>(this, "ED_MasterPort", 420, 8, 40, 21);
  ED_MasterPort->Visible = false;
  StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 420, 8, 200, 100);
  StackingPortPanel->Visible = false;

  CK_Status->OnClick = Handler(this, &TPortMirrorForm::CK_StatusClick);
  OnCreate = Handler(this, &TPortMirrorForm::FormCreate);
  OnClose = Handler(this, &TPortMirrorForm::FormClose);
  Pickers = {&IngressPicker, &EgressPicker, &TrunkPicker};
  DoCreate();
}

void TPortMirrorForm::FormCreate(TObject*) {
  Caption = "Port Mirror Table:" + TitleSuffix;
  const std::string positions = MakePortIndexList();
  IngressPicker = CreatePortPicker(this, IngressPortGB);
  EgressPicker = CreatePortPicker(this, EgressPortGB);
  MirrorRequest = AddRequest(PortMirrorTable, SVT_SV, 0);
  Guarded(MirrorRequest, [&] {
    MirrorRequest->Asynchronous = 0;
    MirrorRequest->BindControlList(VarRx, positions, IngressPicker->CheckBoxes);
    MirrorRequest->BindControlList(VarTx, positions, EgressPicker->CheckBoxes);
    MirrorRequest->BindEdits(VarTarget, "%i", PortEdit);
    MirrorRequest->BindControl(VarState, Status_CBox);
    MirrorRequest->Get();
    ShowMirrorState();

    TrunkPicker = CreatePortPicker(this, StackingPortPanel);
    TrunkRequest = AddRequest(PortTrunkTable, MVT_UMV, 1);
    TrunkRequest->Asynchronous = 0;
    TrunkRequest->BindListView(LV_PortTrunk, true);
    TrunkRequest->BindEdits(TrunkVarMaster, "%i", ED_MasterPort);
    TrunkRequest->BindControlList(TrunkVarMembers, positions, TrunkPicker->CheckBoxes);
    TrunkRequest->Get();
  });
  DataComplete = 1;
}

// Ticked only for "enabled": a state that could not be read is not shown as mirroring.
void TPortMirrorForm::ShowMirrorState() { CK_Status->Checked = Status_CBox->ItemIndex == kEnabled; }

void TPortMirrorForm::CK_StatusClick(TObject*) { Status_CBox->ItemIndex = CK_Status->Checked ? kEnabled : kDisabled; }

void TPortMirrorForm::ReadAll() {
  MirrorRequest->Request.Active = 1;
  MirrorRequest->Get();
  if (TrunkRequest) {
    TrunkRequest->Request.Active = 1;
    TrunkRequest->Get();
  }
  ShowMirrorState();
}

void TPortMirrorForm::BT_RefreshClick(TObject*) {
  if (MirrorRequest) Guarded(MirrorRequest, [&] { ReadAll(); });
}

void TPortMirrorForm::BT_SetClick(TObject*) {
  if (!MirrorRequest) return;
  Guarded(MirrorRequest, [&] {
    // A refused SET does not keep the next ones from going.
    SendSetSequence(MirrorRequest, SetSteps, NvAfterRefusedSet::GoOn);
    MirrorRequest->Get();
    ShowMirrorState();
  });
  BT_RefreshClick(nullptr);
}

void TPortMirrorForm::Button1Click(TObject*) { Close(); }

void TPortMirrorForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  MirrorRequest = TrunkRequest = nullptr;
}
