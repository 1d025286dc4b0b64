// The safeguard engine dialog: rising and falling thresholds, mode and alarm state, each
// written only when its box is ticked and each in a SET of its own; the two thresholds in the
// order that keeps falling below rising on the switch.
#pragma once

#include "FeatureDialog.h"
#include "StdCtrls.h"
#include "TickRows.h"

class TSafeguardCtrlForm : public TFeatureDialog {
 public:
  explicit TSafeguardCtrlForm(TComponent* Owner);

  TCheckBox* ckRising;
  TEdit* edtRising;
  TCheckBox* ckFalling;
  TEdit* edtFalling;
  TCheckBox* ckMode;
  TComboBox* cbxMode;
  TCheckBox* ckAlarm;
  TComboBox* cbxAlarm;
  TComboBox* cbxCurrentState;
  TLabel* lbFalling;  // hidden: the falling threshold last read
  TButton* btnGet;
  TButton* btnSet;
  TButton* btnCheckAll;
  TButton* btnClearCheck;
  TButton* btnClose;

  void FormCreate(TObject* Sender);
  void btnGetClick(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btnCheckAllClick(TObject* Sender);
  void btnClearCheckClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void ChangeSetState(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);

  NvSNMPRequest2Edits* Request = nullptr;
  NvTickRows Rows;
  bool FallingFirst = false;

 private:
  // Ticked and not a number from 20 to 100: false after the message.
  bool ThresholdAllowed(TCheckBox* box, TEdit* edit, const char* message);
};

// The dialog while its menu command shows it.
extern TSafeguardCtrlForm* SafeguardCtrlForm;
