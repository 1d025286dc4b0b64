#include "AddressMacPortsDialog.h"

#include "NvSNMPError.h"
#include "NvSNMPRequest2Edits.h"
#include "NvValueChecks.h"
#include "PortPickers.h"
#include "ValueBoxes.h"

namespace {
constexpr int kVarIp = 0;
constexpr int kListHeight = 150;
constexpr int kPickerHeight = 84;
constexpr int kButtonWidth = 80;
}  // namespace

TAddressMacPortsDialog::TAddressMacPortsDialog(TComponent* Owner, const NvAddressMacPortsKind& kind)
    : TFeatureDialog(Owner, kind.Width, kind.Height, kind.Scale, kind.Placement),
      Kind(kind),
      portsAndStatus_{{{kind.VarPorts, kind.VarStatus}}} {
  Name = kind.Name;
  Caption = kind.Caption;
  const int column = kind.Width - kButtonWidth - 24;  // the buttons' left edge
  const int inner = column - 20;                      // list and picker width

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, inner, kListHeight);
  int top = 8;
  if (kind.HasCountBox) {
    StaticText1 = PutSamplesBox(*this, column, top);
    StaticText1->Width = kButtonWidth;
    top += 48;
  }
  auto button = [&](const char* name, const char* caption, void (TAddressMacPortsDialog::*handler)(TObject*)) {
    TButton* b = PutButton(this, name, caption, column, top, kButtonWidth, 25, handler);
    top += 32;
    return b;
  };
  btnGet = button("btnGet", "Refresh", &TAddressMacPortsDialog::btnGetClick);
  btnEdit = button("btnEdit", kind.EditCaption, &TAddressMacPortsDialog::btnEditClick);
  btnAdd = button("btnAdd", "Add", &TAddressMacPortsDialog::btnAddClick);
  btnDelete = button("btnDelete", "Delete", &TAddressMacPortsDialog::btnDeleteClick);
  btnClose = button("btnClose", "Close", &TAddressMacPortsDialog::btnCloseClick);
  Button1 = PutButton(this, "Button1", "Stop", column, top, kButtonWidth, 25, &TAddressMacPortsDialog::Button1Click);
  Button1->Visible = false;

  const int keysTop = 8 + kListHeight + 10;
  lblIpAddr = Put<TLabel>(this, "lblIpAddr", 0, 0, 0, 13, "IP Address");
  edtIpAddr = Put<TEdit>(this, "edtIpAddr", 0, 0, 120, 21);
  lblMacAddr = Put<TLabel>(this, "lblMacAddr", 0, 0, 0, 13, "MAC Address");
  edtMacAddr = Put<TEdit>(this, "edtMacAddr", 0, 0, 120, 21);
  PlaceInRow(8, keysTop, {lblIpAddr, edtIpAddr, lblMacAddr, edtMacAddr});
  ComboStatus = Put<TComboBox>(this, "ComboStatus", 8, keysTop, 100, 21);
  ComboStatus->Visible = false;
  cbxMode = Put<TComboBox>(this, "cbxMode", 120, keysTop, 100, 21);
  cbxMode->Visible = false;

  const int pickerTop = keysTop + 32;
  if (kind.PortPage) {
    PageControl1 = Put<TPageControl>(this, "PageControl1", 8, pickerTop, inner, kPickerHeight + 24);
  } else {
    StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 8, pickerTop, inner, kPickerHeight);
    StackingPortPanel->BevelOuter = bvNone;
  }
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TAddressMacPortsDialog::ListView1Change);
  OnCreate = Handler(this, &TAddressMacPortsDialog::FormCreate);
  OnClose = Handler(this, &TAddressMacPortsDialog::FormClose);
  List = ListView1;
  RowButtons = {btnEdit, btnDelete};
  if (kind.AddOffWithRow) AddButtons = {btnAdd};
  LockedKeys = {edtIpAddr};
  if (kind.IndexCount == 2) LockedKeys.push_back(edtMacAddr);
  DetailEdits = {edtIpAddr, edtMacAddr};
  Pickers = {&Picker};
}

void TAddressMacPortsDialog::FormCreate(TObject*) {
  Guarded([&] {
    Picker = PageControl1 ? CreatePortPickerPage(this, Kind.PortPage, PageControl1)
                          : CreatePortPicker(this, StackingPortPanel, 12, Kind.PortPositions);
  });
  // Each form its own ports; a page picker keeps the 64 of its unit page.
  const int positions = PageControl1 ? 64 : Kind.PortPositions;
  Guarded(
      [&] {
        Table = AddRequest(Kind.Table, MVT_UMV, Kind.IndexCount);
        Table->Asynchronous = 0;
        Table->BindListView(ListView1, true);
        Table->BindEdits(kVarIp, Kind.IpFormat, edtIpAddr);
        Table->BindEdits(Kind.VarMac, "%s{l12}", edtMacAddr);
        if (Picker) Table->BindControlList(Kind.VarPorts, MakePortIndexList(positions), Picker->CheckBoxes);
        Table->BindControl(Kind.VarStatus, ComboStatus);
        BindMore();
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  ShowRowCount();
  AfterRead();
}

void TAddressMacPortsDialog::AfterRead() {
  // The emptied details belong to no row: the next click chooses one afresh and fills them.
  ListView1->ClearSelection();
  IdleButtons();
  ClearDetailControls();
  if (KeptDisabled) KeptDisabled->Enabled = false;
}

void TAddressMacPortsDialog::btnGetClick(TObject*) {
  if (!Table || Table->Busy) return;
  Guarded(Table, [&] { StartWalk(Table); }, [&] { DataComplete = 1; });
  ShowRowCount();
  AfterRead();
}

void TAddressMacPortsDialog::WriteRow(std::span<const NvSetStep> steps) {
  const auto open = StillOpen();
  WriteAndReread(steps);
  if (!open()) return;  // closed, and perhaps freed, while a step waited
  ShowRowCount();
  AfterRead();
}

bool TAddressMacPortsDialog::AnyShownPortTicked() const {
  if (!Picker) return false;
  const int shown = GetModelPortCount(ModelName);
  for (int k = 0; k < shown && k < Picker->CheckBoxes->Count; ++k)
    if (static_cast<TCheckBox*>(Picker->CheckBoxes->Get(k))->Checked) return true;
  return false;
}

bool TAddressMacPortsDialog::InputAccepted() {
  if (!CheckIPAddress(edtIpAddr)) return Refocus(edtIpAddr);
  // A refused address is told, not only focused: the user sees why nothing was written.
  if (!IsMacAddress(edtMacAddr)) {
    std::string message = NvCommonErrors.Text(23);  // "Please enter a valid MAC address!"
    message.erase(0, message.find_first_not_of(' '));
    return Refuse(message, edtMacAddr);
  }
  return true;
}

std::span<const NvSetStep> TAddressMacPortsDialog::EditSteps() const { return portsAndStatus_; }

void TAddressMacPortsDialog::btnEditClick(TObject*) {
  if (!Table || Table->Busy || !ListView1->Selected()) return;
  if (!InputAccepted()) return;
  WriteRow(EditSteps());
}

void TAddressMacPortsDialog::btnAddClick(TObject*) {
  if (!Table || Table->Busy) return;
  if (!AddAllowed() || !InputAccepted()) return;
  ComboStatus->ItemIndex = Kind.CreateItem;
  WriteRow(AddSteps());
}

void TAddressMacPortsDialog::btnDeleteClick(TObject*) {
  if (!Table || Table->Busy || !ListView1->Selected()) return;
  if (!DeleteChosenRow()) return;  // closed meanwhile
  ShowRowCount();
  AfterRead();
}

bool TAddressMacPortsDialog::DeleteChosenRow() {
  return ConfirmDeleteSelectedRow(Kind.VarStatus, ComboStatus->Items->Get(Kind.DestroyItem));
}

void TAddressMacPortsDialog::ApplyEnablingRules() {
  if (KeptDisabled) KeptDisabled->Enabled = false;
}

void TAddressMacPortsDialog::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TAddressMacPortsDialog::btnCloseClick(TObject*) { Close(); }

void TAddressMacPortsDialog::Button1Click(TObject*) {}

void TAddressMacPortsDialog::FormClose(TObject*, TCloseAction& Action) {
  CloseRequests();
  if (Kind.FreeOnClose) Action = caFree;
}
