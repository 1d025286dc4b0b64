#include "Vlanstaticformunit.h"

#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_qbridge.h"
#include "PortPickers.h"

TVlanStaticForm* VlanStaticForm = nullptr;

namespace {

// Variables of VlanStaticTable.
enum : int { VarVlanIndex = 0, VarName = 1, VarEgress = 2, VarForbidden = 3, VarUntagged = 4, VarRowStatus = 5 };

// Items of the row-status combo box (OptRowStatus order).
constexpr int kCreateAndGo = 3;
constexpr int kDestroy = 5;

// Set: each column of the chosen VLAN in a SET of its own, in this order.
const NvSetStep SetSteps[] = {{{VarEgress}}, {{VarForbidden}}, {{VarUntagged}}, {{VarRowStatus}}, {{VarName}}};
// Add: the row with its name (when typed), egress and untagged ports, then its forbidden ports.
const NvSetStep AddNamedSteps[] = {{{VarName, VarEgress, VarUntagged, VarRowStatus}}, {{VarForbidden}}};
const NvSetStep AddUnnamedSteps[] = {{{VarEgress, VarUntagged, VarRowStatus}}, {{VarForbidden}}};
const NvSetStep DeleteSteps[] = {{{VarRowStatus}}};

}  // namespace

TVlanStaticForm::TVlanStaticForm(TComponent* Owner) : TFeatureDialog(Owner, 650, 455, NvScale::ByDpi) {
  Name = "VlanStaticForm";
  Caption = "VLAN Static";

  LV_dot1qVlanStaticEntry = Put<TListView>(this, "LV_dot1qVlanStaticEntry", 8, 8, 532, 166);
  LB_VLANID = Put<TLabel>(this, "LB_VLANID", 0, 0, 0, 13, "VLAN ID");
  ED_VLANID = Put<TEdit>(this, "ED_VLANID", 0, 0, 64, 21);
  LB_VLANName = Put<TLabel>(this, "LB_VLANName", 0, 0, 0, 13, "VLAN Name");
  ED_VLANName = Put<TEdit>(this, "ED_VLANName", 0, 0, 200, 21);
  PlaceInRow(8, 182, {LB_VLANID, ED_VLANID, LB_VLANName, ED_VLANName});
  LB_NextFree = Put<TLabel>(this, "LB_NextFree", 0, 0, 0, 13, "Next Free Local VLAN Index");
  NextFreeLocalVlanIndex = Put<TStaticText>(this, "NextFreeLocalVlanIndex", 0, 0, 64, 19);
  NextFreeLocalVlanIndex->AutoSize = false;
  NextFreeLocalVlanIndex->BorderStyle = sbsSunken;
  PlaceInRow(8, 210, {LB_NextFree, NextFreeLocalVlanIndex});
  Status = Put<TComboBox>(this, "Status", 8, 182, 100, 21);
  Status->Visible = false;
  PageControl1 = Put<TPageControl>(this, "PageControl1", 8, 238, 532, 160);

  LB_Samples = Put<TLabel>(this, "LB_Samples", 552, 8, 80, 13, "Samples");
  ST_Count2 = Put<TStaticText>(this, "ST_Count2", 552, 24, 80, 19);
  ST_Count2->AutoSize = false;
  ST_Count2->BorderStyle = sbsSunken;
  ST_Count2->Alignment = taRightJustify;
  RefreshBtn = PutButton(this, "RefreshBtn", "Refresh", 552, 56, 80, 25, &TVlanStaticForm::RefreshBtnClick);
  SetBtn = PutButton(this, "SetBtn", "Set", 552, 88, 80, 25, &TVlanStaticForm::SetBtnClick);
  AddBtn = PutButton(this, "AddBtn", "Add", 552, 120, 80, 25, &TVlanStaticForm::AddBtnClick);
  DeleteBtn = PutButton(this, "DeleteBtn", "Delete", 552, 152, 80, 25, &TVlanStaticForm::DeleteBtnClick);
  btnStop = PutButton(this, "btnStop", "Stop", 552, 184, 80, 25, &TVlanStaticForm::btnStopClick);
  btnClose = PutButton(this, "btnClose", "Close", 552, 216, 80, 25, &TVlanStaticForm::btnCloseClick);
  PutStatusBar();

  LV_dot1qVlanStaticEntry->OnChange = Handler(this, &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);
  OnCreate = Handler(this, &TVlanStaticForm::FormCreate);
  OnCloseQuery = Handler(this, &TVlanStaticForm::FormCloseQuery);
  OnClose = Handler(this, &TVlanStaticForm::FormClose);

  List = LV_dot1qVlanStaticEntry;
  CountBox = ST_Count2;
  RowButtons = {SetBtn, DeleteBtn};
  AddButtons = {AddBtn};
  DetailEdits = {ED_VLANID, ED_VLANName};
  DetailCombos = {Status};
  Pickers = {&EgressPicker, &ForbiddenPicker, &UntaggedPicker};
  DoCreate();
}

void TVlanStaticForm::FormCreate(TObject*) {
  const std::string positions = MakePortIndexList();
  EgressPicker = CreatePortPickerPage(this, "Egress Ports", PageControl1);
  ForbiddenPicker = CreatePortPickerPage(this, "Forbidden Egress Ports", PageControl1);
  UntaggedPicker = CreatePortPickerPage(this, "Untagged Ports", PageControl1);
  PageControl1->ActivePageIndex = 0;

  Guarded(
      [&] {
        Table = AddRequest(VlanStaticTable, MVT_UMV, 1);
        Table->BindListView(LV_dot1qVlanStaticEntry, true);
        Table->BindEdits(VarVlanIndex, "%s", ED_VLANID);
        Table->BindEdits(VarName, "%s", ED_VLANName);
        Table->BindControlList(VarEgress, positions, EgressPicker->CheckBoxes);
        Table->BindControlList(VarForbidden, positions, ForbiddenPicker->CheckBoxes);
        Table->BindControlList(VarUntagged, positions, UntaggedPicker->CheckBoxes);
        Table->BindControl(VarRowStatus, Status);
        TrackWalks(Table);
        StartWalk(Table);
        ShowRowCount();
      },
      [&] { DataComplete = 1; });

  Guarded([&] {
    NextFreeRequest = AddRequest(NextFreeLocalVlanIndexTable, SVT_SV, 0);
    Scalars = {NextFreeRequest};
    NextFreeRequest->BindStaticText(0, NextFreeLocalVlanIndex);
    NextFreeRequest->Asynchronous = 0;
    NextFreeRequest->Get();
  });

  IdleButtons();
}

void TVlanStaticForm::RefreshBtnClick(TObject*) { RefreshAll(); }

// Each column of a VLAN that exists stands on its own: a refused one keeps none of the others
// from being written.
void TVlanStaticForm::SetBtnClick(TObject*) {
  if (!LV_dot1qVlanStaticEntry->Selected()) return;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  WriteAndReread(SetSteps, NvAfterRefusedSet::GoOn);
  IdleButtons();
}

void TVlanStaticForm::AddBtnClick(TObject*) {
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (ED_VLANID->Text().empty()) {
    ShowMessage("Please input VLAN ID.");
    return;
  }
  Status->ItemIndex = kCreateAndGo;
  // After a refused creation the forbidden ports would go to a VLAN that is someone else's.
  if (ED_VLANName->Text().empty())
    WriteAndReread(AddUnnamedSteps, NvAfterRefusedSet::Stop);
  else
    WriteAndReread(AddNamedSteps, NvAfterRefusedSet::Stop);
}

void TVlanStaticForm::DeleteBtnClick(TObject*) {
  if (!DeleteAllowed(NvDialogText::GetNotComplete)) return;
  Status->ItemIndex = kDestroy;
  WriteAndReread(DeleteSteps);
  IdleButtons();
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TVlanStaticForm::btnStopClick(TObject*) { StopWalk(); }

void TVlanStaticForm::btnCloseClick(TObject*) { Close(); }

void TVlanStaticForm::FormCloseQuery(TObject*, bool& CanClose) { CanClose = MayClose(); }

void TVlanStaticForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
