#include "MacEntryDialog.h"

#include <cctype>

#include "DialogChecks.h"
#include "DialogNumbers.h"
#include "Dialogs.h"
#include "FormHelpers.h"
#include "NvSNMPRequest2Edits.h"
#include "PortPickers.h"

TMacEntryDialog::TMacEntryDialog(TComponent* Owner, const NvMacEntryKind& kind)
    : TFeatureDialog(Owner, kind.Width, kind.Height, NvScale::ByDpi), Kind(kind) {
  const int vlan = kind.KeyedByVlan ? 1 : 0;
  VarMac = vlan;
  VarReceivePort = kind.HasReceivePort ? vlan + 1 : -1;
  VarPorts = vlan + (kind.HasReceivePort ? 2 : 1);
  VarStatus = VarPorts + 1;
  Name = kind.Name;
  Caption = kind.Caption;

  Panel1 = Put<TPanel>(this, "Panel1", 0, 0, 111, 0);
  Panel1->Align = alRight;
  Panel1->BevelOuter = bvNone;
  ST_Count = Put<TStaticText>(Panel1, "ST_Count", 12, 8, 88, 19);
  ST_Count->AutoSize = false;
  ST_Count->Caption = "0";
  ST_Count->BorderStyle = sbsSunken;
  ST_Count->Alignment = taRightJustify;
  LB_Samples = Put<TLabel>(Panel1, "LB_Samples", 12, 30, 88, 13, "Samples");
  int top = 56;
  RefreshBtn = PutButton(Panel1, "RefreshBtn", "Refresh", 12, top, 88, 25, &TMacEntryDialog::RefreshBtnClick);
  if (kind.SetName) {
    top += 32;
    SetButton = PutButton(Panel1, kind.SetName, "Set", 12, top, 88, 25, &TMacEntryDialog::SetBtnClick);
  }
  AddButton = PutButton(Panel1, kind.AddName, "Add", 12, top += 32, 88, 25, &TMacEntryDialog::AddBtnClick);
  DeleteButton = PutButton(Panel1, kind.DeleteName, "Delete", 12, top += 32, 88, 25, &TMacEntryDialog::DeleteBtnClick);
  CloseButton = PutButton(Panel1, kind.CloseName, "Close", 12, top += 32, 88, 25, &TMacEntryDialog::CloseButtonClick);
  PutStatusBar();

  const int clientWidth = kind.Width - 111 - 24;
  List = Put<TListView>(this, kind.ListName, 8, 8, clientWidth, 150);
  LB_VID = Put<TLabel>(this, "LB_VID", 0, 0, 0, 13, "VLAN ID");
  VidEdit = Put<TEdit>(this, kind.VidName, 0, 0, 64, 21);
  LB_MAC = Put<TLabel>(this, "LB_MAC", 0, 0, 0, 13, kind.MacLabel);
  MacEdit = Put<TEdit>(this, kind.MacName, 0, 0, 140, 21);
  StatusCombo = Put<TComboBox>(this, kind.StatusName, 8, 166, 100, 21);
  StatusCombo->Visible = false;
  if (kind.HasReceivePort) {
    ReceivePort = Put<TEdit>(this, "ED_ReceivePort", 8, 166, 40, 21);
    ReceivePort->Visible = false;
  }
  if (kind.KeyedByVlan) {
    PlaceInRow(8, 166, {LB_VID, VidEdit, LB_MAC, MacEdit});
  } else {
    LB_VID->Visible = false;
    VidEdit->Visible = false;
    PlaceInRow(8, 166, {LB_MAC, MacEdit});
  }
  PageControl1 = Put<TPageControl>(this, kind.PageControlName, 8, 196, clientWidth, kind.Height - 196 - 70);

  List->OnChange = Handler(this, &TMacEntryDialog::EntryChange);
  OnCreate = Handler(this, &TMacEntryDialog::FormCreate);
  OnClose = Handler(this, &TMacEntryDialog::FormClose);

  CountBox = ST_Count;
  RowButtons = {DeleteButton};
  if (SetButton) RowButtons.push_back(SetButton);
  AddButtons = {AddButton};
  if (!kind.KeysReadOnlyWhenChosen) LockedKeys = {VidEdit, MacEdit, StatusCombo};
  DetailEdits = {VidEdit, MacEdit};
  DetailCombos = {StatusCombo};
  Pickers = {&Picker};
}

void TMacEntryDialog::FormCreate(TObject*) {
  Guarded(
      [&] {
        Picker = CreatePortPickerPage(this, Kind.PageCaption, PageControl1);
        PageControl1->ActivePageIndex = 0;
        Table = AddRequest(Kind.Table, MVT_UMV, Kind.HasReceivePort ? 3 : (Kind.KeyedByVlan ? 2 : 1));
        Table->BindListView(List, true);
        if (Kind.KeyedByVlan) Table->BindEdits(0, "%i{n1x4094}", VidEdit);
        Table->BindEdits(VarMac, "%h", MacEdit);
        if (ReceivePort) Table->BindEdits(VarReceivePort, "%i", ReceivePort);
        Table->BindControlList(VarPorts, MakePortIndexList(), Picker->CheckBoxes);
        Table->BindControl(VarStatus, StatusCombo);
        TrackWalks(Table);
        StartWalk(Table);
        ShowRowCount();
      },
      [&] { DataComplete = 1; });
  IdleButtons();
  ClearDetailControls();
}

// A new entry is written for every receive port (0), so the index never goes out empty.
void TMacEntryDialog::ClearDetailControls() {
  TFeatureDialog::ClearDetailControls();
  if (ReceivePort) ReceivePort->Text = "0";
  if (Kind.KeysReadOnlyWhenChosen) {
    VidEdit->ReadOnly = false;
    MacEdit->ReadOnly = false;
  }
}

void TMacEntryDialog::RefreshBtnClick(TObject*) { RefreshAll(); }

void TMacEntryDialog::AddBtnClick(TObject*) {
  if ((Kind.KeyedByVlan && VidEdit->Text().empty()) || MacEdit->Text().empty()) {
    ShowMessage(Kind.NoKeyText);
    return;
  }
  if (!WriteAllowed(Kind.AddBusyText)) return;
  // The switch would take the write as a change of that entry's ports.
  if (Kind.ListedKeyText && ListHoldsTypedKey()) {
    Refuse(Kind.ListedKeyText, MacEdit);
    return;
  }
  if (Kind.NoPortText && Picker->CountChecked() == 0) {
    ShowMessage(Kind.NoPortText);
    return;
  }
  if (!IsMacKey(MacEdit->Text(), Kind.NoKeyText)) return;
  StatusCombo->ItemIndex = Kind.CreateItem;
  WriteEntry(true);
}

namespace {

// A MAC address as its twelve digits, whatever separators the text shows.
std::string MacDigits(const std::string& text) {
  std::string digits;
  for (char c : text)
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return digits;
}

}  // namespace

bool TMacEntryDialog::ListHoldsTypedKey() const {
  const std::string mac = MacDigits(MacEdit->Text());
  // The list shows the index columns first, in their order.
  const int macCell = VarMac - 1;          // -1: the caption
  const int portCell = VarReceivePort - 1;
  for (int i = 0; i < List->Items->Count; ++i) {
    TListItem* row = List->Items->Item[i];
    auto cell = [&](int k) { return k < 0 ? row->Caption() : row->SubItems->Get(k); };
    if (Kind.KeyedByVlan && NumberOrMinusOne(row->Caption()) != NumberOrMinusOne(VidEdit->Text())) continue;
    if (MacDigits(cell(macCell)) != mac) continue;
    if (ReceivePort && NumberOrMinusOne(cell(portCell)) != NumberOrMinusOne(ReceivePort->Text())) continue;
    return true;
  }
  return false;
}

void TMacEntryDialog::SetBtnClick(TObject*) {
  if (!List->Selected()) return;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  WriteEntry(Kind.SetCarriesStatus);
}

void TMacEntryDialog::WriteEntry(bool withStatus) {
  const NvSetStep portsAndStatus[] = {{{VarPorts, VarStatus}}};
  const NvSetStep portsOnly[] = {{{VarPorts}}};
  const auto open = StillOpen();
  WriteThenReread(withStatus ? portsAndStatus : portsOnly);
  if (open()) IdleButtons();
}

void TMacEntryDialog::DeleteBtnClick(TObject*) {
  if (Kind.WarnsDeleteWithoutKeys && ((Kind.KeyedByVlan && VidEdit->Text().empty()) || MacEdit->Text().empty())) {
    MessageDlg("Please select which entry you want to delete.", mtWarning, mbOK, 0);
    return;
  }
  if (!List->Selected()) return;
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  const auto open = StillOpen();
  if (Kind.DeleteItem >= 0) {
    StatusCombo->ItemIndex = Kind.DeleteItem;
    const NvSetStep steps[] = {{{VarStatus}}};
    WriteThenReread(steps);
    if (!open()) return;
  } else {
    // The question and its SET, then the list read again, which GetCompleted ends.
    DataComplete = 0;
    Guarded([&] { ConfirmDeleteRow(Table, VarStatus, "invalid"); });
    if (!open()) return;
    if (!Table->Busy) DataComplete = 1;
    ClearDetailControls();
  }
  IdleButtons();
  ShowRowCount();
}

void TMacEntryDialog::ApplyEnablingRules() {
  if (!Kind.KeysReadOnlyWhenChosen) return;
  const bool chosen = List->Selected() != nullptr;
  VidEdit->ReadOnly = chosen;
  MacEdit->ReadOnly = chosen;
}

void TMacEntryDialog::EntryChange(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TMacEntryDialog::CloseButtonClick(TObject*) { Close(); }

void TMacEntryDialog::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
