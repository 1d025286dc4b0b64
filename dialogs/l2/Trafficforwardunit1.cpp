#include "Trafficforwardunit1.h"

#include <cstdlib>
#include <string>

#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "PortPickers.h"

namespace {

enum : int { VarPort = 0, VarForwardPorts = 1 };

const NvSetStep SetSteps[] = {{{VarForwardPorts}}};

}  // namespace

NvUnitPort SplitStackPort(int n) {
  if (n <= 0) return {0, 0};
  if (n % 64 == 0) return {n / 64, 64};
  return {n / 64 + 1, n % 64};
}

TTrafficSegmentationForm::TTrafficSegmentationForm(TComponent* Owner)
    : TFeatureDialog(Owner, 649, 462, NvScale::Stored) {
  Name = "TrafficSegmentationForm";
  Caption = "Traffic Segmentation Table:";

  LV_TrafficForward = Put<TListView>(this, "LV_TrafficForward", 8, 8, 520, 170);
  LB_Port = Put<TLabel>(this, "LB_Port", 0, 0, 0, 13, "Port : ");
  Combo_Port = Put<TEdit>(this, "Combo_Port", 0, 0, 64, 21);
  Combo_Port->ReadOnly = true;
  PlaceInRow(8, 186, {LB_Port, Combo_Port});
  LB_Unit = Put<TLabel>(this, "LB_Unit", 160, 189, 0, 13, "Unit : ");
  LB_Unit->Visible = false;
  Combo_Unit = Put<TEdit>(this, "Combo_Unit", 200, 186, 64, 21);
  Combo_Unit->Visible = false;
  ST_Port = Put<TStaticText>(this, "ST_Port", 280, 186, 64, 19);
  ST_Port->Visible = false;
  Panel4 = Put<TPanel>(this, "Panel4", 8, 214, 520, 190);

  LB_Samples = Put<TLabel>(this, "LB_Samples", 544, 8, 80, 13, "Samples");
  StaticText1 = Put<TStaticText>(this, "StaticText1", 544, 24, 80, 19);
  StaticText1->AutoSize = false;
  StaticText1->BorderStyle = sbsSunken;
  StaticText1->Alignment = taRightJustify;
  BT_Get = PutButton(this, "BT_Get", "Refresh", 544, 56, 80, 25, &TTrafficSegmentationForm::BT_GetClick);
  BT_Set = PutButton(this, "BT_Set", "Set", 544, 88, 80, 25, &TTrafficSegmentationForm::BT_SetClick);
  StopBtn = PutButton(this, "StopBtn", "Stop", 544, 120, 80, 25, &TTrafficSegmentationForm::StopBtnClick);
  PutStatusBar();

  LV_TrafficForward->OnChange = Handler(this, &TTrafficSegmentationForm::LV_TrafficForwardChange);
  OnCreate = Handler(this, &TTrafficSegmentationForm::FormCreate);
  OnClose = Handler(this, &TTrafficSegmentationForm::FormClose);

  List = LV_TrafficForward;
  CountBox = StaticText1;
  RowButtons = {BT_Set};
  DetailEdits = {Combo_Port, Combo_Unit};
  Pickers = {&Picker};
  DoCreate();
}

void TTrafficSegmentationForm::FormCreate(TObject*) {
  Guarded(
      [&] {
        Picker = CreatePortPicker(this, Panel4);
        Table = AddRequest(TrafficSegmentationTable, MVT_UMV, 1);
        Table->BindListView(LV_TrafficForward, true);
        Table->BindStaticText(VarPort, ST_Port);
        Table->BindControlList(VarForwardPorts, MakePortIndexList(), Picker->CheckBoxes);
        TrackWalks(Table);
        StartWalk(Table);
        ShowRowCount();
      },
      [&] { DataComplete = 1; });
  BT_Set->Enabled = false;
}

void TTrafficSegmentationForm::BT_GetClick(TObject*) { RefreshAll(NvDialogText::RefreshNotComplete); }

void TTrafficSegmentationForm::BT_SetClick(TObject*) {
  if (!WriteAllowed(NvDialogText::RefreshNotComplete)) return;
  if (!LV_TrafficForward->Selected()) return;
  const auto open = StillOpen();
  WriteThenReread(SetSteps);
  if (open()) BT_Set->Enabled = false;
}

void TTrafficSegmentationForm::StopBtnClick(TObject*) { StopWalk(); }

void TTrafficSegmentationForm::ShowChosenRow(TListItem* row) {
  const NvUnitPort shown = SplitStackPort(std::atoi(row->Caption().c_str()));
  Combo_Port->Text = std::to_string(shown.Port);
  Combo_Unit->Text = std::to_string(shown.Unit);
}

void TTrafficSegmentationForm::LV_TrafficForwardChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TTrafficSegmentationForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
