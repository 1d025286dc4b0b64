#include "Dot1vprotocolportunit.h"

#include "Dot1vprotocolporteditunit.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_protocolvlan.h"

Tdot1vProtocolPortForm* dot1vProtocolPortForm = nullptr;

namespace {

enum : int { VarBasePort = 0, VarGroupId = 1, VarGroupVid = 2, VarPriority = 3, VarRowStatus = 4 };
// Items of the pop-up's state box: active, createAndGo, destroy.
constexpr int kDestroy = 2;

const NvSetStep DeleteSteps[] = {{{VarRowStatus}}};

}  // namespace

Tdot1vProtocolPortForm::Tdot1vProtocolPortForm(TComponent* Owner) : TFeatureDialog(Owner, 453, 331, NvScale::ByDpi) {
  Name = "dot1vProtocolPortForm";
  Caption = "Protocol VLAN Port Table";

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 332, 262);
  LB_Samples = Put<TLabel>(this, "LB_Samples", 352, 8, 80, 13, "Samples");
  StaticText1 = Put<TStaticText>(this, "StaticText1", 352, 24, 80, 19);
  StaticText1->AutoSize = false;
  StaticText1->BorderStyle = sbsSunken;
  StaticText1->Alignment = taRightJustify;
  btn_Get = PutButton(this, "btn_Get", "Refresh", 352, 56, 80, 25, &Tdot1vProtocolPortForm::btn_GetClick);
  Btn_Add = PutButton(this, "Btn_Add", "Add", 352, 88, 80, 25, &Tdot1vProtocolPortForm::Btn_AddClick);
  Btu_Edit = PutButton(this, "Btu_Edit", "Edit", 352, 120, 80, 25, &Tdot1vProtocolPortForm::Btu_EditClick);
  Btn_Delete = PutButton(this, "Btn_Delete", "Delete", 352, 152, 80, 25, &Tdot1vProtocolPortForm::Btn_DeleteClick);
  Btn_Close = PutButton(this, "Btn_Close", "Close", 352, 184, 80, 25, &Tdot1vProtocolPortForm::Btn_CloseClick);
  PutStatusBar()->Name = "statBar";

  ListView1->OnChange = Handler(this, &Tdot1vProtocolPortForm::ListView1Change);
  ListView1->OnDblClick = Handler(this, &Tdot1vProtocolPortForm::ListView1DblClick);
  OnCreate = Handler(this, &Tdot1vProtocolPortForm::FormCreate);
  OnClose = Handler(this, &Tdot1vProtocolPortForm::FormClose);

  List = ListView1;
  CountBox = StaticText1;
  RowButtons = {Btu_Edit, Btn_Delete};
  AddButtons = {Btn_Add};
  DoCreate();
}

void Tdot1vProtocolPortForm::FormCreate(TObject*) {
  Popup = new Tdot1vProtocolPortEdit(Application, this);
  dot1vProtocolPortEdit = Popup;
  FreeWithDialog(Popup);
  Guarded(
      [&] {
        Table = AddRequest(ProtocolPortTable, MVT_UMV, 2);
        Table->BindListView(ListView1, true);
        Table->BindEdits(VarBasePort, "%i", Popup->edt_baseport);
        Table->BindEdits(VarGroupId, "%i{n1x2147483647}", Popup->edt_groupid);
        Table->BindEdits(VarGroupVid, "%i{n1x4094}", Popup->edt_groupvid);
        Table->BindControl(VarPriority, Popup->edt_grouppri);
        Table->BindControl(VarRowStatus, Popup->state);
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  ShowRowCount();
  IdleButtons();
}

void Tdot1vProtocolPortForm::btn_GetClick(TObject*) { RefreshAll(); }

// Add is for a new row: while one is chosen its button is off, and so is the handler.
void Tdot1vProtocolPortForm::Btn_AddClick(TObject*) {
  if (ListView1->Selected()) return;
  Popup->PrepareForAdd();
  Popup->ShowForAdd("Protocol VLAN Port Add Table");
  RowSelectionChanged();
}

void Tdot1vProtocolPortForm::Btu_EditClick(TObject*) {
  // The chosen row, whatever an earlier pop-up left in the fields.
  if (!SelectedRowToControls()) return;
  Popup->ShowForEdit("Protocol VLAN Port Edit Table");
  RowSelectionChanged();
}

void Tdot1vProtocolPortForm::ListView1DblClick(TObject* Sender) { Btu_EditClick(Sender); }

void Tdot1vProtocolPortForm::Btn_DeleteClick(TObject*) {
  if (!ListView1->Selected()) return;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  // The keys of the chosen row, never those a pop-up left in its fields.
  if (!SelectedRowToControls()) return;
  Popup->state->ItemIndex = kDestroy;
  const auto open = StillOpen();
  WriteThenReread(DeleteSteps);
  if (!open()) return;
  ShowRowCount();
  IdleButtons();
}

void Tdot1vProtocolPortForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void Tdot1vProtocolPortForm::Btn_CloseClick(TObject*) { Close(); }

void Tdot1vProtocolPortForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  dot1vProtocolPortEdit = nullptr;
}
