#include "AclEthernetProfile.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"

using namespace NvEthernetProfileVar;

const NvAclTexts NvEthernetProfileTexts{
    .ProfileKeyMissing = "Mask ID must be set",
    .Duplicate = "There is already a record with the same Ethernet Mask ID. Please modified it.",
    .RowStatus = "Row Status must be createAndGo.",
    .NotComplete = "Get data not complet",
};

namespace {
constexpr NvHexCheck MacMaskCheck{12, "Invalid MAC Address"};
}

TAclEthernetProfileBase::TAclEthernetProfileBase(TComponent* Owner, int width, int height, int listHeight)
    : TAclProfileBase(Owner, width, height, NvEthernetProfileTexts) {
  const int buttons = width - 112;
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, buttons - 20, listHeight);
  LB_ID = Put<TLabel>(this, "LB_ID", 0, 0, 0, 13, "Profile ID");
  IDEdit = Put<TEdit>(this, "IDEdit", 0, 0, 120, 21);
  LB_UseVlan = Put<TLabel>(this, "LB_UseVlan", 0, 0, 0, 13, "Use VLAN");
  UseVLanComBo = Put<TComboBox>(this, "UseVLanComBo", 0, 0, 120, 21);
  LB_Use8021p = Put<TLabel>(this, "LB_Use8021p", 0, 0, 0, 13, "Use 802.1p");
  Use8021pComBo = Put<TComboBox>(this, "Use8021pComBo", 0, 0, 120, 21);
  LB_MaskState = Put<TLabel>(this, "LB_MaskState", 0, 0, 0, 13, "MAC Address Mask State");
  MacMaskStateComBo = Put<TComboBox>(this, "MacMaskStateComBo", 0, 0, 130, 21);
  LB_UseEthType = Put<TLabel>(this, "LB_UseEthType", 0, 0, 0, 13, "Use Ethernet Type");
  UseEthTypeCombo = Put<TComboBox>(this, "UseEthTypeCombo", 0, 0, 120, 21);
  LB_MaskDst = Put<TLabel>(this, "LB_MaskDst", 0, 0, 0, 13, "MAC Address Mask Destination");
  MacMaskDstEdit = Put<TEdit>(this, "MacMaskDstEdit", 0, 0, 100, 21);
  LB_MaskSource = Put<TLabel>(this, "LB_MaskSource", 0, 0, 0, 13, "MAC Address Mask Source");
  MacAddMaskSourceEdit = Put<TEdit>(this, "MacAddMaskSourceEdit", 0, 0, 100, 21);
  LB_RowStatus = Put<TLabel>(this, "LB_RowStatus", 0, 0, 0, 13, "Row Status");
  RowStatusComBo = Put<TComboBox>(this, "RowStatusComBo", 0, 0, 100, 21);
  const int left = 8, right = buttons / 2;
  PutField(LB_ID, IDEdit, left, left + 145, FieldTop(listHeight, 0));
  PutField(LB_UseVlan, UseVLanComBo, left, left + 145, FieldTop(listHeight, 1));
  PutField(LB_Use8021p, Use8021pComBo, left, left + 145, FieldTop(listHeight, 2));
  PutField(LB_MaskState, MacMaskStateComBo, left, left + 145, FieldTop(listHeight, 3));
  PutField(LB_UseEthType, UseEthTypeCombo, left, left + 145, FieldTop(listHeight, 4));
  PutField(LB_MaskDst, MacMaskDstEdit, right, right + 175, FieldTop(listHeight, 1));
  PutField(LB_MaskSource, MacAddMaskSourceEdit, right, right + 175, FieldTop(listHeight, 2));
  PutField(LB_RowStatus, RowStatusComBo, right, right + 175, FieldTop(listHeight, 3));

  BT_Get = PutButton(this, "BT_Get", "Refresh", 0, 0, 88, 25, &TAclEthernetProfileBase::BT_GetClick);
  AddBtn = PutButton(this, "AddBtn", "Add", 0, 0, 88, 25, &TAclEthernetProfileBase::AddBtnClick);
  BT_Delete = PutButton(this, "BT_Delete", "Delete", 0, 0, 88, 25, &TAclEthernetProfileBase::BT_DeleteClick);
  SetBtn = Put<TButton>(this, "SetBtn", 0, 0, 88, 25, "Set");
  SetBtn->Visible = false;
  PutStatusBar();

  DeclareList(ListView1, &TAclEthernetProfileBase::ListView1Changing);
  OnClose = Handler(this, &TAclEthernetProfileBase::FormClose);

  RowButtons = {SetBtn, BT_Delete};
  AddButtons = {AddBtn};
  LockedKeys = {IDEdit};
  DetailEdits = {IDEdit, MacMaskDstEdit, MacAddMaskSourceEdit};
  ProfileKey = IDEdit;
  RowStatusBox = RowStatusComBo;
  ComboRules = {
      UsageRule(UseVLanComBo, UseVlan),
      UsageRule(Use8021pComBo, Use8021p),
      MaskStateRule(MacMaskStateComBo, MaskState, SourceMask, DestinationMask, "dst-mac-addr", "src-mac-addr"),
      UsageRule(UseEthTypeCombo, UseEthType),
  };
  EmptyEditRules = {{MacMaskDstEdit, DestinationMask}, {MacAddMaskSourceEdit, SourceMask}};
}

void TAclEthernetProfileBase::BindShared(const NvSNMPVar* table, const char* keyFormat, int rowStatusColumn) {
  RowStatusColumn = rowStatusColumn;
  OpenTable(table, 1, true);
  Table->BindEdits(ProfileId, keyFormat, IDEdit);
  Table->BindControl(UseVlan, UseVLanComBo);
  Table->BindControl(MaskState, MacMaskStateComBo);
  Table->BindEdits(SourceMask, "%s", MacAddMaskSourceEdit);
  Table->BindEdits(DestinationMask, "%s", MacMaskDstEdit);
  Table->BindControl(Use8021p, Use8021pComBo);
  Table->BindControl(UseEthType, UseEthTypeCombo);
  Table->BindControl(rowStatusColumn, RowStatusComBo);
  for (TComboBox* combo : {UseVLanComBo, Use8021pComBo, MacMaskStateComBo, UseEthTypeCombo}) combo->ItemIndex = 0;
}

void TAclEthernetProfileBase::BT_GetClick(TObject*) { Refresh(); }

void TAclEthernetProfileBase::AddBtnClick(TObject*) {
  if (!KeyIsNew() || !RowStatusCreates() || !CheckInput()) return;
  WriteNewProfile();
}

bool TAclEthernetProfileBase::CheckInput() {
  if (!KeysGiven() || !ReadFinished()) return false;
  return MasksInUsePass({{MacMaskDstEdit, DestinationMask}, {MacAddMaskSourceEdit, SourceMask}},
                        [](const std::string& mac) { return IsValidHexString(mac, MacMaskCheck); });
}

void TAclEthernetProfileBase::BT_DeleteClick(TObject*) { DestroySelectedRow(); }

void TAclEthernetProfileBase::ListView1Changing(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TAclEthernetProfileBase::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
