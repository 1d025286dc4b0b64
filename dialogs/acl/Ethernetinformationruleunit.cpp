#include "Ethernetinformationruleunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"
#include "PortPickers.h"

TEthernetInformationRuleForm* EthernetInformationRuleForm = nullptr;

namespace {

// Variables of AclEthernetRuleTable beyond the shared ones.
enum : int {
  VarEnablePriority = 7, VarPriority = 8, VarReplacePriority = 9, VarEnableReplaceDscp = 10, VarReplaceDscp = 11,
  VarPermit = 12, VarPort = 13, VarRowStatus = 14, VarRxRate = 15, VarMaskVlan = 16, VarMaskSourceMac = 17,
  VarMaskDestinationMac = 18
};

const NvEthernetRuleLayout kLayout{.Width = 716, .Height = 656, .ListHeight = 150, .PermitRow = 7, .RowStatusRow = 9,
                                  .PermitColumn = VarPermit, .RowStatusColumn = VarRowStatus, .PortColumn = VarPort};

}  // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(TComponent* Owner)
    : TAclEthernetRuleBase(Owner, kLayout) {
  Name = "EthernetInformationRuleForm";
  Caption = "Ethernet Rule";
  Position = poScreenCenter;

  Put<TLabel>(this, "", AccessEdit->Left + AccessEdit->Width + 6, RowTop(1) + 3, 0, 13, "0 = auto_assign");
  EnablePriorityComboBox = Put<TComboBox>(this, "EnablePriorityComboBox", 0, 0, 100, 21);
  cbxEablePriority = PutIncludeRow("cbxEablePriority", "Enable Priority", EnablePriorityComboBox, RightLeft,
                                   RightControlLeft, RowTop(2));
  PriorityEdit = Put<TEdit>(this, "PriorityEdit", 0, 0, 100, 21);
  cbxPriority = PutIncludeRow("cbxPriority", "Priority Rule", PriorityEdit, RightLeft, RightControlLeft, RowTop(3));
  ReplacePriorityComboBox = Put<TComboBox>(this, "ReplacePriorityComboBox", 0, 0, 100, 21);
  cbxReplacePriority = PutIncludeRow("cbxReplacePriority", "Replace Priority Rule", ReplacePriorityComboBox, RightLeft,
                                     RightControlLeft, RowTop(4));
  cbbEnableReplaceDscp = Put<TComboBox>(this, "cbbEnableReplaceDscp", 0, 0, 100, 21);
  cbxEnableReplaceDscp = PutIncludeRow("cbxEnableReplaceDscp", "Replace DSCP State", cbbEnableReplaceDscp, RightLeft,
                                       RightControlLeft, RowTop(5));
  edtReplaceDscp = Put<TEdit>(this, "edtReplaceDscp", 0, 0, 100, 21);
  cbxRuleRepDscp = PutIncludeRow("cbxRuleRepDscp", "Replace DSCP", edtReplaceDscp, RightLeft, RightControlLeft, RowTop(6));
  RxRateEdit = Put<TEdit>(this, "RxRateEdit", 0, 0, 100, 21);
  cbxRxRate = PutIncludeRow("cbxRxRate", "RX Rate", RxRateEdit, RightLeft, RightControlLeft, RowTop(8));
  edt_MaskVlan = Put<TEdit>(this, "edt_MaskVlan", 0, 0, 106, 21);
  chk_MaskVlan = PutIncludeRow("chk_MaskVlan", "Mask VLAN", edt_MaskVlan, FieldLeft, FieldControlLeft, RowTop(7));
  edt_MaskSrcMac = Put<TEdit>(this, "edt_MaskSrcMac", 0, 0, 106, 21);
  chk_MaskSrcMac = PutIncludeRow("chk_MaskSrcMac", "Mask Source MAC", edt_MaskSrcMac, FieldLeft, FieldControlLeft, RowTop(8));
  edt_MaskDstMac = Put<TEdit>(this, "edt_MaskDstMac", 0, 0, 106, 21);
  chk_MaskDstMac = PutIncludeRow("chk_MaskDstMac", "Mask Destination MAC", edt_MaskDstMac, FieldLeft, FieldControlLeft, RowTop(9));
  StackingPortPanel = Put<TPanel>(this, "StackingPortPanel", 8, RowTop(10) + 4, ButtonsLeft() - 16, 170);

  btnClearChecks =
      PutButton(this, "btnClearChecks", "Clear Checks", 0, 0, 88, 25, &TEthernetInformationRuleForm::ClearChecksClick);
  Button1 = PutButton(this, "Button1", "Stop", 0, 0, 88, 25, &TEthernetInformationRuleForm::Button1Click);
  btnClose = PutButton(this, "btnClose", "Close", 0, 0, 88, 25, &TEthernetInformationRuleForm::btnCloseClick);
  EditButton->Visible = false;  // rules are not changed in place
  StackButtons(ButtonsLeft(), 52,
               {GetButton, AddButton, DeleteButton, AddCheckButton, btnClearChecks, Button1, btnClose, EditButton});
  OnCreate = Handler(this, &TEthernetInformationRuleForm::FormCreate);

  for (TCustomEdit* edit : {PriorityEdit, edtReplaceDscp, RxRateEdit, edt_MaskVlan, edt_MaskSrcMac, edt_MaskDstMac})
    DetailEdits.push_back(edit);
  DetailCombos = {EnablePriorityComboBox, ReplacePriorityComboBox, cbbEnableReplaceDscp, PermitComboBox, RowComboBox};
  // The order in which the empty-field test walks them.
  IncludeBoxes.insert(IncludeBoxes.end(), {{cbxEablePriority, VarEnablePriority, EnablePriorityComboBox},
                                           {cbxPriority, VarPriority, PriorityEdit},
                                           {cbxReplacePriority, VarReplacePriority, ReplacePriorityComboBox},
                                           {cbxEnableReplaceDscp, VarEnableReplaceDscp, cbbEnableReplaceDscp},
                                           {cbxRuleRepDscp, VarReplaceDscp, edtReplaceDscp},
                                           {cbxPermit, VarPermit, PermitComboBox},
                                           {cbxRxRate, VarRxRate, RxRateEdit},
                                           {cbxRow, VarRowStatus, RowComboBox},
                                           {chk_MaskVlan, VarMaskVlan, edt_MaskVlan},
                                           {chk_MaskSrcMac, VarMaskSourceMac, edt_MaskSrcMac},
                                           {chk_MaskDstMac, VarMaskDestinationMac, edt_MaskDstMac}});
  DoCreate();
}

void TEthernetInformationRuleForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        Picker = CreatePortPicker(this, StackingPortPanel);
        BindShared(AclEthernetRuleTable, "%i{n1x512l3}", "%i{n0x65535l5}");
        Table->BindControl(VarEnablePriority, EnablePriorityComboBox);
        Table->BindEdits(VarPriority, "%i{n0x7}", PriorityEdit);
        Table->BindControl(VarReplacePriority, ReplacePriorityComboBox);
        Table->BindControl(VarEnableReplaceDscp, cbbEnableReplaceDscp);
        Table->BindEdits(VarReplaceDscp, "%i{n0x63l2}", edtReplaceDscp);
        Table->BindEdits(VarRxRate, "%s{n64x1024000}", RxRateEdit);
        Table->BindEdits(VarMaskVlan, "%s{l4f}", edt_MaskVlan);
        Table->BindEdits(VarMaskSourceMac, "%s{M}", edt_MaskSrcMac);
        Table->BindEdits(VarMaskDestinationMac, "%s{M}", edt_MaskDstMac);
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
}

bool TEthernetInformationRuleForm::CheckInput() {
  if (!TAclEthernetRuleBase::CheckInput()) return false;
  if (cbxPriority->Checked && !NumberInRange(PriorityEdit, 0, 7, "Priority value should between 0-7")) return false;
  if (cbxRxRate->Checked && !NumberInRange(RxRateEdit, 0, 156249, "Rx Rate should between 0-156249")) return false;
  return !chk_MaskVlan->Checked || HexDigitsExact(edt_MaskVlan, NvFourDigitMask);
}

void TEthernetInformationRuleForm::Button1Click(TObject*) { StopWalk(); }

void TEthernetInformationRuleForm::btnCloseClick(TObject*) { Close(); }
