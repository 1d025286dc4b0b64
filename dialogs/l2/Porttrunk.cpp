#include "Porttrunk.h"

#include <string>

#include "Dialogs.h"
#include "DialogNumbers.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "PortPickers.h"
#include "Windows.h"

namespace {

// Variables of PortTrunkTable.
enum : int {
  VarIndex = 0, VarMaster = 1, VarMembers = 2, VarType = 3, VarActive = 4, VarState = 5, VarFlooding = 6
};
// Their columns in the list: the index is the caption, column c the sub-item c - 1.
constexpr int kPortsPerUnit = 64;
constexpr int kMaxMembers = 8;

// Items of Combo_State (PortTrunkStateValues order).
constexpr int kCreateAndGo = 2;
constexpr int kDestroy = 3;

// Add and Set: the group's writable columns in one SET; Delete: the state alone.
const NvSetStep WriteSteps[] = {{{VarMaster, VarMembers, VarType, VarState}}};
const NvSetStep DeleteSteps[] = {{{VarState}}};

int PortId(int unit, int port) { return unit * kPortsPerUnit + port - kPortsPerUnit; }

}  // namespace

TPortTrunkForm::TPortTrunkForm(TComponent* Owner) : TFeatureDialog(Owner, 712, 441, NvScale::ByDpi) {
  Name = "PortTrunkForm";
  Caption = "Port Trunk";

  LV_PortTrunk = Put<TListView>(this, "LV_PortTrunk", 8, 8, 588, 150);
  Label163 = Put<TLabel>(this, "Label163", 0, 0, 0, 13, "Index (1-14)");
  ED_Index = Put<TEdit>(this, "ED_Index", 0, 0, 48, 21);
  LB_Master = Put<TLabel>(this, "LB_Master", 0, 0, 0, 13, "Master Port");
  PortEdit = Put<TEdit>(this, "PortEdit", 0, 0, 48, 21);
  LB_Type = Put<TLabel>(this, "LB_Type", 0, 0, 0, 13, "Trunk");
  Combo_Type = Put<TComboBox>(this, "Combo_Type", 0, 0, 90, 21);
  LB_State = Put<TLabel>(this, "LB_State", 0, 0, 0, 13, "State");
  ComboBox1 = Put<TComboBox>(this, "ComboBox1", 0, 0, 90, 21);
  ComboBox1->Style = csDropDownList;
  ComboBox1->Items->Add("disabled");
  ComboBox1->Items->Add("enabled");
  PlaceInRow(8, 168, {Label163, ED_Index, LB_Master, PortEdit, LB_Type, Combo_Type, LB_State, ComboBox1});
  ED_MasterPort = Put<TEdit>(this, "ED_MasterPort", 8, 168, 40, 21);
  ED_MasterPort->Visible = false;
  Combo_State = Put<TComboBox>(this, "Combo_State", 8, 168, 90, 21);
  Combo_State->Visible = false;
  GroupBox1 = Put<TPanel>(this, "GroupBox1", 8, 168, 60, 25);
  GroupBox1->Visible = false;
  UnitEdit = Put<TEdit>(GroupBox1, "UnitEdit", 0, 0, 40, 21);
  PageControl1 = Put<TPageControl>(this, "PageControl1", 8, 200, 588, 180);

  BT_Get = PutButton(this, "BT_Get", "Refresh", 608, 8, 88, 25, &TPortTrunkForm::BT_GetClick);
  SetBtn = PutButton(this, "SetBtn", "Set", 608, 40, 88, 25, &TPortTrunkForm::SetBtnClick);
  BT_Set = PutButton(this, "BT_Set", "Add", 608, 72, 88, 25, &TPortTrunkForm::BT_SetClick);
  BT_Delete = PutButton(this, "BT_Delete", "Delete", 608, 104, 88, 25, &TPortTrunkForm::BT_DeleteClick);
  BT_Close = PutButton(this, "BT_Close", "Close", 608, 136, 88, 25, &TPortTrunkForm::BT_CloseClick);
  PutStatusBar();

  PortEdit->OnKeyPress = Handler(this, &TPortTrunkForm::UnitEditKeyPress);
  UnitEdit->OnKeyPress = Handler(this, &TPortTrunkForm::UnitEditKeyPress);
  ComboBox1->OnChange = Handler(this, &TPortTrunkForm::ComboBox1Change);
  OnCreate = Handler(this, &TPortTrunkForm::FormCreate);
  OnClose = Handler(this, &TPortTrunkForm::FormClose);

  List = LV_PortTrunk;
  RowButtons = {SetBtn, BT_Delete, ComboBox1};
  AddButtons = {BT_Set};
  LockedKeys = {ED_Index};
  DetailEdits = {ED_Index, UnitEdit, PortEdit};
  DetailCombos = {ComboBox1, Combo_Type};
  Pickers = {&MemberPicker};
  DoCreate();
}

void TPortTrunkForm::FormCreate(TObject*) {
  const std::string positions = MakePortIndexList();
  MemberPicker = CreatePortPickerPage(this, "Member Ports", PageControl1);
  ActivePicker = CreatePortPickerPage(this, "Active Ports", PageControl1);
  PageControl1->ActivePageIndex = 0;

  Guarded([&] {
    Table = AddRequest(PortTrunkTable, MVT_UMV, 1);
    Table->Asynchronous = 0;
    Table->Request.TimeOut = 300;
    Table->BindListView(LV_PortTrunk, true);
    Table->BindEdits(VarIndex, "%i{n1x14}", ED_Index);
    Table->BindEdits(VarMaster, "%i", ED_MasterPort);
    Table->BindControlList(VarMembers, positions, MemberPicker->CheckBoxes);
    Table->BindControl(VarType, Combo_Type);
    Table->BindControlList(VarActive, positions, ActivePicker->CheckBoxes);
    Table->BindControl(VarState, Combo_State);
  });
  DataComplete = 1;
  BT_GetClick(nullptr);
  ComboBox1->Enabled = false;
}

void TPortTrunkForm::BT_GetClick(TObject*) { RefreshAll(); }

void TPortTrunkForm::ShowChosenRow(TListItem* row) {
  const int master = TextToIntDef(ED_MasterPort->Text, 0);
  const int unit = master / kPortsPerUnit + 1;
  const int port = master % kPortsPerUnit;
  UnitEdit->Text = std::to_string(unit);
  PortEdit->Text = port != 0 ? std::to_string(port) : (master != 0 ? "64" : "0");
  const std::string state = row->SubItems->Get(VarState - 1);
  if (state == "disabled" || state == "enabled") ShowStateIn(ComboBox1, state);
}

void TPortTrunkForm::ShowStateIn(TComboBox* target, const std::string& state) {
  target->ItemIndex = target->Items->IndexOf(state);
}

void TPortTrunkForm::ComboBox1Change(TObject*) {
  if (ComboBox1->Text() == "enabled" || ComboBox1->Text() == "disabled") ShowStateIn(Combo_State, ComboBox1->Text);
}

void TPortTrunkForm::UnitEditKeyPress(TObject*, char& Key) {
  if ((Key >= '0' && Key <= '9') || Key == '\b') return;
  Key = 0;
  MessageBeep(0);
}

// Also refuses ports past the model's: the member picker has no box for them.
bool TPortTrunkForm::CheckMasterPort(int, int port) {
  if (port > 0 && port <= GetModelPortCount(ModelName)) return true;
  return Refuse("set valid master port", PortEdit);
}

bool TPortTrunkForm::CheckMemberCount(int unit) {
  int members = 0;
  for (int k = 0; k < kPortsPerUnit; ++k) {
    auto* box = static_cast<TCheckBox*>(MemberPicker->CheckBoxes->Get((unit - 1) * kPortsPerUnit + k));
    if (!box->Checked) continue;
    if (++members > kMaxMembers) {
      box->Checked = false;
      return Refuse("The trunk member can't over eight.");
    }
  }
  if (members < 2) return Refuse("You must choose at least two members.");
  return true;
}

bool TPortTrunkForm::MemberChecked(int portId) const {
  return static_cast<TCheckBox*>(MemberPicker->CheckBoxes->Get(portId - 1))->Checked;
}

// Whether a list row holds value in the column (a number; the index column is 0).
bool TPortTrunkForm::ListHolds(int column, int value) const {
  for (int i = 0; i < LV_PortTrunk->Items->Count; ++i) {
    TListItem* row = LV_PortTrunk->Items->Item[i];
    const std::string cell = column == VarIndex ? row->Caption() : row->SubItems->Get(column - 1);
    if (NumberOrMinusOne(cell) == value) return true;
  }
  return false;
}

// Add and Set after their own checks: the master and member checks, the group's SET and the
// list again. A failure clears the details.
void TPortTrunkForm::WriteGroup(int unit, int port, bool creating) {
  Guarded(
      [&] {
        const int id = PortId(unit, port);
        if (creating && ListHolds(VarMaster, id)) {
          Refuse("The master port must be different.");
          return;
        }
        if (!MemberChecked(id)) {
          Refuse("Master port must be checked.", PortEdit);
          return;
        }
        ED_MasterPort->Text = std::to_string(id);
        if (creating) Combo_State->ItemIndex = kCreateAndGo;
        if (!CheckMemberCount(unit)) return;
        const auto open = StillOpen();
        SendSetSequence(Table, WriteSteps);
        if (open()) RefreshAll();  // closed, and freed, while a step waited: nothing to read
      },
      [&] {
        ClearDetailControls();
        IdleButtons();
      });
}

void TPortTrunkForm::BT_SetClick(TObject*) {
  if (!Table) return;
  UnitEdit->Text = "1";
  if (ED_Index->Text().empty()) {
    Refuse("The index should not be empty.", ED_Index);
    return;
  }
  if (ListHolds(VarIndex, NumberOrMinusOne(ED_Index->Text))) {
    Refuse("The Index must be different.", ED_Index);
    return;
  }
  if (PortEdit->Text().empty()) {
    Refuse("The Port should not be empty.", PortEdit);
    return;
  }
  const int unit = NumberOrMinusOne(UnitEdit->Text), port = NumberOrMinusOne(PortEdit->Text);
  if (!CheckMasterPort(unit, port)) return;
  if (Combo_Type->ItemIndex < 0) {
    Refuse("Please choose trunk type.", Combo_Type);
    return;
  }
  WriteGroup(unit, port, true);
}

void TPortTrunkForm::SetBtnClick(TObject*) {
  if (!Table) return;
  UnitEdit->Text = "1";
  if (ED_Index->Text().empty()) {
    Refuse("Please select trunk group.");
    return;
  }
  if (PortEdit->Text().empty()) {
    Refuse("The Port should not be empty.", PortEdit);
    return;
  }
  ShowStateIn(ComboBox1, Combo_State->Text);
  const int unit = NumberOrMinusOne(UnitEdit->Text), port = NumberOrMinusOne(PortEdit->Text);
  if (!CheckMasterPort(unit, port)) return;
  WriteGroup(unit, port, false);
}

void TPortTrunkForm::BT_DeleteClick(TObject*) {
  if (!Table) return;
  if (ED_Index->Text().empty()) {
    Refuse("Please select trunk group.", ED_Index);
    return;
  }
  Combo_State->ItemIndex = kDestroy;
  Guarded(
      [&] {
        const auto open = StillOpen();
        SendSetSequence(Table, DeleteSteps);
        if (open()) RefreshAll();
      },
      [&] {
        ClearDetailControls();
        IdleButtons();
      });
}

void TPortTrunkForm::BT_CloseClick(TObject*) { Close(); }

void TPortTrunkForm::FormClose(TObject*, TCloseAction& Action) {
  CloseRequests();
  Action = caFree;
}
