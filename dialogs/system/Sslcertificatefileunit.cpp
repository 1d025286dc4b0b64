#include "Sslcertificatefileunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_ssl.h"

TCertificateFileForm* CertificateFileForm = nullptr;

TCertificateFileForm::TCertificateFileForm(TComponent* Owner)
    : TFeatureDialog(Owner, 386, 219, NvScale::Stored) {
  Name = "CertificateFileForm";
  Caption = "SSL Certificate File";

  ED_IPAddress = Put<TEdit>(this, "ED_IPAddress", 0, 0, 160, 21);
  ED_FilePath = Put<TEdit>(this, "ED_FilePath", 0, 0, 160, 21);
  ED_KeyFilePath = Put<TEdit>(this, "ED_KeyFilePath", 0, 0, 160, 21);
  Combox_FileControl = Put<TComboBox>(this, "Combox_FileControl", 0, 0, 160, 21);
  Combox_FileControl->Style = csDropDownList;
  CheckBox_IPAddress = Rows.PutRow(*this, "CheckBox_IPAddress", "IP Address", 0, ED_IPAddress, 12, 122);
  CheckBox_FilePath = Rows.PutRow(*this, "CheckBox_FilePath", "File Path", 1, ED_FilePath, 40, 122);
  CheckBox_KeyFilePath = Rows.PutRow(*this, "CheckBox_KeyFilePath", "Key File Path", 2, ED_KeyFilePath, 68, 122);
  CheckBox_FileControl =
      Rows.PutRow(*this, "CheckBox_FileControl", "File Control", 3, Combox_FileControl, 96, 122);
  Put<TLabel>(this, "Label_Status", 28, 127, 90, 13, "Show State");
  ED_Status = Put<TEdit>(this, "ED_Status", 122, 124, 160, 21);
  ED_Status->ReadOnly = true;

  Button_Refresh = PutButton(this, "Button_Refresh", "Refresh", 292, 10, 80, 25,
                             &TCertificateFileForm::Button_RefreshClick);
  Button_SetChecked = PutButton(this, "Button_SetChecked", "Set Checked ", 292, 40, 80, 25,
                                &TCertificateFileForm::Button_SetCheckedClick);
  Button_CheckAll = PutButton(this, "Button_CheckAll", "Check All", 292, 70, 80, 25,
                              &TCertificateFileForm::Button_CheckAllClick);
  Button_ClearAll = PutButton(this, "Button_ClearAll", "Clear All", 292, 100, 80, 25,
                              &TCertificateFileForm::Button_ClearAllClick);
  Button_Close = PutButton(this, "Button_Close", "Close", 292, 130, 80, 25, &TCertificateFileForm::Button_CloseClick);
  PutStatusBar();

  OnCreate = Handler(this, &TCertificateFileForm::FormCreate);
  OnClose = Handler(this, &TCertificateFileForm::FormClose);
  DoCreate();
}

void TCertificateFileForm::FormCreate(TObject*) {
  Guarded([&] {
    Request = AddBlockingRequest(SslCertificateFileTable);
    Request->BindEdits(0, "%s{l16}", ED_IPAddress);
    Request->BindEdits(1, "%s{l64}", ED_FilePath);
    Request->BindEdits(2, "%s{l64}", ED_KeyFilePath);
    Request->BindControl(3, Combox_FileControl);
    Request->BindEdits(4, "%s", ED_Status);
    StartWalk(Request);
  });
  DataComplete = 1;
}

void TCertificateFileForm::Button_RefreshClick(TObject*) {
  if (Request) Guarded([&] { StartWalk(Request); });
  Rows.ClearAll();
}

void TCertificateFileForm::Button_SetCheckedClick(TObject*) {
  if (!Request) return;
  if (Rows.IsTicked(0) && !IsValidIPString(ED_IPAddress->Text, NvIpCheckFull)) {
    Refocus(ED_IPAddress);
    return;
  }
  const NvSetStep step[] = {Rows.TickedStep()};
  Guarded([&] {
    SendSetSequence(Request, step);
    StartWalk(Request);
  });
  Rows.ClearAll();
}

void TCertificateFileForm::Button_CheckAllClick(TObject*) { Rows.TickAll(); }

void TCertificateFileForm::Button_ClearAllClick(TObject*) { Rows.ClearAll(); }

void TCertificateFileForm::Button_CloseClick(TObject*) { Close(); }

void TCertificateFileForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  Request = nullptr;
}
