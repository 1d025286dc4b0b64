#include "Arpspoofingpreventmgmtformunit.h"

#include "Oid_arpspoofingprevent.h"

TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm = nullptr;

namespace {

enum : int { VarMac = 1, VarPorts = 2, VarRowStatus = 3 };

const NvAddressMacPortsKind kKind{
    .Name = "ARPSpoofingPreventMgmtForm", .Caption = "ARPSpoofingPreventMgmtTable", .Width = 640, .Height = 368,
    .Scale = NvScale::ByDpi, .Placement = {.Position = poDesigned, .Left = 200, .Top = 120},
    .Table = ArpSpoofingPreventTable, .IndexCount = 2, .VarMac = VarMac, .VarPorts = VarPorts,
    .VarStatus = VarRowStatus, .IpFormat = "%s{l16}", .PortPositions = 64, .PortPage = "Ports",
    .HasCountBox = true, .EditCaption = "Set", .AddOffWithRow = true,
    .CreateItem = 1, .DestroyItem = 2,  // RowStatusShort: active, createAndGo, destroy
    .FreeOnClose = true};

const NvSetStep PortsAndStatus[] = {{{VarPorts, VarRowStatus}}};
// A gateway added with no port ticked is created without a port list.
const NvSetStep StatusOnly[] = {{{VarRowStatus}}};

}  // namespace

TARPSpoofingPreventMgmtForm::TARPSpoofingPreventMgmtForm(TComponent* Owner) : TAddressMacPortsDialog(Owner, kKind) {
  DoCreate();
}

std::span<const NvSetStep> TARPSpoofingPreventMgmtForm::AddSteps() const {
  if (AnyShownPortTicked()) return PortsAndStatus;
  return StatusOnly;
}
