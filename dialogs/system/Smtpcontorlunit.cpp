#include "Smtpcontorlunit.h"

#include <memory>

#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_smtp.h"
#include "Progress.h"
#include "StackingPortUitForm.h"

namespace {

// Variables of SmtpControlTable.
enum : int { VarStatus = 0, VarServer = 1, VarPort = 2, VarSelfMail = 3, VarSubject = 4, VarContent = 5,
             VarSendTest = 6 };
// Items of the two combo boxes.
enum : int { ItemDisabled = 0, ItemSend = 0, ItemNoAction = 1 };

}  // namespace

TSMTPControlForm::TSMTPControlForm(TComponent* Owner) : TFeatureDialog(Owner, 470, 300, NvScale::Stored) {
  Name = "SMTPControlForm";
  Caption = "SMTP Control Table";
  CB_Status = Put<TComboBox>(this, "CB_Status", 0, 0, 120, 21);
  Ed_SourceAddress = Put<TEdit>(this, "Ed_SourceAddress", 0, 0, 120, 21);
  Ed_SourcePort = Put<TEdit>(this, "Ed_SourcePort", 0, 0, 60, 21);
  Ed_SelfMailAddress = Put<TEdit>(this, "Ed_SelfMailAddress", 0, 0, 270, 21);
  ED_Subject = Put<TEdit>(this, "ED_Subject", 0, 0, 270, 21);
  Ed_Content = Put<TEdit>(this, "Ed_Content", 0, 0, 270, 21);
  CB_SendTest = Put<TComboBox>(this, "CB_SendTest", 0, 0, 120, 21);
  struct Row { const char* caption; TWinControl* control; };
  const Row rows[] = {
      {"SMTP Status", CB_Status},
      {"Source Address", Ed_SourceAddress},
      {"Source Port", Ed_SourcePort},
      {"Self Mail Address ", Ed_SelfMailAddress},
      {"Test Message Subject", ED_Subject},
      {"Test Message Content", Ed_Content},
      {"SMTP Send Test Message", CB_SendTest},
  };
  int top = 12;
  for (const Row& row : rows) {
    Put<TLabel>(this, "", 12, top + 3, 0, 13, row.caption);
    row.control->SetBounds(175, top, row.control->GetWidth(), 21);
    top += 28;
  }
  Btn_Refresh = PutButton(this, "Btn_Refresh", "Refresh", 110, top + 6, 80, 25, &TSMTPControlForm::Btn_RefreshClick);
  Btn_Set = PutButton(this, "Btn_Set", "Set", 200, top + 6, 80, 25, &TSMTPControlForm::Btn_SetClick);
  Button1 = PutButton(this, "Button1", "Close", 290, top + 6, 80, 25, &TSMTPControlForm::Button1Click);
  PutStatusBar();
  OnCreate = Handler(this, &TSMTPControlForm::FormCreate);
  OnClose = Handler(this, &TSMTPControlForm::FormClose);
  DoCreate();
}

void TSMTPControlForm::FormCreate(TObject*) {
  Caption = "SMTP Control Table :" + TitleSuffix;
  Guarded([&] {
    Request = AddRequest(SmtpControlTable, SVT_SV, 0);
    Request->BindControl(VarStatus, CB_Status);
    Request->BindEdits(VarServer, "%s", Ed_SourceAddress);
    Request->BindEdits(VarPort, "%i{n0x65535l5a}", Ed_SourcePort);
    Request->BindEdits(VarSelfMail, "%s{l64}", Ed_SelfMailAddress);
    Request->BindEdits(VarSubject, "%s{l128}", ED_Subject);
    Request->BindEdits(VarContent, "%s{l512}", Ed_Content);
    Request->BindControl(VarSendTest, CB_SendTest);
    Request->Request.TimeOut = 500;
    Request->Get();
  });
  DataComplete = 1;
}

void TSMTPControlForm::FormClose(TObject*, TCloseAction&) {
  CloseRequests();
  Request = nullptr;
}

void TSMTPControlForm::Btn_RefreshClick(TObject*) {
  if (Request) ReadScalar(Request);
}

void TSMTPControlForm::SendTestMail() {
  if (MessageDlg("To Send the mail may take a long time. Do you want to go on?", mtConfirmation, mbOKCancel, 0) != mrOk)
    return;
  std::unique_ptr<TProgressForm> progress(new TProgressForm(Application, this));
  progress->Caption = "Send the mail Progress";
  progress->LB_Prompt->Caption = "Send the mail is processing...";
  Request->Request.Active = 1;
  Request->Set(true, true);
  progress->ShowModal();
}

void TSMTPControlForm::Btn_SetClick(TObject*) {
  if (!Request) return;
  if (Ed_SourceAddress->Text().empty() || Ed_SourcePort->Text().empty()) {
    ShowFailure(Exception("Please Input Value!"));
    return;
  }
  Guarded([&] {
    if (CB_SendTest->ItemIndex == ItemSend) {
      if (CB_Status->ItemIndex == ItemDisabled) {
        ShowMessage("Enable SMTP first if you want send a mail");
        return;
      }
      SendTestMail();
    } else if (CB_SendTest->ItemIndex == ItemNoAction) {
      NvVarFlagsScope flags(Request->Request.Vars);
      flags.ExcludeVar(VarSendTest);
      Request->Request.Active = 1;
      Request->Set(true, true);
    }
    Request->Request.Active = 1;
    Request->Get();
  });
}

void TSMTPControlForm::Button1Click(TObject*) { Close(); }
