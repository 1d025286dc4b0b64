// The current time dialog: the switch's clock (the one value to change), the time functions
// it supports and whether its clock is reset on reboot.
#pragma once

#include <string>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TCurrentTimeForm : public TFeatureDialog {
 public:
  explicit TCurrentTimeForm(TComponent* Owner);

  TEdit* timecapacityEdit;
  TStaticText* tempText;  // never shown: the capability bits as read
  TEdit* currentclockEdit;
  TLabel* clockOffsetLabel;  // the offset a clock typed without one is sent with
  TComboBox* cbxReset;
  TButton* GetButton;
  TButton* SetButton;
  TButton* CloseButton;

  NvSNMPRequest2Edits* Request = nullptr;
  std::string Capacity;  // the capability names as last assembled
  std::string ClockOffset;  // the switch's offset as last read ("+8:0"), empty when it sent none

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void GetButtonClick(TObject* Sender);
  void SetButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  // The read's end: a failure in panel 0, else the capability names shown.
  void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) override;
  // Beside the clock: the offset a clock typed without one is sent with.
  void ShowClockOffset();
};

// The dialog while its menu command shows it.
extern TCurrentTimeForm* CurrentTimeForm;
