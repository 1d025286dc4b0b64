#include "Ethernetmaskinformationformunit.h"

#include "DialogChecks.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_acl.h"

namespace {

// Variables of AclEthernetProfileTable beyond the shared ones.
enum : int { VarVlanMask = 7, VarRowStatus = 8 };

// The VLAN mask is the 2-octet value; fewer digits or other characters would be sent garbled.
constexpr NvHexCheck VlanMaskCheck{4, "Invalid Mask!"};

}  // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(TComponent* Owner)
    : TAclEthernetProfileBase(Owner, 691, 354, 150) {
  Name = "EthernetMaskInformationForm";
  Caption = "Ethernet Mask";
  Position = poScreenCenter;

  LB_VlanMask = Put<TLabel>(this, "LB_VlanMask", 0, 0, 0, 13, "VLAN Mask");
  edt_vlanmask = Put<TEdit>(this, "edt_vlanmask", 0, 0, 100, 21);
  PutField(LB_VlanMask, edt_vlanmask, LB_MaskDst->Left, MacMaskDstEdit->Left, IDEdit->Top);
  ST_Count = PutSamples(this, "ST_Count", 579, 8);
  Button1 = PutButton(this, "Button1", "Stop", 0, 0, 88, 25, &TEthernetMaskInformationForm::Button1Click);
  btnClose = PutButton(this, "btnClose", "Close", 0, 0, 88, 25, &TEthernetMaskInformationForm::btnCloseClick);
  StackButtons(579, 52, {BT_Get, AddBtn, Button1, BT_Delete, btnClose, SetBtn});
  OnCreate = Handler(this, &TEthernetMaskInformationForm::FormCreate);

  CountBox = ST_Count;
  DetailEdits.push_back(edt_vlanmask);
  EmptyEditRules.push_back({edt_vlanmask, VarVlanMask});
  DoCreate();
}

void TEthernetMaskInformationForm::FormCreate(TObject*) {
  const bool bound = Guarded(
      [&] {
        BindShared(AclEthernetProfileTable, "%i{n1x512l3}", VarRowStatus);
        Table->BindEdits(VarVlanMask, "%s{l4f}", edt_vlanmask);
        RowStatusComBo->ItemIndex = 0;
      },
      [&] { DataComplete = 1; });
  if (bound) Refresh();
  IdleButtons();
  ClearDetailControls();
}

bool TEthernetMaskInformationForm::CheckInput() {
  return TAclEthernetProfileBase::CheckInput() &&
         MasksInUsePass({{edt_vlanmask, VarVlanMask}},
                        [](const std::string& mask) { return IsValidHexString(mask, VlanMaskCheck); });
}

void TEthernetMaskInformationForm::Button1Click(TObject*) { StopWalk(); }

void TEthernetMaskInformationForm::btnCloseClick(TObject*) { Close(); }
