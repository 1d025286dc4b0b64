// The SMTP global settings dialog: the switch's mail alert state, mail server, its own mail
// address and the test message, and a test mail sent on request behind a progress window.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TSMTPControlForm : public TFeatureDialog {
 public:
  explicit TSMTPControlForm(TComponent* Owner);

  TComboBox* CB_Status;
  TEdit* Ed_SourceAddress;
  TEdit* Ed_SourcePort;
  TEdit* Ed_SelfMailAddress;
  TEdit* ED_Subject;
  TEdit* Ed_Content;
  TComboBox* CB_SendTest;
  TButton* Btn_Refresh;
  TButton* Btn_Set;
  TButton* Button1;  // "Close"

  NvSNMPRequest2Edits* Request = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Btn_RefreshClick(TObject* Sender);
  void Btn_SetClick(TObject* Sender);
  void Button1Click(TObject* Sender);

 private:
  // The SET with the test mail, behind the progress window, when the user goes on.
  void SendTestMail();
};
