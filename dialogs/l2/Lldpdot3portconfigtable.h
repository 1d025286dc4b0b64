// LLDP 802.3 port TLVs: which IEEE 802.3 organizationally specific TLVs each port sends.
#pragma once

#include "LldpTlvConfigFamily.h"

class TLLDPDot3PortConfigForm : public TLLDPTlvConfigDialog {
 public:
  explicit TLLDPDot3PortConfigForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPDot3PortConfigForm* LLDPDot3PortConfigForm;
