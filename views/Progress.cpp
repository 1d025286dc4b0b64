#include "Progress.h"

TProgressForm* ProgressForm = nullptr;

TProgressForm::TProgressForm(TComponent* AOwner, TForm* parent) : TForm(AOwner) {
  Name = "ProgressForm";
  Caption = "Progress";
  BorderStyle = bsDialog;
  BorderIcons = 0;  // no close button: only the timer ends it
  Position = poMainFormCenter;
  ClientWidth = 358;
  ClientHeight = 66;

  LB_Prompt = new TLabel(this);
  LB_Prompt->Name = "LB_Prompt";
  LB_Prompt->Parent = this;
  LB_Prompt->Left = 16;
  LB_Prompt->Top = 7;
  LB_Prompt->Font->Bold = true;
  LB_Prompt->Caption = "LB_Prompt";

  ProgressBar = new TProgressBar(this);
  ProgressBar->Name = "ProgressBar";
  ProgressBar->Parent = this;
  ProgressBar->Left = 16;
  ProgressBar->Top = 32;
  ProgressBar->Width = 329;
  ProgressBar->Height = 16;
  ProgressBar->Min = 0;
  ProgressBar->Max = 76;

  ProgressTimer = new TTimer(this);
  ProgressTimer->Name = "ProgressTimer";
  ProgressTimer->Enabled = false;
  ProgressTimer->Interval = 1000;
  ProgressTimer->OnTimer = Handler(this, &TProgressForm::ProgressTimerTimer);

  OnCreate = Handler(this, &TProgressForm::FormCreate);
  OnClose = Handler(this, &TProgressForm::FormClose);
  DoCreate();
  Parent = parent;
}

void TProgressForm::FormCreate(TObject*) { ProgressTimer->Enabled = true; }

void TProgressForm::ProgressTimerTimer(TObject*) {
  if (ProgressBar->Position >= EndStep()) {
    Close();
    return;
  }
  ProgressBar->Position = ProgressBar->Position + 1;
  if (ProgressBar->Position == ProgressBar->Max) ProgressBar->Position = ProgressBar->Min;
}

void TProgressForm::FormClose(TObject*, TCloseAction&) {
  ProgressTimer->Enabled = false;
  Parent = nullptr;
}
