// Switches spanning tree on or off. Enabling takes the switch a long time: the dialog asks
// first and shows a progress window while the switch works.
#pragma once

#include "FeatureDialog.h"
#include "StdCtrls.h"

class TSpanningTreeAlgorithmForm : public TFeatureDialog {
 public:
  explicit TSpanningTreeAlgorithmForm(TComponent* Owner);

  TLabel* Label1;
  TComboBox* ComboBox1;
  TLabel* lbSTPState;  // hidden: the state last read, the reference of Set
  TButton* GetButton;
  TButton* SetButton;

  NvSNMPRequest2Edits* StateRequest = nullptr;
  NvSNMPRequest2Edits* ReferenceRequest = nullptr;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void SetButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

 private:
  void ReadState();
};

// The dialog while its menu command shows it.
extern TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm;
