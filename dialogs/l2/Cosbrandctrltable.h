// The maximum rate of each class of service on each port (the maker's CoS bandwidth table):
// the list, and under it the chosen entry's rate, or "No Limit". Set writes the rate of the
// chosen entry.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TCoSBrandwidthctrlForm : public TFeatureDialog {
 public:
  explicit TCoSBrandwidthctrlForm(TComponent* Owner);

  TListView* ListView1;
  TStaticText* StaticText1;
  TButton* GetButton;
  TButton* EditButton;
  TButton* StopButton;
  TButton* CloseButton;
  TLabel* PortEditLabel;
  TStaticText* PortText;
  TLabel* Label2;
  TStaticText* ClassIDText;
  TLabel* Label1;
  TEdit* rateEdit;
  TLabel* Label3;
  TCheckBox* NOLIMITRBT;
  TStaticText* TXText;  // hidden: the rate as it travels

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void EditButtonClick(TObject* Sender);
  void StopButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void CheckBox1Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  void ClearDetailControls() override;
  void ShowChosenRow(TListItem* row) override;
  // The typed rate into TXText, as a number; false (after its message) when it is out of range.
  bool CheckRateAndCopy();
};

// The dialog while its menu command shows it.
extern TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm;
