#include "LldpTlvConfigFamily.h"

#include "ConvertingRequest.h"
#include "DialogChecks.h"
#include "Dialogs.h"
#include "StackingPortUitForm.h"
#include "ValueBoxes.h"

namespace {

enum : int { VarPort = 0, VarAdmin = 1, VarNotification = 2 };

std::vector<std::string> NamesIn(const std::vector<NvLldpTlvBox>& boxes) {
  std::vector<std::string> names;
  for (const NvLldpTlvBox& box : boxes) names.emplace_back(box.Name);
  return names;
}

}  // namespace

TLLDPTlvConfigDialog::TLLDPTlvConfigDialog(TComponent* Owner, const NvLldpTlvMember& member)
    : TFeatureDialog(Owner, member.Width, member.Height, NvScale::ByDpi), member_(member) {
  if (!member.Centred) Position = poDesigned;
  const int listWidth = member.Width - 135;
  const int column = listWidth + 20;
  const int listHeight = member.AdminControls ? 330 : 300;
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, listWidth, listHeight);
  StaticText1 = PutSamplesBox(*this, column, 8);
  GetButton = PutButton(this, "GetButton", "Refresh", column, 56, 90, 25, &TLLDPTlvConfigDialog::GetButtonClick);
  EditButton = PutButton(this, "EditButton", "Edit", column, 88, 90, 25, &TLLDPTlvConfigDialog::EditButtonClick);
  StopButton =
      PutButton(this, member.StopComponent, "Stop", column, 120, 90, 25, &TLLDPTlvConfigDialog::StopButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", column, 152, 90, 25, &TLLDPTlvConfigDialog::CloseButtonClick);

  int y = listHeight + 20;
  PortEditLabel = Put<TLabel>(this, "PortEditLabel", 8, y + 3, 120, 13, "Port Number");
  PortText = PutValueBox(*this, "PortText", 140, y, 80);
  if (member.AdminControls) {
    y += 28;
    AdminStateLabel = Put<TLabel>(this, "AdminStateLabel", 8, y + 3, 120, 13, "Admin State");
    AdminStateComboBox = Put<TComboBox>(this, "AdminStateComboBox", 140, y, 120, 21);
    y += 28;
    NotificationLabel = Put<TLabel>(this, "NotificationLabel", 8, y + 3, 120, 13, "Notification Enable");
    NotificationComboBox = Put<TComboBox>(this, "NotificationComboBox", 140, y, 120, 21);
  }
  y += 28;
  TLVsLabel = Put<TLabel>(this, "TLVsLabel", 8, y + 3, 120, 13, "TLVs TX Enable");
  TLVsEdit = Put<TEdit>(this, "TLVsEdit", 140, y, listWidth - 132, 21);
  TLVsEdit->MaxLength = 256;
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TLLDPTlvConfigDialog::ListView1Change);
  TLVsEdit->OnClick = Handler(this, &TLLDPTlvConfigDialog::TLVsEditClick);
  OnCreate = Handler(this, &TLLDPTlvConfigDialog::FormCreate);
  OnClose = Handler(this, &TLLDPTlvConfigDialog::FormClose);

  List = ListView1;
  RowButtons = {EditButton};
  DoCreate();
}

void TLLDPTlvConfigDialog::FormCreate(TObject*) {
  Popup = member_.MakePopup(this);
  Guarded(
      [&] {
        auto* table = AddRequest<NvConvertingRequest>(member_.Table, MVT_UMV, 1);
        Table = table;
        const std::vector<std::string> names = NamesIn(Popup->Tlvs());
        table->Columns = {{member_.TlvVar, NamesOf(names), BitsOf(names), TLVsEdit}};
        table->BindListView(ListView1, true);
        table->BindStaticText(VarPort, PortText);
        if (member_.AdminControls) {
          table->BindControl(VarAdmin, AdminStateComboBox);
          table->BindControl(VarNotification, NotificationComboBox);
        }
        TrackWalks(table);
        TrackWrites(table);
        StartWalk(table);
      },
      [&] { DataComplete = 1; });
  EditButton->Enabled = false;
  PortEditLabel->Enabled = false;
  ShowRowCount();
}

void TLLDPTlvConfigDialog::ClearDetailControls() {
  PortText->Caption = " ";
  if (AdminStateComboBox) AdminStateComboBox->ItemIndex = -1;
  if (NotificationComboBox) NotificationComboBox->ItemIndex = -1;
  TLVsEdit->Text = "";
  EditButton->Enabled = false;
  ShowRowCount();
}

void TLLDPTlvConfigDialog::GetButtonClick(TObject*) { RefreshAll(NvDialogText::GetNotComplete); }

void TLLDPTlvConfigDialog::EditButtonClick(TObject*) {
  if (!ListView1->Selected()) return;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (!static_cast<NvConvertingRequest*>(Table)->TypedTextsAccepted()) return;
  PortEditLabel->Enabled = false;
  WriteAwaitAndReread([&] { ClearDetailControls(); });
}

void TLLDPTlvConfigDialog::StopButtonClick(TObject*) {
  StopWalk();
  DataComplete = 1;
}

void TLLDPTlvConfigDialog::CloseButtonClick(TObject*) { Close(); }

void TLLDPTlvConfigDialog::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TLLDPTlvConfigDialog::TLVsEditClick(TObject*) {
  if (!EditButton->Enabled) EditButton->Enabled = true;
  Guarded([&] { Popup->ShowModal(); });
}

void TLLDPTlvConfigDialog::FormClose(TObject*, TCloseAction&) { CloseRequests(); }

// ---------------------------------------------------------------------------------------
// The pop-up

TLLDPTlvPopup::TLLDPTlvPopup(TComponent* Owner, TEdit* tlvText, const NvLldpTlvPopupMember& member)
    : TFeatureDialog(Owner, member.Width, member.Height, NvScale::ByDpi), tlvText_(tlvText), member_(member) {
  if (!member.Centred) Position = poDesigned;
  int y = 12;
  for (const NvLldpTlvBox& box : member.Boxes) {
    TCheckBox* check = Put<TCheckBox>(this, box.Component, 24, y, 180, 19, box.Name);
    Boxes.push_back(check);
    if (box.Shown) y += 24;
  }
  const int buttons = y + 12;
  SetButton = PutButton(this, "SetButton", "Set Checked", 24, buttons, 100, 25, &TLLDPTlvPopup::SetButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 140, buttons, 90, 25, &TLLDPTlvPopup::CloseButtonClick);
  OnShow = Handler(this, &TLLDPTlvPopup::FormActivate);
}

void TLLDPTlvPopup::FormActivate(TObject*) {
  Caption = std::string(member_.CaptionPrefix) + TitleSuffix;
  // The names as Edit reads them (any case); a text with a word that names no TLV ticks
  // nothing, and Edit refuses it.
  const std::optional<std::string> bits = NamesToBits(tlvText_->Text, NamesIn(member_.Boxes));
  for (size_t k = 0; k < Boxes.size(); ++k) {
    Boxes[k]->Visible = member_.Boxes[k].Shown;
    // Ticks already there stay: a pop-up closed by its title bar keeps them.
    if (bits && (HexTextToInt(bits->substr(k / 8 * 2, 2)).value_or(0) & (0x80 >> (k % 8)))) Boxes[k]->Checked = true;
  }
}

void TLLDPTlvPopup::SetButtonClick(TObject*) {
  // The names text as the list shows it: one blank, the ticked names in bit order.
  std::string text = " ";
  for (size_t k = 0; k < Boxes.size(); ++k) {
    if (!Boxes[k]->Checked) continue;
    if (text != " ") text += ",";
    text += member_.Boxes[k].Name;
  }
  tlvText_->Text = text;
  UntickAll();
  ModalResult = mrOk;
}

void TLLDPTlvPopup::CloseButtonClick(TObject*) {
  UntickAll();
  ModalResult = mrCancel;
}

void TLLDPTlvPopup::UntickAll() {
  for (TCheckBox* box : Boxes) box->Checked = false;
}
