#include "Lldpportconfigedit.h"

TLLDPPortConfigurationForm* LLDPPortConfigurationForm = nullptr;

namespace {
const NvLldpTlvPopupMember Member{"Port Configuration Table Setting: ",
                                  286,
                                  180,
                                  false,
                                  {{"portDescCBX", "Port Description", true},
                                   {"sysNameCBX", "System Name", true},
                                   {"sysDescCBX", "System Description", true},
                                   {"sysCapCBX", "System Capabilities", true}}};
}  // namespace

TLLDPPortConfigurationForm::TLLDPPortConfigurationForm(TComponent* Owner, TEdit* tlvText)
    : TLLDPTlvPopup(Owner, tlvText, Member) {
  Name = "LLDPPortConfigurationForm";
}

TLLDPPortConfigurationForm::~TLLDPPortConfigurationForm() {
  if (LLDPPortConfigurationForm == this) LLDPPortConfigurationForm = nullptr;
}
