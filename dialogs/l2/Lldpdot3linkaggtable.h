// The link aggregation each port advertises in its LLDP 802.3 TLV.
#pragma once

#include "LldpInfoFamily.h"

class TLLDPDot3LinkAggForm : public TLLDPInfoTableDialog {
 public:
  explicit TLLDPDot3LinkAggForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm;
