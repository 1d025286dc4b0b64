#include "Packetcontentruleunit.h"

#include <type_traits>

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "NvValueChecks.h"
#include "Oid_acl.h"

TPacketContentRuleForm* PacketContentRuleForm = nullptr;

namespace {

// Variables of AclPacketContentRuleTable.
enum : int {
  VarProfileId = 0, VarAccessId = 1, VarSourceMac = 2, VarDestinationMac = 3, VarCTag = 4, VarSTag = 5,
  VarEnablePriority = 6, VarPriority = 7, VarReplacePriority = 8, VarEnableReplaceDscp = 9, VarReplaceDscp = 10,
  VarPermit = 11, VarPort = 12, VarRowStatus = 13, VarMaskSourceMac = 14, VarMaskDestinationMac = 15,
  VarMaskCTag = 16, VarMaskSTag = 17
};

const NvAclTexts kTexts{
    .ProfileKeyMissing = "Profile ID must be set.",
    .AccessKeyMissing = "Access ID must be set.",
    .Duplicate = "Has already a record with the same Profile ID and Access ID. Please change eithor of them.",
    .RowStatus = "Row State must be checked and set to createAndGo.",
    .EmptyField = "Some check field is empty",
};

// A tag or its mask is two octets: other digits would reach the switch as other octets.
constexpr NvHexCheck TagCheck{4, "Invalid data!"};
constexpr NvHexCheck TagMaskCheck{4, "Invalid Mask!"};
constexpr const char* MacMessage = "Invalid MAC Address";

constexpr int kWidth = 675, Buttons = 553, ListHeight = 136;
constexpr int RowTop(int r) { return ListHeight + 16 + 24 * r; }
constexpr int kLeft = 8, LeftControl = 140, kRight = 272, RightControl = 420;

}  // namespace

TPacketContentRuleForm::TPacketContentRuleForm(TComponent* Owner)
    : TAclBasicFormRuleBase(Owner, kWidth, 526, kTexts, NvScale::Twice) {
  Name = "PacketContentRuleForm";
  Caption = "Packet Content Rule Table";

  ListView1 = Put<TListView>(this, "ListView1", 8, 8, Buttons - 16, ListHeight);
  edtProfileID = Put<TEdit>(this, "edtProfileID", 0, 0, 70, 21);
  edtAccessID = Put<TEdit>(this, "edtAccessID", 0, 0, 70, 21);
  auto* note = Put<TLabel>(this, "", 0, 0, 0, 13, "0 = auto_assign");
  note->Font->Color = clRed;
  PlaceInRow(kLeft + 18, RowTop(0),
             {Put<TLabel>(this, "", 0, 0, 0, 13, "Profile ID"), edtProfileID,
              Put<TLabel>(this, "", 0, 0, 0, 13, "Access ID"), edtAccessID, note});

  auto row = [&](TCheckBox*& box, const char* boxName, const char* label, auto*& control, const char* name, bool right,
                 int r) {
    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(control)>>;
    control = Put<Control>(this, name, 0, 0, 120, 21);
    box = PutIncludeRow(boxName, label, control, right ? kRight : kLeft, right ? RightControl : LeftControl, RowTop(r));
  };
  row(chkSourceMac, "chkSourceMac", "Source MAC", edtSrcMac, "edtSrcMac", false, 1);
  row(chkDstMac, "chkDstMac", "Destination MAC", edtDstMac, "edtDstMac", false, 2);
  row(chkCTag, "chkCTag", "CTag", edtCTag, "edtCTag", false, 3);
  row(chkSTag, "chkSTag", "STag", edtSTag, "edtSTag", false, 4);
  row(chk_EnablePrio, "chk_EnablePrio", "Enable Priority", cbb_EnablePrio, "cbb_EnablePrio", false, 5);
  row(chkPriority, "chkPriority", "Priority", edtPriorityEdit, "edtPriorityEdit", false, 6);
  row(chkReplacePriority, "chkReplacePriority", "Replace Priority", cbbReplaceComboBox, "cbbReplaceComboBox", false, 7);
  row(chk_maskSrMAC, "chk_maskSrMAC", "Mask Source MAC", edt_maskSrcMask, "edt_maskSrcMask", true, 1);
  row(chk_MaskDstMac, "chk_MaskDstMac", "Mask Destination MAC", edt_maskDstMAC, "edt_maskDstMAC", true, 2);
  row(chk_MaskCTag, "chk_MaskCTag", "Mask CTag", edt_MaskCTag, "edt_MaskCTag", true, 3);
  row(chk_MaskSTag, "chk_MaskSTag", "Mask STag", edt_MaskSTag, "edt_MaskSTag", true, 4);
  row(chkEnableReplaceDSCP, "chkEnableReplaceDSCP", "  Enable Replace DSCP", cbbEnableReplaceDSCPComboBox,
      "cbbEnableReplaceDSCPComboBox", true, 5);
  row(chkEnableDSCPValue, "chkEnableDSCPValue", "  Replace DSCP Value", edtDSCPEdit, "edtDSCPEdit", true, 6);
  row(chkPermit, "chkPermit", "Permit", cbbPermitComboBox, "cbbPermitComboBox", true, 7);
  row(chkRow, "chkRow", "Row Status", cbbRowComboBox, "cbbRowComboBox", true, 8);
  pnlStackingPortPanel = Put<TPanel>(this, "pnlStackingPortPanel", 8, RowTop(9) + 4, Buttons - 16, 92);

  txt1 = PutSamples(this, "txt1", Buttons + 16, 8);
  btnGetButton = PutButton(this, "btnGetButton", "Refresh", 0, 0, 88, 25, &TPacketContentRuleForm::btnGetButtonClick);
  btnAddButton = PutButton(this, "btnAddButton", "Add", 0, 0, 88, 25, &TPacketContentRuleForm::btnAddButtonClick);
  btnStopButton = PutButton(this, "btnStopButton", "Stop", 0, 0, 88, 25, &TPacketContentRuleForm::btnStopButtonClick);
  btnDeleteButton =
      PutButton(this, "btnDeleteButton", "Delete", 0, 0, 88, 25, &TPacketContentRuleForm::btnDeleteButtonClick);
  btnCloseButton =
      PutButton(this, "btnCloseButton", "Close", 0, 0, 88, 25, &TPacketContentRuleForm::btnCloseButtonClick);
  btnEditButton = Put<TButton>(this, "btnEditButton", 0, 0, 88, 25, "Edit");
  btnEditButton->Visible = false;
  StackButtons(Buttons + 16, 52, {btnGetButton, btnAddButton, btnStopButton, btnDeleteButton, btnCloseButton, btnEditButton});
  // The whole bar is the status output: no panels.
  stat1 = StatusBar1 = Put<TStatusBar>(this, "stat1", 0, 0, 0, 19);
  stat1->Align = alBottom;

  DeclareList(ListView1, &TPacketContentRuleForm::ListView1Change);
  cbb_EnablePrio->OnChange = Handler(this, &TPacketContentRuleForm::cbb_EnablePrioChange);
  cbbEnableReplaceDSCPComboBox->OnChange = Handler(this, &TPacketContentRuleForm::cbbEnableReplaceDSCPComboBoxChange);
  OnCreate = Handler(this, &TPacketContentRuleForm::FormCreate);
  OnClose = Handler(this, &TPacketContentRuleForm::FormDestroy);

  CountBox = txt1;
  RowButtons = {btnEditButton, btnDeleteButton};
  AddButtons = {btnAddButton};
  LockedKeys = {edtProfileID, edtAccessID};
  ProfileKey = edtProfileID;
  AccessKey = edtAccessID;
  RowStatusBox = cbbRowComboBox;
  RowStatusColumn = VarRowStatus;
  PortColumn = VarPort;
  IncludeBoxes = {{chkSourceMac, VarSourceMac, edtSrcMac},
                  {chkDstMac, VarDestinationMac, edtDstMac},
                  {chkCTag, VarCTag, edtCTag},
                  {chkSTag, VarSTag, edtSTag},
                  {chk_EnablePrio, VarEnablePriority, cbb_EnablePrio},
                  {chkPriority, VarPriority, edtPriorityEdit},
                  {chkReplacePriority, VarReplacePriority, cbbReplaceComboBox},
                  {chkEnableReplaceDSCP, VarEnableReplaceDscp, cbbEnableReplaceDSCPComboBox},
                  {chkEnableDSCPValue, VarReplaceDscp, edtDSCPEdit},
                  {chkPermit, VarPermit, cbbPermitComboBox},
                  {chkRow, VarRowStatus, cbbRowComboBox},
                  {chk_maskSrMAC, VarMaskSourceMac, edt_maskSrcMask},
                  {chk_MaskDstMac, VarMaskDestinationMac, edt_maskDstMAC},
                  {chk_MaskCTag, VarMaskCTag, edt_MaskCTag},
                  {chk_MaskSTag, VarMaskSTag, edt_MaskSTag}};
  DoCreate();
}

void TPacketContentRuleForm::FormCreate(TObject*) {
  CreateAndRead(pnlStackingPortPanel, AclPacketContentRuleTable, false,
                {{VarProfileId, "%i{n1x512l3}"},
                 {VarAccessId, "%i{n0x65535l5}"},
                 {VarSourceMac, "%s{M}"},
                 {VarDestinationMac, "%s{M}"},
                 {VarCTag, "%s{l4f}"},
                 {VarSTag, "%s{l4f}"},
                 {VarPriority, "%i{n0x7}"},
                 {VarReplaceDscp, "%i{n0x63}"},
                 {VarMaskSourceMac, "%s{M}"},
                 {VarMaskDestinationMac, "%s{M}"},
                 {VarMaskCTag, "%s{l4f}"},
                 {VarMaskSTag, "%s{l4f}"}},
                [&] { Table->SetStatusControl(stat1); });
}

void TPacketContentRuleForm::ClearDetailControls() {
  TAclBasicFormRuleBase::ClearDetailControls();
  ResetControls(BoundControls);
  cbb_EnablePrioChange(nullptr);
  cbbEnableReplaceDSCPComboBoxChange(nullptr);
  ShowRowCount();
}

void TPacketContentRuleForm::cbb_EnablePrioChange(TObject*) {
  const bool enabled = cbb_EnablePrio->Text() != "disabled";
  edtPriorityEdit->Enabled = enabled;
  chkPriority->Enabled = enabled;
}

void TPacketContentRuleForm::cbbEnableReplaceDSCPComboBoxChange(TObject*) {
  const bool enabled = cbbEnableReplaceDSCPComboBox->Text() != "disabled";
  edtDSCPEdit->Enabled = enabled;
  chkEnableDSCPValue->Enabled = enabled;
}

bool TPacketContentRuleForm::CheckInput() {
  if (!KeysGiven()) return false;
  if (!PermitTicked(chkPermit, chkPermit)) return false;
  if (cbbPermitComboBox->ItemIndex < 0) return Refuse(Texts.EmptyField, cbbPermitComboBox);
  if (chkRow->Checked && cbbRowComboBox->ItemIndex < 0) return Refuse(Texts.EmptyField, cbbRowComboBox);
  // Ticked and usable fields reach the switch: they must be what their octets need.
  for (const NvIncludeBox& include : IncludeBoxes) {
    if (!Counts(include.Box)) continue;
    auto* edit = dynamic_cast<TCustomEdit*>(include.Field);
    switch (include.Column) {
      case VarSourceMac: case VarDestinationMac: case VarMaskSourceMac: case VarMaskDestinationMac:
        if (!IsMacAddress(edit)) return Refuse(MacMessage, edit);
        break;
      case VarCTag: case VarSTag:
        if (!HexDigitsExact(edit, TagCheck)) return false;
        break;
      case VarMaskCTag: case VarMaskSTag:
        if (!HexDigitsExact(edit, TagMaskCheck)) return false;
        break;
      default: break;
    }
  }
  return CheckPortSelected();
}

void TPacketContentRuleForm::btnGetButtonClick(TObject*) { Refresh(); }

void TPacketContentRuleForm::btnAddButtonClick(TObject*) {
  if (!CheckInput() || !KeyIsNew() || !RowStatusCreates(chkRow)) return;
  WriteIncluded();
}

void TPacketContentRuleForm::btnDeleteButtonClick(TObject*) {
  DestroySelectedRow();
  cbb_EnablePrioChange(nullptr);
  cbbEnableReplaceDSCPComboBoxChange(nullptr);
}

void TPacketContentRuleForm::ApplyEnablingRules() {
  cbb_EnablePrioChange(nullptr);
  cbbEnableReplaceDSCPComboBoxChange(nullptr);
}

void TPacketContentRuleForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TPacketContentRuleForm::btnStopButtonClick(TObject*) { StopWalk(); }

void TPacketContentRuleForm::btnCloseButtonClick(TObject*) { Close(); }

void TPacketContentRuleForm::FormDestroy(TObject*, TCloseAction&) { CloseRequests(); }
