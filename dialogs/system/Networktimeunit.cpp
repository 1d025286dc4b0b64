#include "Networktimeunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_time.h"

TfrmNetwroktime* frmNetwroktime = nullptr;

namespace {

// Variables of NetworkTimeTable.
enum : int { VarState = 0, VarSource = 1, VarServer1 = 2, VarServer2 = 3, VarPoll = 4 };

}  // namespace

TfrmNetwroktime::TfrmNetwroktime(TComponent* Owner) : TFeatureDialog(Owner, 444, 226, NvScale::Stored) {
  Name = "frmNetwroktime";
  Caption = "Network Time";
  CBox_TimeSate = Put<TComboBox>(this, "CBox_TimeSate", 0, 0, 130, 21);
  ED_TimeSource = Put<TEdit>(this, "ED_TimeSource", 0, 0, 130, 21);
  ED_Server1IPAddress = Put<TEdit>(this, "ED_Server1IPAddress", 0, 0, 130, 21);
  ED_ServerIPAddress2 = Put<TEdit>(this, "ED_ServerIPAddress2", 0, 0, 130, 21);
  ED_PollInterval = Put<TEdit>(this, "ED_PollInterval", 0, 0, 130, 21);
  constexpr int fieldLeft = 200, step = 30;
  CheckBox_TimeState = Rows.PutRow(*this, "CheckBox_TimeState", "Network Time State", VarState, CBox_TimeSate, 12, fieldLeft);
  Put<TLabel>(this, "", 28, 12 + step + 3, 0, 13, "Time Source");
  ED_TimeSource->SetBounds(fieldLeft, 12 + step, 130, 21);
  CheckBox_Server1IP = Rows.PutRow(*this, "CheckBox_Server1IP", "Server1 IP Address", VarServer1, ED_Server1IPAddress,
                                   12 + 2 * step, fieldLeft);
  CheckBox_Server2IP = Rows.PutRow(*this, "CheckBox_Server2IP", "Server2 IP Address", VarServer2, ED_ServerIPAddress2,
                                   12 + 3 * step, fieldLeft);
  CheckBox_PollInterval = Rows.PutRow(*this, "CheckBox_PollInterval", "Poll Interval (30-99999 sec)", VarPoll,
                                      ED_PollInterval, 12 + 4 * step, fieldLeft);
  constexpr int buttonLeft = 350;
  Button_Refresh = PutButton(this, "Button_Refresh", "Refresh", buttonLeft, 8, 80, 25, &TfrmNetwroktime::Button_RefreshClick);
  Button_SetChecked = PutButton(this, "Button_SetChecked", "Set Checked ", buttonLeft, 38, 80, 25,
                                &TfrmNetwroktime::Button_SetCheckedClick);
  Button_CheckAll = PutButton(this, "Button_CheckAll", "Check All", buttonLeft, 68, 80, 25,
                              &TfrmNetwroktime::Button_CheckAllClick);
  Button_ClearAll = PutButton(this, "Button_ClearAll", "Clear All", buttonLeft, 98, 80, 25,
                              &TfrmNetwroktime::Button_ClearAllClick);
  Button_Close = PutButton(this, "Button_Close", "Close", buttonLeft, 128, 80, 25, &TfrmNetwroktime::Button_CloseClick);
  PutStatusBar();
  OnCreate = Handler(this, &TfrmNetwroktime::FormCreate);
  OnClose = Handler(this, &TfrmNetwroktime::FormClose);
  DoCreate();
}

void TfrmNetwroktime::FormCreate(TObject*) {
  Guarded([&] {
    Request = AddRequest(NetworkTimeTable, SVT_SV, 0);
    Request->BindControl(VarState, CBox_TimeSate);
    Request->BindEdits(VarSource, "%s", ED_TimeSource);
    Request->BindEdits(VarServer1, "%s{l16}", ED_Server1IPAddress);
    Request->BindEdits(VarServer2, "%s{l16}", ED_ServerIPAddress2);
    Request->BindEdits(VarPoll, "%i{n30x99999l5}", ED_PollInterval);
    Request->Get();
  });
  ED_TimeSource->Enabled = false;
  ED_TimeSource->Color = clBtnFace;
  DataComplete = 1;
}

void TfrmNetwroktime::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  Request = nullptr;
}

void TfrmNetwroktime::Button_RefreshClick(TObject*) {
  if (!Request) return;
  ReadScalar(Request);
  Rows.ClearAll();
}

bool TfrmNetwroktime::ServerValid(TCheckBox* box, TEdit* edit) {
  if (!NvTickRows::Ticked(box) || IsValidIPString(edit->Text, NvIpCheckFull)) return true;
  return Refocus(edit);
}

void TfrmNetwroktime::Button_SetCheckedClick(TObject*) {
  if (!Request) return;
  Guarded([&] {
    NvVarFlagsScope flags(Request->Request.Vars);
    Rows.LeaveOutUnticked(flags);
    if (!ServerValid(CheckBox_Server1IP, ED_Server1IPAddress) || !ServerValid(CheckBox_Server2IP, ED_ServerIPAddress2))
      return;
    Request->Request.Active = 1;
    Request->Set(true, true);
    flags.RestoreVarFlags();
    Request->Get();  // taken up once the SET's reply is in
    Rows.ClearAll();
  });
}

void TfrmNetwroktime::Button_CheckAllClick(TObject*) { Rows.TickAll(); }

void TfrmNetwroktime::Button_ClearAllClick(TObject*) { Rows.ClearAll(); }

void TfrmNetwroktime::Button_CloseClick(TObject*) { Close(); }
