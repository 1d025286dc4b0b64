#include "Filterdhcppermitformunit.h"

#include "DialogChecks.h"
#include "Dialogs.h"
#include "Oid_filterunit.h"
#include "StackingPortUitForm.h"

namespace {

enum : int { VarMac = 1, VarPorts = 2, VarStatus = 3 };

const NvAddressMacPortsKind kKind{
    .Name = "FilterDHCPPermitForm", .Caption = "DHCP Permit Table Form", .Width = 640, .Height = 344,
    .Scale = NvScale::ByDpi, .Placement = {.Position = poDesigned, .Left = 200, .Top = 120},
    .Table = DhcpScreeningPermitTable, .IndexCount = 2, .VarMac = VarMac, .VarPorts = VarPorts,
    .VarStatus = VarStatus, .IpFormat = "%s{l15}", .PortPositions = 56, .PortPage = nullptr,
    .HasCountBox = true, .EditCaption = "Set", .AddOffWithRow = false,
    .CreateItem = 3, .DestroyItem = 5,  // the six row-status names in list order
    .FreeOnClose = false};

const NvSetStep PortsAndStatus[] = {{{VarPorts, VarStatus}}};
const NvSetStep StatusOnly[] = {{{VarStatus}}};

}  // namespace

TFilterDHCPPermitForm::TFilterDHCPPermitForm(TComponent* Owner) : TAddressMacPortsDialog(Owner, kKind) {
  DoCreate();
}

bool TFilterDHCPPermitForm::IsValidIPString(const std::string& text) {
  return ::IsValidIPString(text, NvIpCheckFullCapital);
}

bool TFilterDHCPPermitForm::IsValidHexString(const std::string& text) {
  return ::IsValidHexString(text, NvHexCheck{12, "Invalid MAC address", true});
}

bool TFilterDHCPPermitForm::AddAllowed() {
  if (Picker && Picker->CountChecked() > 0) return true;
  ShowMessage("Please select a certain portlist to configure!");
  return false;
}

bool TFilterDHCPPermitForm::InputAccepted() {
  if (!IsValidIPString(edtIpAddr->Text())) return Refocus(edtIpAddr);
  if (!IsValidHexString(edtMacAddr->Text())) return Refocus(edtMacAddr);
  return true;
}

std::span<const NvSetStep> TFilterDHCPPermitForm::AddSteps() const { return PortsAndStatus; }

// No question: the chosen entry, whatever its edits were changed to, is destroyed at once.
bool TFilterDHCPPermitForm::DeleteChosenRow() {
  SelectedRowToControls();
  ComboStatus->ItemIndex = kKind.DestroyItem;
  const auto open = StillOpen();
  WriteAndReread(StatusOnly);
  return open();
}
