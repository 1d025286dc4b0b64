#include "Ipmacbindingformunit.h"

#include "NvSNMPRequest2Edits.h"
#include "Oid_ipmacbinding.h"

TIPMACBindingForm* IPMACBindingForm = nullptr;

namespace {

enum : int { VarMac = 1, VarAclStatus = 2, VarPorts = 3, VarMode = 4, VarRowStatus = 5 };
constexpr int kActive = 1;  // item of cbxActive

const NvAddressMacPortsKind kKind{
    .Name = "IPMACBindingForm", .Caption = "IP-MAC Binding Form", .Width = 720, .Height = 344,
    .Scale = NvScale::Stored, .Placement = {},
    .Table = IpMacBindingTable, .IndexCount = 1, .VarMac = VarMac, .VarPorts = VarPorts,
    .VarStatus = VarRowStatus, .IpFormat = "%s{l16}", .PortPositions = 64, .PortPage = nullptr,
    .HasCountBox = false, .EditCaption = "Edit", .AddOffWithRow = false,
    .CreateItem = 1, .DestroyItem = 2,  // RowStatusShort: active, createAndGo, destroy
    .FreeOnClose = true};

// The ACL status and the mode are the switch's own: a write carries the MAC, the ports and the
// status.
const NvSetStep BindingSteps[] = {{{VarMac, VarPorts, VarRowStatus}}};

}  // namespace

TIPMACBindingForm::TIPMACBindingForm(TComponent* Owner) : TAddressMacPortsDialog(Owner, kKind) {
  cbxActive = Put<TComboBox>(this, "cbxActive", 240, edtIpAddr->Top, 100, 21);
  cbxActive->Visible = false;
  cbxActive->Enabled = false;
  KeptDisabled = cbxActive;
  DoCreate();
}

void TIPMACBindingForm::BindMore() { Table->BindControl(VarAclStatus, cbxActive); }

void TIPMACBindingForm::AfterRead() {
  TAddressMacPortsDialog::AfterRead();
  if (cbxActive->Items->Count > kActive) cbxActive->ItemIndex = kActive;
}

std::span<const NvSetStep> TIPMACBindingForm::AddSteps() const { return BindingSteps; }

std::span<const NvSetStep> TIPMACBindingForm::EditSteps() const { return BindingSteps; }
