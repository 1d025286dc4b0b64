#include "Mbacontrolunit.h"

#include <span>

#include "NvSNMPRequest2Edits.h"
#include "Oid_device.h"
#include "PortPickers.h"

TMBAControlForm* MBAControlForm = nullptr;

namespace {

enum : int { VarState = 0, VarMethod = 1, VarPassWord = 2, VarClearAll = 3 };
enum : int { VarName = 0, VarPorts = 1 };
// cbxDel items: none, start; Cbox_ClearAllAction items: other, start.
constexpr int kStart = 1;
constexpr int kOther = 0;
constexpr int kTimeOut = 300;  // hundredths of a second

const NvSetStep GlobalSettings[] = {{{VarState, VarMethod, VarPassWord}}};
const NvSetStep GlobalSettingsAndClearAll[] = {{{VarState, VarMethod, VarPassWord, VarClearAll}}};
const NvSetStep NameAndPorts[] = {{{VarName, VarPorts}}};
const NvSetStep PortsOnly[] = {{{VarPorts}}};
// No guest VLAN on the switch and none typed: the SET carries nothing.
const NvSetStep NoGuestVlan[] = {{{}}};
const NvSetStep DeleteStart[] = {{{0}}};

constexpr int kLabelLeft = 12;
constexpr int kControlLeft = 130;
constexpr int kButtonLeft = 572;

}  // namespace

TMBAControlForm::TMBAControlForm(TComponent* Owner)
    : TFeatureDialog(Owner, 668, 330, NvScale::ByDpi, NvPlacement{.Position = poDesigned, .Left = 200, .Top = 120}) {
  Name = "MBAControlForm";
  Caption = "MBA Control";

  Cbox_State = Put<TComboBox>(this, "Cbox_State", 0, 0, 120, 21);
  Cbox_Method = Put<TComboBox>(this, "Cbox_Method", 0, 0, 120, 21);
  edtPassWord = Put<TEdit>(this, "edtPassWord", 0, 0, 160, 21);
  Cbox_ClearAllAction = Put<TComboBox>(this, "Cbox_ClearAllAction", 0, 0, 120, 21);
  edtName = Put<TEdit>(this, "edtName", 0, 0, 160, 21);
  for (TComboBox* combo : {Cbox_State, Cbox_Method, Cbox_ClearAllAction}) combo->Style = csDropDownList;
  struct Row {
    const char* name;
    const char* caption;
    TWinControl* control;
  };
  const Row rows[] = {
      {"lblState", "State", Cbox_State},
      {"lblMethod", "Method", Cbox_Method},
      {"lblPassWord", "Password", edtPassWord},
      {"lblClearAllAction", "Clear All Action", Cbox_ClearAllAction},
      {"lblName", "Guest VLAN", edtName},
  };
  int top = 12;
  for (const Row& row : rows) {
    Put<TLabel>(this, row.name, kLabelLeft, top + 3, 0, 13, row.caption);
    row.control->SetBounds(kControlLeft, top, row.control->GetWidth(), 21);
    top += 28;
  }
  gbStackingPort = Put<TGroupBox>(this, "gbStackingPort", 8, top + 4, kButtonLeft - 24, 120, "Guest VLAN Member Ports");
  Edit1 = Put<TEdit>(this, "Edit1", 320, 12, 100, 21);
  Edit1->Text = "Vlan Name";
  Edit1->Visible = false;
  cbxDel = Put<TComboBox>(this, "cbxDel", 320, 40, 100, 21);
  cbxDel->Style = csDropDownList;
  cbxDel->Visible = false;

  BT_Get = PutButton(this, "BT_Get", "Refresh", kButtonLeft, 12, 80, 25, &TMBAControlForm::BT_GetClick);
  SetBtn = PutButton(this, "SetBtn", "Set", kButtonLeft, 44, 80, 25, &TMBAControlForm::SetBtnClick);
  DelBtn = PutButton(this, "DelBtn", "Delete", kButtonLeft, 76, 80, 25, &TMBAControlForm::DelBtnClick);
  BT_Close = PutButton(this, "BT_Close", "Close", kButtonLeft, 108, 80, 25, &TMBAControlForm::BT_CloseClick);
  PutStatusBar();

  Cbox_ClearAllAction->OnChange = Handler(this, &TMBAControlForm::Cbox_ClearAllActionChange);
  OnCreate = Handler(this, &TMBAControlForm::FormCreate);
  OnClose = Handler(this, &TMBAControlForm::FormClose);
  Pickers = {&Picker};
  DoCreate();
}

void TMBAControlForm::FormCreate(TObject*) {
  Guarded([&] {
    Picker = CreatePortPicker(this, gbStackingPort);
    GlobalRequest = AddBlockingRequest(MbaGlobalTable, kTimeOut);
    GlobalRequest->BindControl(VarState, Cbox_State);
    GlobalRequest->BindControl(VarMethod, Cbox_Method);
    GlobalRequest->BindEdits(VarPassWord, "%s{l16}", edtPassWord);
    GlobalRequest->BindControl(VarClearAll, Cbox_ClearAllAction);
    GuestVlanRequest = AddBlockingRequest(MbaGuestVlanTable, kTimeOut);
    GuestVlanRequest->BindEdits(VarName, "%s", edtName);
    GuestVlanRequest->BindControlList(VarPorts, MakePortIndexList(), Picker->CheckBoxes);
    NameDeleteRequest = AddBlockingRequest(MbaNameDeleteTable, kTimeOut);
    NameDeleteRequest->BindControl(0, cbxDel);
    CurrentNameRequest = AddBlockingRequest(MbaCurrentNameTable, kTimeOut);
    CurrentNameRequest->BindEdits(0, "%s", Edit1);
    for (NvSNMPRequest2Edits* request : {CurrentNameRequest, GlobalRequest, GuestVlanRequest, NameDeleteRequest})
      request->Get();
  });
  DataComplete = 1;
}

void TMBAControlForm::Cbox_ClearAllActionChange(TObject*) { ClearAllChosen = true; }

void TMBAControlForm::BT_GetClick(TObject*) {
  ClearAllChosen = false;
  for (NvSNMPRequest2Edits* request : {GuestVlanRequest, NameDeleteRequest, CurrentNameRequest, GlobalRequest}) {
    if (!request) continue;
    if (request->Busy) return;
    ReadScalar(request);
  }
}

// Both groups are checked before either is sent; they stand on their own, so a refused one
// keeps the other from nothing, and the press is told in one box.
void TMBAControlForm::SetBtnClick(TObject*) {
  if (!GlobalRequest || GlobalRequest->Busy) return;
  if (edtPassWord->Text().empty()) {
    Refuse("The Pssword can't be NULL!");
    return;
  }
  std::span<const NvSetStep> guestSteps;
  if (!GuestVlanSteps(guestSteps)) return;
  // The clear-all action is a one-off: it travels only with the Set it was chosen for; a "start"
  // read back from the switch, or left in the box, starts nothing.
  const bool clearAll = ClearAllChosen;
  ClearAllChosen = false;
  std::vector<NvSetWrite> writes = WritesOf(GlobalRequest, clearAll ? GlobalSettingsAndClearAll : GlobalSettings);
  if (!guestSteps.empty()) {
    const std::vector<NvSetWrite> guest = WritesOf(GuestVlanRequest, guestSteps);
    writes.insert(writes.end(), guest.begin(), guest.end());
  }
  Guarded([&] { SendSetWrites(writes, NvAfterRefusedSet::GoOn); });
  if (clearAll) Cbox_ClearAllAction->ItemIndex = kOther;
  // The name test stands on the name the switch holds, which this write may have changed.
  if (!guestSteps.empty() && CurrentNameRequest && !CurrentNameRequest->Busy) ReadScalar(CurrentNameRequest);
}

// The switch keeps one guest VLAN name until it is deleted: a name other than the one it holds
// is refused here, and only the member ports of the held one are written. Empty steps: none
// to write now.
bool TMBAControlForm::GuestVlanSteps(std::span<const NvSetStep>& steps) {
  if (!GuestVlanRequest || GuestVlanRequest->Busy) return true;
  const std::string held = Edit1->Text();
  const std::string typed = edtName->Text();
  steps = NameAndPorts;
  if (!held.empty()) {
    if (typed != held) return Refuse("Can't change the VLAN name,delete previous name first!");
    steps = PortsOnly;
  } else if (typed.empty()) {
    steps = NoGuestVlan;
  }
  return true;
}

void TMBAControlForm::DelBtnClick(TObject*) {
  if (!NameDeleteRequest || NameDeleteRequest->Busy) return;
  cbxDel->ItemIndex = kStart;
  Guarded([&] { SendSetSequence(NameDeleteRequest, DeleteStart); });
  BT_GetClick(this);
}

void TMBAControlForm::BT_CloseClick(TObject*) { Close(); }

void TMBAControlForm::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
  CloseRequests();
  GlobalRequest = GuestVlanRequest = NameDeleteRequest = CurrentNameRequest = nullptr;
}
