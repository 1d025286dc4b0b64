// A small timed progress window that a dialog shows inside itself while a slow write runs on
// the device: the bar advances once a second and the window closes itself after 30 steps.
//
//   auto* progress = new TProgressForm(Application, this);
//   progress->Caption = "Send the mail Progress";
//   progress->LB_Prompt->Caption = "Send the mail is processing...";
//   Request->Set(true, true);
//   progress->ShowModal();
//   delete progress;
#pragma once

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"

class TProgressForm : public TForm {
 public:
  // parent: the dialog the window is shown in.
  TProgressForm(TComponent* AOwner, TForm* parent);

  void FormCreate(TObject* Sender);
  void ProgressTimerTimer(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  TLabel* LB_Prompt;
  TProgressBar* ProgressBar;
  TTimer* ProgressTimer;

 protected:
  // The bar position at which the window closes.
  virtual int EndStep() const { return 30; }
};

extern TProgressForm* ProgressForm;
