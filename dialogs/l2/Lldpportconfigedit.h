// The pop-up of the LLDP port configuration: the four basic TLVs as check boxes.
#pragma once

#include "LldpTlvConfigFamily.h"

class TLLDPPortConfigurationForm : public TLLDPTlvPopup {
 public:
  TLLDPPortConfigurationForm(TComponent* Owner, TEdit* tlvText);
  ~TLLDPPortConfigurationForm() override;
};

// The pop-up while its dialog lives.
extern TLLDPPortConfigurationForm* LLDPPortConfigurationForm;
