#include "Safeguardctrlformunit.h"

#include <vector>

#include "DialogNumbers.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_ipmacbinding.h"

TSafeguardCtrlForm* SafeguardCtrlForm = nullptr;

namespace {
enum { kRising = 0, kFalling = 1, kMode = 2, kAlarm = 3 };
}  // namespace

TSafeguardCtrlForm::TSafeguardCtrlForm(TComponent* Owner)
    : TFeatureDialog(Owner, 398, 215, NvScale::Stored) {
  Name = "SafeguardCtrlForm";
  Caption = "Safeguard Control";

  edtRising = Put<TEdit>(this, "edtRising", 0, 0, 110, 21);
  edtFalling = Put<TEdit>(this, "edtFalling", 0, 0, 110, 21);
  cbxMode = Put<TComboBox>(this, "cbxMode", 0, 0, 110, 21);
  cbxAlarm = Put<TComboBox>(this, "cbxAlarm", 0, 0, 110, 21);
  for (TComboBox* combo : {cbxMode, cbxAlarm}) combo->Style = csDropDownList;
  ckRising = Rows.PutRow(*this, "ckRising", "Rising Threshold", kRising, edtRising, 12, 150);
  ckFalling = Rows.PutRow(*this, "ckFalling", "Falling Threshold", kFalling, edtFalling, 40, 150);
  ckMode = Rows.PutRow(*this, "ckMode", "Mode", kMode, cbxMode, 68, 150);
  ckAlarm = Rows.PutRow(*this, "ckAlarm", "Alarm State", kAlarm, cbxAlarm, 96, 150);
  for (TCheckBox* box : {ckRising, ckFalling, ckMode, ckAlarm})
    box->OnClick = Handler(this, &TSafeguardCtrlForm::ChangeSetState);
  Put<TLabel>(this, "lbCurrentState", 28, 127, 110, 13, "Current State");
  cbxCurrentState = Put<TComboBox>(this, "cbxCurrentState", 150, 124, 110, 21);
  cbxCurrentState->Style = csDropDownList;
  cbxCurrentState->Enabled = false;
  lbFalling = Put<TLabel>(this, "lbFalling", 150, 150, 40, 13);
  lbFalling->Visible = false;

  btnGet = PutButton(this, "btnGet", "Refresh", 290, 10, 85, 25, &TSafeguardCtrlForm::btnGetClick);
  btnSet = PutButton(this, "btnSet", "Set", 290, 40, 85, 25, &TSafeguardCtrlForm::btnSetClick);
  btnCheckAll = PutButton(this, "btnCheckAll", "Check All", 290, 70, 85, 25, &TSafeguardCtrlForm::btnCheckAllClick);
  btnClearCheck =
      PutButton(this, "btnClearCheck", "Clear Checks", 290, 100, 85, 25, &TSafeguardCtrlForm::btnClearCheckClick);
  btnClose = PutButton(this, "btnClose", "Close", 290, 130, 85, 25, &TSafeguardCtrlForm::btnCloseClick);
  PutStatusBar();

  OnCreate = Handler(this, &TSafeguardCtrlForm::FormCreate);
  OnCloseQuery = Handler(this, &TSafeguardCtrlForm::FormCloseQuery);
  DoCreate();
}

void TSafeguardCtrlForm::FormCreate(TObject*) {
  btnSet->Enabled = false;
  Guarded([&] {
    Request = AddBlockingRequest(SafeguardControlTable);
    Request->BindEdits(kRising, "%i{n20x100l3}", edtRising);
    Request->BindEdits(kFalling, "%i{n20x100l3}", edtFalling);
    Request->BindControl(kMode, cbxMode);
    Request->BindControl(kAlarm, cbxAlarm);
    Request->BindControl(4, cbxCurrentState);
    btnGetClick(nullptr);
  });
  DataComplete = 1;
}

void TSafeguardCtrlForm::btnGetClick(TObject*) {
  if (!Request || Request->Busy) return;
  Guarded([&] {
    Request->Request.Active = 1;
    Request->Get();
    lbFalling->Caption = edtFalling->Text();
  });
}

void TSafeguardCtrlForm::ChangeSetState(TObject*) { btnSet->Enabled = Rows.AnyTicked(); }

void TSafeguardCtrlForm::btnCheckAllClick(TObject*) {
  Rows.TickAll();
  ChangeSetState(nullptr);
}

void TSafeguardCtrlForm::btnClearCheckClick(TObject*) {
  Rows.ClearAll();
  ChangeSetState(nullptr);
}

bool TSafeguardCtrlForm::ThresholdAllowed(TCheckBox* box, TEdit* edit, const char* message) {
  if (!NvTickRows::Ticked(box)) return true;
  return NumberInRange(edit->Text, 20, 100) || Refuse(message);
}

void TSafeguardCtrlForm::btnSetClick(TObject*) {
  if (!ThresholdAllowed(ckRising, edtRising, "Rising Threshold should between 20-100")) return;
  if (!ThresholdAllowed(ckFalling, edtFalling, "Falling Threshold should between 20-100")) return;
  if (!Request || Request->Busy) return;
  // Lowering falling first keeps it below rising at every step when both go down. Without a
  // falling threshold read (the last read failed) it counts as -1: rising goes first.
  FallingFirst = Rows.IsTicked(kRising) && Rows.IsTicked(kFalling) &&
                 NumberOrMinusOne(edtFalling->Text) < NumberOrMinusOne(lbFalling->Caption);
  const std::vector<int> order =
      FallingFirst ? std::vector<int>{kFalling, kRising, kMode, kAlarm} : std::vector<int>{kRising, kFalling, kMode, kAlarm};
  std::vector<NvSetStep> steps;
  for (int var : order)
    if (Rows.IsTicked(var)) steps.push_back({{var}});
  Guarded([&] { SendSetSequence(Request, steps, NvAfterRefusedSet::GoOn); });
  btnGetClick(nullptr);
  FallingFirst = false;
}

void TSafeguardCtrlForm::btnCloseClick(TObject*) { Close(); }

void TSafeguardCtrlForm::FormCloseQuery(TObject*, bool&) {
  CloseRequests();
  Request = nullptr;
}
