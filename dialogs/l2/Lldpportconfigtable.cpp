#include "Lldpportconfigtable.h"

#include "Lldpportconfigedit.h"
#include "Oid_lldp.h"

TLLDPPortConfigForm* LLDPPortConfigForm = nullptr;

namespace {
TLLDPTlvPopup* MakePopup(TLLDPTlvConfigDialog* dialog) {
  LLDPPortConfigurationForm = new TLLDPPortConfigurationForm(dialog, dialog->TLVsEdit);
  return LLDPPortConfigurationForm;
}

const NvLldpTlvMember Member{LldpPortConfigTable, 699, 533, false, true, 3, "StopButton", &MakePopup};
}  // namespace

TLLDPPortConfigForm::TLLDPPortConfigForm(TComponent* Owner) : TLLDPTlvConfigDialog(Owner, Member) {
  Name = "LLDPPortConfigForm";
}
