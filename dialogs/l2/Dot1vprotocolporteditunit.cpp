#include "Dot1vprotocolporteditunit.h"

#include "DialogNumbers.h"
#include "StackingPortUitForm.h"

Tdot1vProtocolPortEdit* dot1vProtocolPortEdit = nullptr;

namespace {

enum : int { VarGroupVid = 2, VarPriority = 3, VarRowStatus = 4 };
// Items of the state box: active, createAndGo, destroy.
constexpr int kCreateAndGo = 1;

// Add: the row with its priority (the switch gives it a VLAN), then its VLAN and priority. A
// refused VLAN leaves the row on the switch: the user is told so, and Set finishes it.
const NvSetStep AddSteps[] = {
    {{VarPriority, VarRowStatus}, "the entry, without its VLAN (press Set again to give it its VLAN)"},
    {{VarGroupVid, VarPriority}}};
const NvSetStep EditSteps[] = {{{VarGroupVid, VarPriority}}};

}  // namespace

Tdot1vProtocolPortEdit::Tdot1vProtocolPortEdit(TComponent* Owner, TFeatureDialog* parent)
    : TEntryPopup(Owner, parent, 345, 170, NvScale::Stored) {
  Name = "dot1vProtocolPortEdit";
  Caption = "Protocol VLAN Port Config Table";
  LB_baseport = Put<TLabel>(this, "LB_baseport", 16, 19, 90, 13, "Base Port");
  edt_baseport = Put<TEdit>(this, "edt_baseport", 110, 16, 100, 21);
  LB_groupid = Put<TLabel>(this, "LB_groupid", 16, 47, 90, 13, "Group ID");
  edt_groupid = Put<TEdit>(this, "edt_groupid", 110, 44, 100, 21);
  LB_groupvid = Put<TLabel>(this, "LB_groupvid", 16, 75, 90, 13, "Group VID");
  edt_groupvid = Put<TEdit>(this, "edt_groupvid", 110, 72, 100, 21);
  LB_grouppri = Put<TLabel>(this, "LB_grouppri", 16, 103, 90, 13, "Group Priority");
  edt_grouppri = Put<TComboBox>(this, "edt_grouppri", 110, 100, 100, 21);
  state = Put<TComboBox>(this, "state", 110, 100, 100, 21);
  state->Visible = false;
  btn_Set = PutButton(this, "btn_Set", "Set", 240, 16, 80, 25, &Tdot1vProtocolPortEdit::btn_SetClick);
  btn_Close = PutButton(this, "btn_Close", "Close", 240, 48, 80, 25, &Tdot1vProtocolPortEdit::btn_CloseClick);
  KeyControls = {edt_baseport, edt_groupid, edt_groupvid};
  DoCreate();
}

void Tdot1vProtocolPortEdit::PrepareForAdd() {
  state->ItemIndex = kCreateAndGo;
  for (TEdit* key : {edt_baseport, edt_groupid, edt_groupvid}) key->Text = "";
  edt_grouppri->ItemIndex = 0;  // "-"
  createdRow_.clear();
}

std::string Tdot1vProtocolPortEdit::TypedRow() const { return edt_baseport->Text() + "." + edt_groupid->Text(); }

// A new row's key and VLAN as typed, each a whole value of its range: a base port of -1 would
// address port 4294967295.
bool Tdot1vProtocolPortEdit::TypedRowAccepted() {
  return ModelPortTyped(edt_baseport, "Base Port should be a port between 1-" + std::to_string(GetModelPortCount(ModelName))) &&
         NumberInRangeTyped(edt_groupid, 1, 2147483647, "Group ID should between 1-2147483647") &&
         NumberInRangeTyped(edt_groupvid, 1, 4094, "Group VID should between 1-4094");
}

void Tdot1vProtocolPortEdit::btn_SetClick(TObject*) {
  if (Mode == NvEntryMode::Add && !TypedRowAccepted()) return;
  // A retry after a refused VLAN step goes on with the row that step's creation made: a second
  // createAndGo would be refused and the VLAN never written.
  if (Mode == NvEntryMode::Edit || (!createdRow_.empty() && createdRow_ == TypedRow())) {
    WriteThroughParent(EditSteps);
  } else {
    NvSetOutcome outcome;
    WriteThroughParent(AddSteps, NvDialogText::GetNotComplete, &outcome);
    if (outcome.Taken(0) && !outcome.Taken(1)) createdRow_ = TypedRow();
  }
  ParentDialog->ShowRowCount();
}

void Tdot1vProtocolPortEdit::btn_CloseClick(TObject*) { ModalResult = mrCancel; }
