// LLDP 802.1 VLAN name TLVs: whether each port sends the name of each of its VLANs.
#pragma once

#include "LldpDot1ConfigFamily.h"

class TLLDPConfigVLANNameForm : public TLLDPDot1ConfigDialog {
 public:
  explicit TLLDPConfigVLANNameForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm;
