#include "Snoopingrouterportsunits.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "Oid_mld.h"
#include "PortPickers.h"

TIGMPRouterPortsForm* IGMPRouterPortsForm = nullptr;
TMLD_SnoopingRouterPortsForm* MLD_SnoopingRouterPortsForm = nullptr;

namespace {

enum : int { VarVlan = 0, VarStatic = 1, VarDynamic = 2, VarForbidden = 3 };

// The dynamic set is the switch's own: only the static and forbidden sets are written.
const NvSetStep SetSteps[] = {{{VarStatic, VarForbidden}}};

const NvRouterPortsKind IgmpKind = {
    "IGMPRouterPortsForm", "IGMP Router Ports", 608, 349, NvScale::Stored, {poDesigned, 242, 199},
    IgmpRouterPortTable, "VID", false, "btn_Close"};
const NvRouterPortsKind MldKind = {
    "MLD_SnoopingRouterPortsForm", "MLD Snooping Router Ports", 671, 472, NvScale::ByDpi, {poScreenCenter},
    MldRouterPortTable, "VLAN ID", true, "btnClose"};

}  // namespace

TSnoopingRouterPortsForm::TSnoopingRouterPortsForm(TComponent* Owner, const NvRouterPortsKind& kind)
    : TFeatureDialog(Owner, kind.Width, kind.Height, kind.Scale, kind.Placement), Kind(kind) {
  Name = kind.Name;
  Caption = kind.Caption;
  // The button column beside the list and the VLAN line; the pickers below, full width, so
  // that a row of 12 boxes fits.
  const int right = kind.Width - 16 - 88;
  const int listWidth = right - 16;
  const int pagesHeight = 120;
  const int pagesTop = kind.Height - 39 - 22 - 8 - pagesHeight;
  const int vlanTop = pagesTop - 28;

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, listWidth, vlanTop - 16);
  LB_VlanID = Put<TLabel>(this, "LB_VlanID", 0, 0, 0, 13, kind.VlanLabel);
  stVlanID = Put<TStaticText>(this, "stVlanID", 0, 0, 64, 19);
  stVlanID->AutoSize = false;
  stVlanID->BorderStyle = sbsSunken;
  PlaceInRow(8, vlanTop, {LB_VlanID, stVlanID});
  if (!kind.HasStop) {
    LB_VlanName = Put<TLabel>(this, "LB_VlanName", 160, vlanTop + 3, 0, 13, "VLAN Name");
    stVlanName = Put<TStaticText>(this, "stVlanName", 230, vlanTop, 120, 19);
    LB_VlanName->Visible = false;
    stVlanName->Visible = false;
  }
  PageControl1 = Put<TPageControl>(this, "PageControl1", 8, pagesTop, kind.Width - 32, pagesHeight);

  LB_Samples = Put<TLabel>(this, "LB_Samples", right, 8, 80, 13, "Samples");
  StaticText1 = Put<TStaticText>(this, "StaticText1", right, 24, 80, 19);
  StaticText1->AutoSize = false;
  StaticText1->BorderStyle = sbsSunken;
  StaticText1->Alignment = taRightJustify;
  int top = 56;
  btnGet = PutButton(this, "btnGet", "Refresh", right, top, 80, 25, &TSnoopingRouterPortsForm::btnGetClick);
  btnSet = PutButton(this, "btnSet", "Set", right, top += 32, 80, 25, &TSnoopingRouterPortsForm::btnSetClick);
  if (kind.HasStop)
    btnStop = PutButton(this, "btnStop", "Stop", right, top += 32, 80, 25, &TSnoopingRouterPortsForm::btnStopClick);
  btnClose = PutButton(this, kind.CloseName, "Close", right, top += 32, 80, 25, &TSnoopingRouterPortsForm::btnCloseClick);
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TSnoopingRouterPortsForm::ListView1Change);
  OnCreate = Handler(this, &TSnoopingRouterPortsForm::FormCreate);
  if (kind.HasStop) OnCloseQuery = Handler(this, &TSnoopingRouterPortsForm::FormCloseQuery);
  OnClose = Handler(this, &TSnoopingRouterPortsForm::FormClose);

  List = ListView1;
  CountBox = StaticText1;
  RowButtons = {btnSet};
  Pickers = {&StaticPicker, &DynamicPicker, &ForbiddenPicker};
  DoCreate();
}

void TSnoopingRouterPortsForm::FormCreate(TObject*) {
  const std::string positions = MakePortIndexList();
  StaticPicker = CreatePortPickerPage(this, "Static Ports", PageControl1);
  DynamicPicker = CreatePortPickerPage(this, "Dynamic Ports", PageControl1);
  ForbiddenPicker = CreatePortPickerPage(this, "Forbidden Ports", PageControl1);
  PageControl1->ActivePageIndex = 0;
  Guarded(
      [&] {
        Table = AddRequest(Kind.Table, MVT_FMV, 1);
        Table->BindListView(ListView1, true);
        Table->BindStaticText(VarVlan, stVlanID);
        Table->BindControlList(VarStatic, positions, StaticPicker->CheckBoxes);
        Table->BindControlList(VarDynamic, positions, DynamicPicker->CheckBoxes);
        Table->BindControlList(VarForbidden, positions, ForbiddenPicker->CheckBoxes);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  ClearDetailControls();
}

void TSnoopingRouterPortsForm::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  EnableEditablePickers();
}

void TSnoopingRouterPortsForm::EnableEditablePickers() {
  if (StaticPicker) StaticPicker->EnableAll();
  if (ForbiddenPicker) ForbiddenPicker->EnableAll();
}

// Without a chosen VLAN there is nothing to write: Set waits for a row.
void TSnoopingRouterPortsForm::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  stVlanID->Caption = "";
  if (stVlanName) stVlanName->Caption = "";
  if (DynamicPicker) DynamicPicker->DisableAll();
  btnSet->Enabled = false;
  ShowRowCount();
}

void TSnoopingRouterPortsForm::btnGetClick(TObject*) { RefreshAll(); }

void TSnoopingRouterPortsForm::btnSetClick(TObject*) {
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (!ListView1->Selected()) return;
  WriteThenReread(SetSteps);
}

void TSnoopingRouterPortsForm::btnStopClick(TObject*) { StopWalk(); }

void TSnoopingRouterPortsForm::btnCloseClick(TObject*) { Close(); }

void TSnoopingRouterPortsForm::ApplyEnablingRules() {
  if (ListView1->Selected())
    DynamicPicker->DisableAll();
  else if (DataComplete)
    EnableEditablePickers();  // the choice taken away locks them with the rest
}

void TSnoopingRouterPortsForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TSnoopingRouterPortsForm::FormCloseQuery(TObject*, bool& CanClose) { CanClose = MayClose(); }

void TSnoopingRouterPortsForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }

TIGMPRouterPortsForm::TIGMPRouterPortsForm(TComponent* Owner) : TSnoopingRouterPortsForm(Owner, IgmpKind) {}

TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(TComponent* Owner)
    : TSnoopingRouterPortsForm(Owner, MldKind) {}
