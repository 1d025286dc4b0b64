#include "Serverinfounit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_aaa.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {
enum : int { VarIp = 0, VarProtocol = 1, VarPort = 2, VarKey = 3, VarTimeout = 4, VarRetry = 5, VarRowStatus = 6 };
constexpr int kCreateAndGo = 3;  // item of RowComboBox
}  // namespace

TServerInformationForm::TServerInformationForm(TComponent* Owner) : TAacListDialog(Owner, 660, 330, 180, "Static") {
  Name = "ServerInformationForm";
  Caption = "Server Information Table";
  Static = static_cast<TStaticText*>(CountBox);
  const int left = 8, right = 270, labels = 140;
  IPEdit = PutDetail<TEdit>("IPLabel", "IP Address", "IPEdit", left, 8, labels, 112);
  ProtocolComboBox = PutDetail<TComboBox>("ProtocolLabel", "Authentication Protocol", "ProtocolComboBox", left, 36,
                                          labels, 112);
  PortEdit = PutDetail<TEdit>("PortLabel", "Authentication Port", "PortEdit", left, 64, labels, 112);
  KeyEdit = PutDetail<TEdit>("KeyLabel", "Authentication Key", "KeyEdit", right, 8, 120, 148);
  TimeoutEdit = PutDetail<TEdit>("TimeoutLabel", "Timeout", "TimeoutEdit", right, 36, 120, 148);
  RetryCEdit = PutDetail<TEdit>("RetryLabel", "Retry Count", "RetryCEdit", right, 64, 120, 148);
  Put<TLabel>(DetailPanel, "RowLabel", left, 95, labels - 6, 13, "Row Status")->Visible = false;
  RowComboBox = Put<TComboBox>(DetailPanel, "RowComboBox", left + labels, 92, 112, 21);
  RowComboBox->Visible = false;

  AddButton->OnClick = Handler(this, &TServerInformationForm::AddButtonClick);
  EditButton->OnClick = Handler(this, &TServerInformationForm::EditButtonClick);
  OnCreate = Handler(this, &TServerInformationForm::FormCreate);
  StatusColumn = VarRowStatus;
  LockedKeys = {IPEdit, ProtocolComboBox};
  DetailEdits = {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit};
  DoCreate();
}

void TServerInformationForm::FormCreate(TObject*) {
  Guarded([&] {
    OpenTable(AacServerHostTable, 2);
    Table->BindEdits(VarIp, "%s{l16}", IPEdit);
    Table->BindControl(VarProtocol, ProtocolComboBox);
    Table->BindEdits(VarPort, "%i{n1x65535l5}", PortEdit);
    Table->BindEdits(VarKey, "%s{l254}", KeyEdit);
    Table->BindEdits(VarTimeout, "%i{n1x255l3}", TimeoutEdit);
    Table->BindEdits(VarRetry, "%i{n1x255l3}", RetryCEdit);
    Table->BindControl(VarRowStatus, RowComboBox);
    TFeatureDialog::ClearDetailControls();
    RowComboBox->ItemIndex = kCreateAndGo;
  });
  FirstWalk();
}

void TServerInformationForm::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  ShowRowCount();
}

bool TServerInformationForm::KeyGiven(bool focus) {
  if (IPEdit->Text().empty()) return Refuse("Server IP must be set.", focus ? IPEdit : nullptr);
  if (ProtocolComboBox->Text().empty()) return Refuse("Protocol must be set.", focus ? ProtocolComboBox : nullptr);
  return true;
}

// The same address with another protocol is another server.
void TServerInformationForm::AddButtonClick(TObject*) {
  if (!KeyGiven(true)) return;
  const std::string protocol = ProtocolComboBox->Text;
  if (Listed(IPEdit->Text, &protocol)) {
    Refuse("Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.", IPEdit);
    return;
  }
  RowComboBox->ItemIndex = kCreateAndGo;
  WriteRow(WithFilled({{VarRowStatus}},
                      {{VarPort, PortEdit}, {VarKey, KeyEdit}, {VarTimeout, TimeoutEdit}, {VarRetry, RetryCEdit}}));
}

void TServerInformationForm::EditButtonClick(TObject*) {
  if (!KeyGiven(false)) return;
  WriteRow(WithFilled({}, {{VarPort, PortEdit}, {VarKey, KeyEdit}, {VarTimeout, TimeoutEdit}, {VarRetry, RetryCEdit}}));
}


