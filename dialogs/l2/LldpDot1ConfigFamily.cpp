#include "LldpDot1ConfigFamily.h"

#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "ValueBoxes.h"

namespace {
enum : int { VarPort = 0, VarIndex = 1, VarTx = 2 };
}  // namespace

TLLDPDot1ConfigDialog::TLLDPDot1ConfigDialog(TComponent* Owner, const NvLldpDot1Member& member)
    : TFeatureDialog(Owner, member.Width, member.Height, NvScale::ByDpi), member_(member) {
  Caption = member.StoredCaption;
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, 320, 300);
  StaticText1 = PutSamplesBox(*this, 340, 8);
  RefreshButton =
      PutButton(this, "RefreshButton", "Refresh", 340, 56, 90, 25, &TLLDPDot1ConfigDialog::RefreshButtonClick);
  SetButton = PutButton(this, "SetButton", "Set", 340, 88, 90, 25, &TLLDPDot1ConfigDialog::SetButtonClick);
  StopButton = PutButton(this, "StopButton", "Stop", 340, 120, 90, 25, &TLLDPDot1ConfigDialog::StopButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 340, 152, 90, 25, &TLLDPDot1ConfigDialog::CloseButtonClick);

  Label1 = Put<TLabel>(this, "Label1", 8, 323, 110, 13, "Port Number");
  PortNumberText = PutValueBox(*this, "PortNumberText", 130, 320, 80);
  Label2 = Put<TLabel>(this, "Label2", 8, 351, 110, 13, member.IndexLabel);
  IndexText = PutValueBox(*this, "IndexText", 130, 348, 80);
  Label3 = Put<TLabel>(this, "Label3", 8, 379, 110, 13, member.TxLabel);
  TXComboBox = Put<TComboBox>(this, "TXComboBox", 130, 376, 100, 21);
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TLLDPDot1ConfigDialog::ListView1Change);
  OnCreate = Handler(this, &TLLDPDot1ConfigDialog::FormCreate);
  OnClose = Handler(this, &TLLDPDot1ConfigDialog::FormClose);

  List = ListView1;
  RowButtons = {SetButton};
  DoCreate();
}

void TLLDPDot1ConfigDialog::FormCreate(TObject*) {
  Guarded(
      [&] {
        Table = AddRequest(member_.Table, MVT_UMV, 2);
        Table->BindListView(ListView1, true);
        Table->BindStaticText(VarPort, PortNumberText);
        Table->BindStaticText(VarIndex, IndexText);
        Table->BindControl(VarTx, TXComboBox);
        TrackWalks(Table);
        TrackWrites(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  SetButton->Enabled = false;
  Label1->Enabled = false;
  Label2->Enabled = false;
  ShowRowCount();
}

void TLLDPDot1ConfigDialog::ClearDetailControls() {
  PortNumberText->Caption = " ";
  IndexText->Caption = " ";
  TXComboBox->ItemIndex = -1;
  SetButton->Enabled = false;
  ShowRowCount();
}

void TLLDPDot1ConfigDialog::RefreshButtonClick(TObject*) {
  RefreshAll(NvDialogText::GetNotCompleteDot);
  Label1->Enabled = false;
  Label2->Enabled = false;
}

void TLLDPDot1ConfigDialog::SetButtonClick(TObject*) {
  if (!ListView1->Selected() || !Table) return;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (!WriteAwaitAndReread([&] { ClearDetailControls(); })) ClearDetailControls();
}

void TLLDPDot1ConfigDialog::StopButtonClick(TObject*) {
  StopWalk();
  DataComplete = 1;
}

void TLLDPDot1ConfigDialog::CloseButtonClick(TObject*) { Close(); }

void TLLDPDot1ConfigDialog::ApplyEnablingRules() {
  Label1->Enabled = false;
  Label2->Enabled = false;
}

void TLLDPDot1ConfigDialog::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TLLDPDot1ConfigDialog::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
