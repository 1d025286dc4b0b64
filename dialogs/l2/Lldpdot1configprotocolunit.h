// LLDP 802.1 protocol identity TLVs: whether each port sends each protocol it knows.
#pragma once

#include "LldpDot1ConfigFamily.h"

class TLLDPConfigProtocolForm : public TLLDPDot1ConfigDialog {
 public:
  explicit TLLDPConfigProtocolForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPConfigProtocolForm* LLDPConfigProtocolForm;
