#include "Stpinfo.h"

#include <string>

#include "DialogNumbers.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_mstp.h"
#include "Progress2.h"
#include "ShellTexts.h"
#include "StackingPortUitForm.h"

TSTP_Info* STP_Info = nullptr;

namespace {

// Variables of StpParametersTable.
enum : int { VarVersion = 0, VarMaxAge = 1, VarHello = 2, VarForwardDelay = 3, VarMaxHops = 4, VarTxHold = 5,
             VarBpdu = 6 };

}  // namespace

TSTP_Info::TSTP_Info(TComponent* Owner)
    : TFeatureDialog(Owner, 378, 287, NvScale::Stored, NvPlacement{.ClientSize = true}) {
  Name = "STP_Info";
  Caption = "Spanning Tree Control";

  struct Row { TLabel*& label; const char* labelName; const char* caption; TWinControl* control; };
  Combo_STPVersion = Put<TComboBox>(this, "Combo_STPVersion", 200, 0, 150, 21);
  ET_AgingTime = Put<TEdit>(this, "ET_AgingTime", 200, 0, 150, 21);
  ET_HelloTime = Put<TEdit>(this, "ET_HelloTime", 200, 0, 150, 21);
  ET_ForwardDelay = Put<TEdit>(this, "ET_ForwardDelay", 200, 0, 150, 21);
  ET_Priority = Put<TEdit>(this, "ET_Priority", 200, 0, 150, 21);
  ED_TxHoldCount = Put<TEdit>(this, "ED_TxHoldCount", 200, 0, 150, 21);
  Combo_BPDU = Put<TComboBox>(this, "Combo_BPDU", 200, 0, 150, 21);
  const Row rows[] = {
      {LB_Version, "LB_Version", "STP Version", Combo_STPVersion},
      {LB_MaxAge, "LB_MaxAge", "Max Age (600-4000)", ET_AgingTime},
      {LB_Hello, "LB_Hello", "Hello Time (100-200)", ET_HelloTime},
      {LB_ForwardDelay, "LB_ForwardDelay", "Forward Delay (400-3000)", ET_ForwardDelay},
      {LB_MaxHops, "LB_MaxHops", "Max Hops (6-40)", ET_Priority},
      {LB_TxHold, "LB_TxHold", "TX Hold Count (1-10)", ED_TxHoldCount},
      {LB_Bpdu, "LB_Bpdu", "Forwarding BPDU", Combo_BPDU},
  };
  int top = 10;
  for (const Row& row : rows) {
    row.label = Put<TLabel>(this, row.labelName, 20, top + 3, 170, 13, row.caption);
    row.control->SetBounds(200, top, 150, 21);
    top += 26;
  }
  LB_Note1 = Put<TLabel>(this, "LB_Note1", 20, top + 4, 340, 13, "Notes : 2*(Forward Delay - 100) >= Max Age");
  LB_Note2 = Put<TLabel>(this, "LB_Note2", 68, top + 22, 300, 13, "Max Age>= 2*(Hello Time + 100)");
  BT_Get = PutButton(this, "BT_Get", "Refresh", 60, top + 46, 75, 25, &TSTP_Info::BT_GetClick);
  BT_Set = PutButton(this, "BT_Set", "Set", 150, top + 46, 75, 25, &TSTP_Info::BT_SetClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 240, top + 46, 75, 25, &TSTP_Info::CloseButtonClick);
  PutStatusBar();
  ListView1 = Put<TListView>(this, "ListView1", 0, 0, 100, 40);
  ListView1->Visible = false;
  lbMSTPState = Put<TLabel>(this, "lbMSTPState", 0, 0, 60, 13);
  lbMSTPState->Visible = false;

  Combo_STPVersion->OnChange = Handler(this, &TSTP_Info::Combo_STPVersionChange);
  OnCreate = Handler(this, &TSTP_Info::FormCreate);
  OnClose = Handler(this, &TSTP_Info::FormClose);
  DoCreate();
}

void TSTP_Info::FormCreate(TObject*) {
  Caption = "Spanning Tree Control : " + TitleSuffix;
  Guarded([&] {
    ListRequest = AddRequest(StpParametersNoHelloTable, SVT_SV, 0);
    ListRequest->Request.TimeOut = 300;
    ListRequest->BindListView(ListView1, true);
    ListRequest->Get();

    StateRequest = AddRequest(StpStateTable, SVT_SV, 0);
    StateRequest->BindLabel(0, lbMSTPState);
    StateRequest->Asynchronous = 0;
    StateRequest->Get();

    ParamsRequest = AddRequest(StpParametersTable, SVT_SV, 0);
    ParamsRequest->Asynchronous = 0;
    ParamsRequest->Request.TimeOut = 300;
    ParamsRequest->BindControl(VarVersion, Combo_STPVersion);
    ParamsRequest->BindEdits(VarMaxAge, "%i{n600x4000l4a}", ET_AgingTime);
    ParamsRequest->BindEdits(VarHello, "%i{n100x200l3a}", ET_HelloTime);
    ParamsRequest->BindEdits(VarForwardDelay, "%i{n400x3000l4a}", ET_ForwardDelay);
    ParamsRequest->BindEdits(VarMaxHops, "%i{n6x40l2a}", ET_Priority);
    ParamsRequest->BindEdits(VarTxHold, "%i{n1x10l2a}", ED_TxHoldCount);
    ParamsRequest->BindControl(VarBpdu, Combo_BPDU);
    ParamsRequest->Get();
    if (StpVersionText() == "mstp") ShowHelloTime(true, "");
  });
  DataComplete = 1;
}

// MSTP takes no hello time: the field is emptied and locked.
void TSTP_Info::ShowHelloTime(bool mstp, const char* text) {
  ET_HelloTime->Enabled = !mstp;
  ET_HelloTime->Color = mstp ? clBtnFace : clWindow;
  if (mstp || text) ET_HelloTime->Text = mstp ? "" : text;
}

void TSTP_Info::BT_GetClick(TObject*) {
  if (!ParamsRequest) return;
  const bool mstp = StpVersionText() == "mstp";
  Guarded(ParamsRequest, [&] {
    ParamsRequest->Request.Active = 1;
    ParamsRequest->Get();
    if (mstp && !ListRequest->Busy) {
      ListRequest->Request.Active = 1;
      ListRequest->Get();
    }
    StateRequest->Request.Active = 1;
    StateRequest->Get();
    ShowHelloTime(mstp, nullptr);
  });
}

void TSTP_Info::Combo_STPVersionChange(TObject*) { ShowHelloTime(Combo_STPVersion->Text() == "mstp", "200"); }

void TSTP_Info::Say(const std::string& text) { ShowFailure(Exception(text)); }

// The six values without hello time go through the hidden list's row, which the SET collects.
bool TSTP_Info::WriteThroughList() {
  if (ListView1->Items->Count == 0) throw Exception("There are no STP parameters to write: Refresh first.");
  TListItem* row = ListView1->Items->Item[0];
  ListView1->Selected = row;
  row->Caption = Combo_STPVersion->Text;
  const TCustomEdit* edits[] = {ET_AgingTime, ET_ForwardDelay, ET_Priority, ED_TxHoldCount};
  for (int k = 0; k < 4; ++k) row->SubItems->Put(k, edits[k]->Text);
  row->SubItems->Put(4, Combo_BPDU->Text);
  // Blocking, so that the version is remembered only once the switch has taken it.
  ListRequest->Asynchronous = 0;
  ListRequest->Request.Active = 1;
  bool written = false;
  try {
    written = ListRequest->Set(true, true);
  } catch (...) {
    ListRequest->Asynchronous = 1;
    throw;
  }
  ListRequest->Asynchronous = 1;
  return written;
}

void TSTP_Info::BT_SetClick(TObject*) {
  if (!ParamsRequest) return;
  const char* empty = "Don't Leave Empty Fileds !";
  if (ET_Priority->Text().empty() || ET_AgingTime->Text().empty() || ET_ForwardDelay->Text().empty()) {
    Say(empty);
    return;
  }
  Guarded(ParamsRequest, [&] {
    const int maxHops = TextToInt(ET_Priority->Text), maxAge = TextToInt(ET_AgingTime->Text),
              forwardDelay = TextToInt(ET_ForwardDelay->Text);
    if (2 * forwardDelay - 200 < maxAge) return Say("Data Error !");
    if (maxHops > 65535) return Say("Priority value is wrong!");
    const std::string version = Combo_STPVersion->Text;
    bool written = false;
    if (version == "mstp") {
      written = WriteThroughList();
    } else {
      if (ET_HelloTime->Text().empty()) return Say(empty);
      if (maxAge < 2 * TextToInt(ET_HelloTime->Text) + 200) return Say("Data Error !");
      ParamsRequest->Request.Active = 1;
      written = ParamsRequest->Set(true, true);
    }
    // Nothing changes on the switch after a refused SET: no wait, and the version stays.
    if (!written) return;
    if (version != StpVersionText() && lbMSTPState->Caption() == "enabled") {
      ProgressForm2 = new TProgressForm2(Application, this);
      ProgressForm2->Caption = "Set STP Progress";
      ProgressForm2->LB_Prompt->Caption = "Change STP Version is processing...";
      ProgressForm2->ShowModal();
      delete ProgressForm2;
      ProgressForm2 = nullptr;
    }
    SetStpVersionText(version);
  });
}

void TSTP_Info::CloseButtonClick(TObject*) { Close(); }

void TSTP_Info::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  ListRequest = StateRequest = ParamsRequest = nullptr;
}
