// The authentication server host dialog: the servers of the access authentication control,
// keyed by address and protocol, with their port, key, time-out and retry count.
#pragma once

#include "AacListDialog.h"

class TServerInformationForm : public TAacListDialog {
 public:
  explicit TServerInformationForm(TComponent* Owner);

  TEdit* IPEdit;
  TComboBox* ProtocolComboBox;
  TEdit* PortEdit;
  TEdit* KeyEdit;
  TEdit* TimeoutEdit;
  TEdit* RetryCEdit;
  TComboBox* RowComboBox;  // hidden
  TStaticText* Static;

  void FormCreate(TObject* Sender);
  void AddButtonClick(TObject* Sender);
  void EditButtonClick(TObject* Sender);
  void ClearDetailControls() override;

 private:
  // The address and the protocol are there; false after the message.
  bool KeyGiven(bool focus);
};

// The dialog while it is shown.
extern TServerInformationForm* ServerInformationForm;
