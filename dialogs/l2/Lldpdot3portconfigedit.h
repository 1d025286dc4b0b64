// The pop-up of the LLDP 802.3 port TLVs: the TLVs as check boxes.
#pragma once

#include "LldpTlvConfigFamily.h"

class TLLDPDot3PortConfigurationForm : public TLLDPTlvPopup {
 public:
  TLLDPDot3PortConfigurationForm(TComponent* Owner, TEdit* tlvText);
  ~TLLDPDot3PortConfigurationForm() override;
};

// The pop-up while its dialog lives.
extern TLLDPDot3PortConfigurationForm* LLDPDot3PortConfigurationForm;
