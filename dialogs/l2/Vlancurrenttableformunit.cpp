#include "Vlancurrenttableformunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_qbridge.h"
#include "PortPickers.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;

namespace {
enum : int { VarIndex = 1, VarEgress = 3, VarUntagged = 4 };
}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(TComponent* Owner) : TFeatureDialog(Owner, 666, 462, NvScale::ByDpi) {
  Name = "VLanCurrentTableForm";
  Caption = "VLAN Current Table";

  LV_dot1qVlanCurrentEntry = Put<TListView>(this, "LV_dot1qVlanCurrentEntry", 8, 8, 548, 166);
  LB_VlanIndex = Put<TLabel>(this, "LB_VlanIndex", 0, 0, 0, 13, "VLAN Index");
  StaticText1 = Put<TStaticText>(this, "StaticText1", 0, 0, 64, 19);
  LB_Deletes = Put<TLabel>(this, "LB_Deletes", 0, 0, 0, 13, "VLAN Delete Numbers");
  VlanNumDeletes = Put<TStaticText>(this, "VlanNumDeletes", 0, 0, 64, 19);
  for (TStaticText* text : {StaticText1, VlanNumDeletes}) {
    text->AutoSize = false;
    text->BorderStyle = sbsSunken;
  }
  PlaceInRow(8, 184, {LB_VlanIndex, StaticText1, LB_Deletes, VlanNumDeletes});
  PageControl1 = Put<TPageControl>(this, "PageControl1", 8, 212, 548, 190);

  LB_Samples = Put<TLabel>(this, "LB_Samples", 568, 8, 80, 13, "Samples");
  ST_Count2 = Put<TStaticText>(this, "ST_Count2", 568, 24, 80, 19);
  ST_Count2->AutoSize = false;
  ST_Count2->BorderStyle = sbsSunken;
  ST_Count2->Alignment = taRightJustify;
  RefreshBtn = PutButton(this, "RefreshBtn", "Refresh", 568, 56, 80, 25, &TVLanCurrentTableForm::RefreshBtnClick);
  Closebtn = PutButton(this, "Closebtn", "Close", 568, 88, 80, 25, &TVLanCurrentTableForm::ClosebtnClick);
  SetBtn = Put<TButton>(this, "SetBtn", 568, 120, 80, 25, "Set");
  SetBtn->Visible = false;
  PutStatusBar();

  LV_dot1qVlanCurrentEntry->OnChange = Handler(this, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange);
  OnCreate = Handler(this, &TVLanCurrentTableForm::FormCreate);
  OnClose = Handler(this, &TVLanCurrentTableForm::FormClose);

  List = LV_dot1qVlanCurrentEntry;
  CountBox = ST_Count2;
  Pickers = {&EgressPicker, &UntaggedPicker};
  DoCreate();
}

void TVLanCurrentTableForm::FormCreate(TObject*) {
  const std::string positions = MakePortIndexList();
  EgressPicker = CreatePortPickerPage(this, "Egress Ports", PageControl1);
  UntaggedPicker = CreatePortPickerPage(this, "Untagged Ports", PageControl1);
  PageControl1->ActivePageIndex = 0;

  Guarded([&] {
    ScalarRequest = AddRequest(QBridgeVlanScalarsTable, SVT_SV, 0);
    Scalars = {ScalarRequest};
    ScalarRequest->BindStaticText(0, VlanNumDeletes);
    ScalarRequest->Get();
  });
  Guarded(
      [&] {
        Table = AddRequest(VlanCurrentTable, MVT_UMV, 2);
        Table->BindListView(LV_dot1qVlanCurrentEntry, false);
        Table->BindStaticText(VarIndex, StaticText1);
        Table->BindControlList(VarEgress, positions, EgressPicker->CheckBoxes);
        Table->BindControlList(VarUntagged, positions, UntaggedPicker->CheckBoxes);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  // Shown, never changed.
  EgressPicker->DisableAll();
  UntaggedPicker->DisableAll();
  ShowRowCount();
}

void TVLanCurrentTableForm::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  StaticText1->Caption = "";
}

void TVLanCurrentTableForm::RefreshBtnClick(TObject*) { RefreshAll(); }

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TVLanCurrentTableForm::ClosebtnClick(TObject*) { Close(); }

void TVLanCurrentTableForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
