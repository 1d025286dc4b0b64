#include "Vlanportinfomationunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_qbridge.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;

namespace {
enum : int { VarPvid = 1, VarFrameTypes = 2, VarIngressFiltering = 3, VarGvrpStatus = 4 };
const NvSetStep SetSteps[] = {{{VarPvid, VarFrameTypes, VarIngressFiltering, VarGvrpStatus}}};
}  // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(TComponent* Owner)
    : TFeatureDialog(Owner, 593, 365, NvScale::ByDpi) {
  Name = "VLanPortInfomationForm";
  Caption = "VLAN Port Information Form";

  LV_dot1qPortVlanEntry = Put<TListView>(this, "LV_dot1qPortVlanEntry", 8, 8, 475, 200);
  LB_PortVLanID = Put<TLabel>(this, "LB_PortVLanID", 0, 0, 0, 13, "Port VLAN ID");
  PortVLanID = Put<TEdit>(this, "PortVLanID", 0, 0, 64, 21);
  LB_AcceptableFrameTypes = Put<TLabel>(this, "LB_AcceptableFrameTypes", 0, 0, 0, 13, "Acceptable Frame Types");
  AcceptableFrameTypes = Put<TComboBox>(this, "AcceptableFrameTypes", 0, 0, 160, 21);
  PlaceInRow(8, 218, {LB_PortVLanID, PortVLanID, LB_AcceptableFrameTypes, AcceptableFrameTypes});
  LB_IngressFiltering = Put<TLabel>(this, "LB_IngressFiltering", 0, 0, 0, 13, "Ingress Filtering");
  IngressFiltering = Put<TComboBox>(this, "IngressFiltering", 0, 0, 80, 21);
  LB_GvrpStatus = Put<TLabel>(this, "LB_GvrpStatus", 0, 0, 0, 13, "GVRP Status");
  GvrpStatus = Put<TComboBox>(this, "GvrpStatus", 0, 0, 90, 21);
  PlaceInRow(8, 248, {LB_IngressFiltering, IngressFiltering, LB_GvrpStatus, GvrpStatus});

  LB_Samples = Put<TLabel>(this, "LB_Samples", 495, 8, 80, 13, "Samples");
  ST_Count = Put<TStaticText>(this, "ST_Count", 495, 24, 80, 19);
  ST_Count->AutoSize = false;
  ST_Count->BorderStyle = sbsSunken;
  ST_Count->Alignment = taRightJustify;
  RefreshBtn = PutButton(this, "RefreshBtn", "Refresh", 495, 56, 80, 25, &TVLanPortInfomationForm::RefreshBtnClick);
  SetBtn = PutButton(this, "SetBtn", "Set", 495, 88, 80, 25, &TVLanPortInfomationForm::SetBtnClick);
  Closebtn = PutButton(this, "Closebtn", "Close", 495, 120, 80, 25, &TVLanPortInfomationForm::ClosebtnClick);
  PutStatusBar();

  LV_dot1qPortVlanEntry->OnChange = Handler(this, &TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange);
  OnCreate = Handler(this, &TVLanPortInfomationForm::FormCreate);
  OnClose = Handler(this, &TVLanPortInfomationForm::FormClose);

  List = LV_dot1qPortVlanEntry;
  CountBox = ST_Count;
  DetailEdits = {PortVLanID};
  DoCreate();
}

void TVLanPortInfomationForm::FormCreate(TObject*) {
  Guarded(
      [&] {
        Table = AddRequest(PortVlanTable, MVT_FMV, 1);
        Table->BindListView(LV_dot1qPortVlanEntry, true);
        Table->BindEdits(VarPvid, "%i{}", PortVLanID);
        Table->BindControl(VarFrameTypes, AcceptableFrameTypes);
        Table->BindControl(VarIngressFiltering, IngressFiltering);
        Table->BindControl(VarGvrpStatus, GvrpStatus);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  PortVLanID->Text = "";
  ShowRowCount();
}

void TVLanPortInfomationForm::RefreshBtnClick(TObject*) { RefreshAll(NvDialogText::RefreshNotCompleteCapital); }

void TVLanPortInfomationForm::SetBtnClick(TObject*) {
  if (!WriteAllowed(NvDialogText::RefreshNotCompleteCapital)) return;
  TListItem* row = LV_dot1qPortVlanEntry->Selected();
  if (!row) return;
  setPort_ = row->Caption;
  if (!WriteThenReread(SetSteps)) setPort_.clear();
}

// The list is rebuilt by the re-read: the written port is chosen again once it has ended.
void TVLanPortInfomationForm::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  if (setPort_.empty()) return;
  const std::string port = setPort_;
  setPort_.clear();
  for (int i = 0; i < LV_dot1qPortVlanEntry->Items->Count; ++i) {
    TListItem* item = LV_dot1qPortVlanEntry->Items->Item[i];
    if (item->Caption == port) {
      LV_dot1qPortVlanEntry->Selected = item;
      break;
    }
  }
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntryChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TVLanPortInfomationForm::ClosebtnClick(TObject*) { Close(); }

void TVLanPortInfomationForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
