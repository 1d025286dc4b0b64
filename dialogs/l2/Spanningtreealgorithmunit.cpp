#include "Spanningtreealgorithmunit.h"

#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_mstp.h"
#include "Progress.h"

TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm = nullptr;

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(TComponent* Owner)
    : TFeatureDialog(Owner, 361, 115, NvScale::Stored, NvPlacement{.ClientSize = true}) {
  Name = "SpanningTreeAlgorithmForm";
  Caption = "Spanning Tree Algorithm";

  Label1 = Put<TLabel>(this, "Label1", 24, 23, 150, 13, "Spanning Tree Algorithm");
  ComboBox1 = Put<TComboBox>(this, "ComboBox1", 190, 20, 140, 21);
  lbSTPState = Put<TLabel>(this, "lbSTPState", 24, 40, 80, 13);
  lbSTPState->Visible = false;
  GetButton = PutButton(this, "GetButton", "Refresh", 100, 58, 75, 25, &TSpanningTreeAlgorithmForm::GetButtonClick);
  SetButton = PutButton(this, "SetButton", "Set", 186, 58, 75, 25, &TSpanningTreeAlgorithmForm::SetButtonClick);
  PutStatusBar();

  OnCreate = Handler(this, &TSpanningTreeAlgorithmForm::FormCreate);
  OnClose = Handler(this, &TSpanningTreeAlgorithmForm::FormClose);
  DoCreate();
}

void TSpanningTreeAlgorithmForm::FormCreate(TObject*) {
  Guarded([&] {
    StateRequest = AddRequest(StpStateTable, SVT_SV, 0);
    StateRequest->BindControl(0, ComboBox1);
    StateRequest->Get();
    ReferenceRequest = AddRequest(StpStateTable, SVT_SV, 0);
    ReferenceRequest->BindLabel(0, lbSTPState);
    ReferenceRequest->Get();
  });
  DataComplete = 1;
}

// The state, and the reference with it, so that Set compares with what the switch holds now
// and not with what it held when the dialog opened.
void TSpanningTreeAlgorithmForm::ReadState() {
  for (NvSNMPRequest2Edits* request : {StateRequest, ReferenceRequest}) {
    request->Request.Active = 1;
    if (!request->Busy) Guarded([&] { request->Get(); });
  }
}

void TSpanningTreeAlgorithmForm::GetButtonClick(TObject*) {
  if (StateRequest) ReadState();
}

void TSpanningTreeAlgorithmForm::SetButtonClick(TObject*) {
  if (!StateRequest || ComboBox1->ItemIndex < 0) return;
  const std::string chosen = ComboBox1->Items->Get(ComboBox1->ItemIndex);
  if (chosen != "disabled") {
    if (ComboBox1->Text() == lbSTPState->Caption()) return;
    if (MessageDlg("To enable STP may take a long time. Do you want to go on?", mtConfirmation, mbOKCancel, 0) ==
        mrOk) {
      auto* progress = new TProgressForm(Application, this);
      progress->Caption = "Enable STP Progress";
      progress->LB_Prompt->Caption = "Enable STP is processing...";
      if (Guarded([&] {
            StateRequest->Request.Active = 1;
            StateRequest->Set(true, true);
          }))
        progress->ShowModal();
      delete progress;
    }
  } else {
    // The answer first: a read sent beside the SET would be dropped as busy, and a refused
    // "disabled" would stay on show while the switch runs STP.
    const auto open = StillOpen();
    Guarded([&] {
      StateRequest->Request.Active = 1;
      StateRequest->SetAndWait(true);
    });
    if (!open()) return;  // closed during the wait: the SET sent stands
  }
  ReadState();
}

void TSpanningTreeAlgorithmForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  StateRequest = ReferenceRequest = nullptr;
}
