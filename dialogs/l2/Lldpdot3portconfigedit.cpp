#include "Lldpdot3portconfigedit.h"

TLLDPDot3PortConfigurationForm* LLDPDot3PortConfigurationForm = nullptr;

namespace {
const NvLldpTlvPopupMember Member{"LLDP Dot3 Port Configuration Table Setting: ",
                                  295,
                                  191,
                                  true,
                                  {{"macPhyConfigStatuscbx", "macPhyConfigStatus", true},
                                   {"powerViaMDIcbx", "powerViaMDI", false},  // never shown, still ticked and read
                                   {"linkAggregationcbx", "linkAggregation", true},
                                   {"maxFrameSizecbx", "maxFrameSize", true}}};
}  // namespace

TLLDPDot3PortConfigurationForm::TLLDPDot3PortConfigurationForm(TComponent* Owner, TEdit* tlvText)
    : TLLDPTlvPopup(Owner, tlvText, Member) {
  Name = "LLDPDot3PortConfigurationForm";
}

TLLDPDot3PortConfigurationForm::~TLLDPDot3PortConfigurationForm() {
  if (LLDPDot3PortConfigurationForm == this) LLDPDot3PortConfigurationForm = nullptr;
}
