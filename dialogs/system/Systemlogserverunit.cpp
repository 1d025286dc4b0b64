#include "Systemlogserverunit.h"

#include "DialogChecks.h"
#include "DialogNumbers.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_syslog.h"
#include "StackingPortUitForm.h"
#include "ValueBoxes.h"

namespace {
enum : int { VarIndex = 0, VarIp = 1, VarFacility = 2, VarSeverity = 3, VarPort = 4, VarState = 5, VarRowStatus = 6 };
// Items of CBox_RowStatus: active, createAndGo, destroy.
constexpr int kCreateAndGo = 1;
constexpr int kDestroy = 2;
}  // namespace

TSystemLogServerForm::TSystemLogServerForm(TComponent* Owner)
    : TFeatureDialog(Owner, 633, 354, NvScale::Stored, NvPlacement{.Position = poDesigned, .Left = 180, .Top = 140}) {
  Name = "SystemLogServerForm";
  LV_SystemLogServerEntry = Put<TListView>(this, "LV_SystemLogServerEntry", 8, 8, 512, 170);
  ST_Count = PutValueBox(*this, "ST_Count", 532, 8, 80);
  ST_Count->Alignment = taRightJustify;
  ST_Count->Caption = "0";
  Btn_Refresh = PutButton(this, "Btn_Refresh", "Refresh", 532, 40, 80, 25, &TSystemLogServerForm::Btn_RefreshClick);
  Btn_Edit = PutButton(this, "Btn_Edit", "Set", 532, 72, 80, 25, &TSystemLogServerForm::Btn_EditClick);
  Btn_Add = PutButton(this, "Btn_Add", "Add", 532, 104, 80, 25, &TSystemLogServerForm::Btn_AddClick);
  Btn_Del = PutButton(this, "Btn_Del", "Delete", 532, 136, 80, 25, &TSystemLogServerForm::Btn_DelClick);
  Button1 = PutButton(this, "Button1", "Close", 532, 168, 80, 25, &TSystemLogServerForm::Button1Click);

  // The right-hand column ends left of the buttons.
  const int left = 8, right = 272;
  Put<TLabel>(this, "LB_Index", left, 193, 110, 13, "Server Index");
  Ed_Index = Put<TEdit>(this, "Ed_Index", left + 114, 190, 140, 21);
  Put<TLabel>(this, "LB_IP", right, 193, 110, 13, "Server IP Address");
  Ed_IP = Put<TEdit>(this, "Ed_IP", right + 114, 190, 140, 21);
  Put<TLabel>(this, "LB_Facility", left, 221, 110, 13, "Server Facility");
  CBox_Facility = Put<TComboBox>(this, "CBox_Facility", left + 114, 218, 140, 21);
  Put<TLabel>(this, "LB_Port", right, 221, 110, 13, "Server UDP Port");
  Ed_Port = Put<TEdit>(this, "Ed_Port", right + 114, 218, 140, 21);
  Put<TLabel>(this, "LB_State", left, 249, 110, 13, "Server State");
  CBox_State = Put<TComboBox>(this, "CBox_State", left + 114, 246, 140, 21);
  Put<TLabel>(this, "LB_Severity", right, 249, 110, 13, "Server Severity");
  CBox_Severity = Put<TComboBox>(this, "CBox_Severity", right + 114, 246, 140, 21);
  Put<TLabel>(this, "LB_RowStatus", left, 277, 110, 13, "Row Status");
  CBox_RowStatus = Put<TComboBox>(this, "CBox_RowStatus", left + 114, 274, 140, 21);
  cbb_ServerAddrType = Put<TComboBox>(this, "cbb_ServerAddrType", right + 114, 274, 60, 21);
  edt_ServerIPAddr = Put<TEdit>(this, "edt_ServerIPAddr", right + 180, 274, 60, 21);
  cbb_ServerAddrType->Visible = false;
  edt_ServerIPAddr->Visible = false;
  PutStatusBar();

  LV_SystemLogServerEntry->OnChange = Handler(this, &TSystemLogServerForm::LV_SystemLogServerEntryChange);
  OnCreate = Handler(this, &TSystemLogServerForm::FormCreate);
  OnClose = Handler(this, &TSystemLogServerForm::FormClose);
  List = LV_SystemLogServerEntry;
  CountBox = ST_Count;
  RowButtons = {Btn_Edit, Btn_Del};
  LockedKeys = {Ed_Index};
  DetailEdits = {Ed_Index, Ed_IP, Ed_Port, edt_ServerIPAddr};
  DetailCombos = {CBox_Facility, CBox_State, CBox_Severity, CBox_RowStatus, cbb_ServerAddrType};
  DoCreate();
}

void TSystemLogServerForm::FormCreate(TObject*) {
  Caption = "System Log Host : " + TitleSuffix;
  Guarded(
      [&] {
        Table = AddRequest(SyslogServerTable, MVT_UMV, 1);
        Table->BindListView(LV_SystemLogServerEntry, true);
        Table->BindEdits(VarIndex, "%i{n1x4}", Ed_Index);
        Table->BindEdits(VarIp, "%s", Ed_IP);
        Table->BindControl(VarFacility, CBox_Facility);
        Table->BindControl(VarSeverity, CBox_Severity);
        Table->BindEdits(VarPort, "%i", Ed_Port);
        Table->BindControl(VarState, CBox_State);
        Table->BindControl(VarRowStatus, CBox_RowStatus);
        TrackWalks(Table);
        ShowRowCount();
        StartWalk(Table);
      },
      [&] {
        DataComplete = 1;
        ShowRowCount();
      });
  Btn_Del->Enabled = false;
  Btn_Edit->Enabled = false;
}

// The index is painted as what it is: white while it can be typed, in the face colour while it
// names the chosen row and cannot.
void TSystemLogServerForm::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  Ed_Index->Color = clWhite;
  for (TEdit* edit : {Ed_Index, Ed_IP, Ed_Port}) {
    edit->Enabled = true;
    edit->ReadOnly = false;
  }
  IdleButtons();
  ShowRowCount();
}

void TSystemLogServerForm::Btn_RefreshClick(TObject*) { RefreshAll(); }

bool TSystemLogServerForm::PortAllowed() {
  if (Ed_Port->Text().empty()) return true;
  if (NumberInRange(Ed_Port->Text, 514, 514) || NumberInRange(Ed_Port->Text, 6000, 65535)) return true;
  return Refuse("The range of Server UDP Port for syslog is 514 or 6000-65535.", Ed_Port);
}

// One SET of the step's columns, then one walk once the switch has answered; refused with
// the not-complete text while the list is read.
void TSystemLogServerForm::Write(const NvSetStep& step) {
  if (!Table) return;
  const auto open = StillOpen();
  WriteThenReread(std::span<const NvSetStep>(&step, 1));
  if (open()) ClearDetailControls();
}

void TSystemLogServerForm::Btn_AddClick(TObject*) {
  if (Ed_Index->Text().empty()) {
    Refuse("Server Index must be set", Ed_Index);
    return;
  }
  for (int i = 0; i < LV_SystemLogServerEntry->Items->Count; ++i)
    if (LV_SystemLogServerEntry->Items->Item[i]->Caption == Ed_Index->Text()) {
      Refuse("This Index has already existed. Please Change Server Index.", Ed_Index);
      return;
    }
  if (Ed_IP->Text().empty()) {
    Refuse("Server IP Address must be set");
    return;
  }
  if (!IsValidIPString(Ed_IP->Text, NvIpCheckFull)) {
    Refocus(Ed_IP);
    return;
  }
  NvSetStep step{{VarIp}};
  if (CBox_Facility->ItemIndex >= 0) step.Carries.push_back(VarFacility);
  if (CBox_Severity->ItemIndex >= 0) step.Carries.push_back(VarSeverity);
  if (!Ed_Port->Text().empty()) {
    if (!PortAllowed()) return;
    step.Carries.push_back(VarPort);
  }
  if (CBox_State->ItemIndex >= 0) step.Carries.push_back(VarState);
  step.Carries.push_back(VarRowStatus);
  CBox_RowStatus->ItemIndex = kCreateAndGo;
  Write(step);
}

void TSystemLogServerForm::Btn_EditClick(TObject*) {
  if (!LV_SystemLogServerEntry->Selected()) return;
  if (!IsValidIPString(Ed_IP->Text, NvIpCheckFull)) {
    Refocus(Ed_IP);
    return;
  }
  if (!PortAllowed()) return;
  // An empty port is left as the switch has it rather than refused by the conversion.
  NvSetStep step{{VarIp, VarFacility, VarSeverity, VarState, VarRowStatus}};
  if (!Ed_Port->Text().empty()) step.Carries.push_back(VarPort);
  Write(step);
}

// No question, as ever; only the selected row is addressed.
void TSystemLogServerForm::Btn_DelClick(TObject*) {
  if (!SelectedRowToControls()) return;
  CBox_RowStatus->ItemIndex = kDestroy;
  Write(NvSetStep{{VarRowStatus}});
}

void TSystemLogServerForm::Button1Click(TObject*) { Close(); }

// The index is greyed while it names the chosen row, however the row was chosen.
void TSystemLogServerForm::ApplyEnablingRules() {
  Ed_Index->Color = LV_SystemLogServerEntry->Selected() ? clBtnFace : clWhite;
}

void TSystemLogServerForm::LV_SystemLogServerEntryChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TSystemLogServerForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
