// LLDP port configuration: each port's LLDP admin state, notification and basic optional TLVs.
#pragma once

#include "LldpTlvConfigFamily.h"

class TLLDPPortConfigForm : public TLLDPTlvConfigDialog {
 public:
  explicit TLLDPPortConfigForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPPortConfigForm* LLDPPortConfigForm;
