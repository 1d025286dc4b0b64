#include "Ipv6maskinfoformunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"

TIPv6MaskInfoForm* IPv6MaskInfoForm = nullptr;

namespace {

// Variables of AclIpv6ProfileTable.
enum : int {
  VarProfileId = 0, VarClass = 1, VarFlowLabel = 2, VarMaskState = 3, VarSourceMask = 4, VarRowStatus = 5,
  VarProtocol = 6, VarTcpOption = 7, VarUdpOption = 8, VarSourcePortMask = 9, VarDestinationPortMask = 10
};

const NvAclTexts kTexts{
    .ProfileKeyMissing = "IPv6 Mask ID must be set.",
    .Duplicate = "There is already a record with the same IPv6 Mask ID. Please modify it.",
    .RowStatus = "Row Status must be createAndGo.",
};

// A mask is its octets' digits exactly: fewer, or other characters, would be sent garbled.
constexpr NvHexCheck Ipv6MaskCheck{32, "Invalid Mask!"};

constexpr int kWidth = 624, Buttons = kWidth - 112, ListHeight = 144;
constexpr int RowTop(int r) { return ListHeight + 20 + 26 * r; }
constexpr int kLeft = 8, LeftControl = 110, kRight = 240, RightControl = 372;

}  // namespace

TIPv6MaskInfoForm::TIPv6MaskInfoForm(TComponent* Owner) : TAclProfileBase(Owner, kWidth, 399, kTexts, NvScale::ByDpi) {
  Name = "IPv6MaskInfoForm";
  Caption = "IPv6 Mask Information";
  Position = poDesktopCenter;

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, Buttons - 20, ListHeight);
  auto field = [&](auto* control, const char* label, int left, int controlLeft, int row) {
    PutField(Put<TLabel>(this, "", 0, 0, 0, 13, label), control, left, controlLeft, RowTop(row));
    return control;
  };
  edtMaskID = field(Put<TEdit>(this, "edtMaskID", 0, 0, 110, 21), "Profile ID", kLeft, LeftControl, 0);
  cbxMaskClass = field(Put<TComboBox>(this, "cbxMaskClass", 0, 0, 110, 21), "Mask Class", kLeft, LeftControl, 1);
  cbxMaskFlowlabel =
      field(Put<TComboBox>(this, "cbxMaskFlowlabel", 0, 0, 110, 21), "Mask Flow label", kLeft, LeftControl, 2);
  ProtoTypeCombo = field(Put<TComboBox>(this, "ProtoTypeCombo", 0, 0, 110, 21), "Protocol Type", kLeft, LeftControl, 3);
  TCPOptionCombo = field(Put<TComboBox>(this, "TCPOptionCombo", 0, 0, 110, 21), "TCP Option", kLeft, LeftControl, 4);
  UDPOptionCombo = field(Put<TComboBox>(this, "UDPOptionCombo", 0, 0, 110, 21), "UDP Option", kLeft, LeftControl, 5);
  cbxMaskState =
      field(Put<TComboBox>(this, "cbxMaskState", 0, 0, 120, 21), "Address Mask State", kRight, RightControl, 0);
  SourcePortEdit =
      field(Put<TEdit>(this, "SourcePortEdit", 0, 0, 120, 21), "Source Port Mask", kRight, RightControl, 1);
  DstPortEdit = field(Put<TEdit>(this, "DstPortEdit", 0, 0, 120, 21), "Destination Port Mask", kRight, RightControl, 2);
  Put<TLabel>(this, "", kRight, RowTop(3) + 5, 0, 13, "Source IPv6 Mask");
  edtSrcMask = Put<TEdit>(this, "edtSrcMask", kRight, RowTop(4), Buttons - 20 + 8 - kRight, 21);
  cbxStatus = Put<TComboBox>(this, "cbxStatus", kRight, RowTop(5), 120, 21);
  cbxStatus->Visible = false;

  Static = PutSamples(this, "Static", Buttons, 8);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 88, 25, &TIPv6MaskInfoForm::GetButtonClick);
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 88, 25, &TIPv6MaskInfoForm::AddButtonClick);
  Button1 = PutButton(this, "Button1", "Stop", 0, 0, 88, 25, &TIPv6MaskInfoForm::Button1Click);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 0, 0, 88, 25, &TIPv6MaskInfoForm::DeleteButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 88, 25, &TIPv6MaskInfoForm::CloseButtonClick);
  EditButton = Put<TButton>(this, "EditButton", 0, 0, 88, 25, "Edit");
  EditButton->Visible = false;
  StackButtons(Buttons, 52, {GetButton, AddButton, Button1, DeleteButton, CloseButton, EditButton});
  PutStatusBar();

  DeclareList(ListView1, &TIPv6MaskInfoForm::ListView1Change);
  ProtoTypeCombo->OnChange = Handler(this, &TIPv6MaskInfoForm::ProtoTypeComboChange);
  TCPOptionCombo->OnChange = Handler(this, &TIPv6MaskInfoForm::TCPOptionComboChange);
  UDPOptionCombo->OnChange = Handler(this, &TIPv6MaskInfoForm::UDPOptionComboChange);
  OnCreate = Handler(this, &TIPv6MaskInfoForm::FormCreate);
  OnClose = Handler(this, &TIPv6MaskInfoForm::FormClose);

  CountBox = Static;
  RowButtons = {EditButton, DeleteButton};
  AddButtons = {AddButton};
  LockedKeys = {edtMaskID};
  DetailEdits = {edtMaskID, edtSrcMask, SourcePortEdit, DstPortEdit};
  ProfileKey = edtMaskID;
  RowStatusBox = cbxStatus;
  RowStatusColumn = VarRowStatus;
  ComboRules = {
      {cbxMaskState, {{"", {VarMaskState, VarSourceMask}}, {"other", {VarMaskState, VarSourceMask}}}},
      {ProtoTypeCombo,
       {{"", {VarProtocol, VarTcpOption, VarUdpOption, VarSourcePortMask, VarDestinationPortMask}},
        {"none", {VarProtocol, VarTcpOption, VarUdpOption, VarSourcePortMask, VarDestinationPortMask}},
        {"tcp", {VarUdpOption}},
        {"udp", {VarTcpOption}}}},
  };
  EmptyEditRules = {{edtSrcMask, VarSourceMask}, {SourcePortEdit, VarSourcePortMask}, {DstPortEdit, VarDestinationPortMask}};
  ChoiceCombos = {TCPOptionCombo, UDPOptionCombo};
  DoCreate();
}

void TIPv6MaskInfoForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        OpenTable(AclIpv6ProfileTable, 1, true);
        Table->BindEdits(VarProfileId, "%i{n1x512l3}", edtMaskID);
        Table->BindControl(VarClass, cbxMaskClass);
        Table->BindControl(VarFlowLabel, cbxMaskFlowlabel);
        Table->BindControl(VarMaskState, cbxMaskState);
        Table->BindEdits(VarSourceMask, "%h{l32}", edtSrcMask);
        Table->BindControl(VarRowStatus, cbxStatus);
        Table->BindControl(VarProtocol, ProtoTypeCombo);
        Table->BindControl(VarTcpOption, TCPOptionCombo);
        Table->BindControl(VarUdpOption, UDPOptionCombo);
        Table->BindEdits(VarSourcePortMask, "%s{l4f}", SourcePortEdit);
        Table->BindEdits(VarDestinationPortMask, "%s{l4f}", DstPortEdit);
        StartingChoices();
      },
      [&] {
        DataComplete = 1;
        StartingChoices();
      });
  if (bound) Refresh();
  IdleButtons();
}

void TIPv6MaskInfoForm::StartingChoices() {
  ChooseOption(cbxMaskClass, "disable");
  ChooseOption(cbxMaskFlowlabel, "disable");
  ChooseOption(cbxMaskState, "other");
  ChooseRowStatus(NvRowStatusName::CreateAndGo);
  ChooseOption(ProtoTypeCombo, "none");
  ChooseOption(TCPOptionCombo, "other");
  ChooseOption(UDPOptionCombo, "other");
  UpdatePortMaskControls();
  EnableEditsByChoices();  // choices the program shows raise no change
}

void TIPv6MaskInfoForm::ClearDetailControls() {
  TAclProfileBase::ClearDetailControls();
  ShowRowCount();
  StartingChoices();
}

void TIPv6MaskInfoForm::UpdatePortMaskControls() {
  const std::string protocol = ProtoTypeCombo->Text;
  // The other protocol's option goes back to "other"; its change handler does not run.
  if (protocol == "tcp") UDPOptionCombo->ItemIndex = 0;
  if (protocol == "udp") TCPOptionCombo->ItemIndex = 0;
  EnableField(TCPOptionCombo, protocol == "tcp");
  EnableField(UDPOptionCombo, protocol == "udp");
}

std::set<int> TIPv6MaskInfoForm::LeftOutByChoices() const {
  std::set<int> columns = TAclProfileBase::LeftOutByChoices();
  const std::string protocol = ProtoTypeCombo->Text;
  if (protocol != "tcp" && protocol != "udp") return columns;
  const std::string option = (protocol == "tcp" ? TCPOptionCombo : UDPOptionCombo)->Text();
  if (option != "src-addr" && option != "dst-src-addr") columns.insert(VarSourcePortMask);
  if (option != "dst-addr" && option != "dst-src-addr") columns.insert(VarDestinationPortMask);
  return columns;
}

bool TIPv6MaskInfoForm::MasksValid() const {
  const std::set<int> leftOut = LeftOutColumns();
  const std::pair<TEdit*, NvHexCheck> masks[] = {
      {edtSrcMask, Ipv6MaskCheck}, {SourcePortEdit, NvFourDigitMask}, {DstPortEdit, NvFourDigitMask}};
  const int columns[] = {VarSourceMask, VarSourcePortMask, VarDestinationPortMask};
  for (int k = 0; k < 3; ++k)
    if (!leftOut.count(columns[k]) && !HexDigitsExact(masks[k].first, masks[k].second)) return false;
  return true;
}

void TIPv6MaskInfoForm::GetButtonClick(TObject*) { Refresh(); }

void TIPv6MaskInfoForm::AddButtonClick(TObject*) {
  if (!KeysGiven() || !KeyIsNew() || !RowStatusCreates() || !MasksValid()) return;
  WriteNewProfile();
}

void TIPv6MaskInfoForm::DeleteButtonClick(TObject*) { DestroySelectedRow(); }

void TIPv6MaskInfoForm::ApplyEnablingRules() { UpdatePortMaskControls(); }

void TIPv6MaskInfoForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TIPv6MaskInfoForm::ProtoTypeComboChange(TObject*) { UpdatePortMaskControls(); }

void TIPv6MaskInfoForm::TCPOptionComboChange(TObject*) { UpdatePortMaskControls(); }

void TIPv6MaskInfoForm::UDPOptionComboChange(TObject*) { UpdatePortMaskControls(); }

void TIPv6MaskInfoForm::Button1Click(TObject*) { StopWalk(); }

void TIPv6MaskInfoForm::CloseButtonClick(TObject*) { Close(); }

void TIPv6MaskInfoForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
