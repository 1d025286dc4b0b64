// LLDP 802.1 port-and-protocol VLAN TLVs: whether each port sends each of its protocol VLANs.
#pragma once

#include "LldpDot1ConfigFamily.h"

class TLLDPConfigProtocolVLANForm : public TLLDPDot1ConfigDialog {
 public:
  explicit TLLDPConfigProtocolVLANForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm;
