#include "Lldpdot3portconfigtable.h"

#include "Lldpdot3portconfigedit.h"
#include "Oid_lldp.h"

TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm = nullptr;

namespace {
TLLDPTlvPopup* MakePopup(TLLDPTlvConfigDialog* dialog) {
  LLDPDot3PortConfigurationForm = new TLLDPDot3PortConfigurationForm(dialog, dialog->TLVsEdit);
  return LLDPDot3PortConfigurationForm;
}

const NvLldpTlvMember Member{LldpDot3PortConfigTable, 495, 497, true, false, 1, "Button1", &MakePopup};
}  // namespace

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(TComponent* Owner) : TLLDPTlvConfigDialog(Owner, Member) {
  Name = "LLDPDot3PortConfigForm";
}
