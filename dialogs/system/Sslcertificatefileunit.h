// The SSL certificate file dialog: where the switch fetches its certificate and key files,
// the download action, and which kind of certificate it holds. Each writable row has a tick
// box; "Set Checked " writes only the ticked rows, in one SET.
#pragma once

#include "FeatureDialog.h"
#include "StdCtrls.h"
#include "TickRows.h"

class TCertificateFileForm : public TFeatureDialog {
 public:
  explicit TCertificateFileForm(TComponent* Owner);

  TCheckBox* CheckBox_IPAddress;
  TEdit* ED_IPAddress;
  TCheckBox* CheckBox_FilePath;
  TEdit* ED_FilePath;
  TCheckBox* CheckBox_KeyFilePath;
  TEdit* ED_KeyFilePath;
  TCheckBox* CheckBox_FileControl;
  TComboBox* Combox_FileControl;
  TEdit* ED_Status;
  TButton* Button_Refresh;
  TButton* Button_SetChecked;
  TButton* Button_CheckAll;
  TButton* Button_ClearAll;
  TButton* Button_Close;

  void FormCreate(TObject* Sender);
  void Button_RefreshClick(TObject* Sender);
  void Button_SetCheckedClick(TObject* Sender);
  void Button_CheckAllClick(TObject* Sender);
  void Button_ClearAllClick(TObject* Sender);
  void Button_CloseClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  NvSNMPRequest2Edits* Request = nullptr;
  NvTickRows Rows;
};

// The dialog while its menu command shows it.
extern TCertificateFileForm* CertificateFileForm;
