// The link aggregation the LLDP neighbours advertise.
#pragma once

#include "LldpInfoFamily.h"

class TLLDPDot3RemoteLinkAggForm : public TLLDPInfoTableDialog {
 public:
  explicit TLLDPDot3RemoteLinkAggForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPDot3RemoteLinkAggForm* LLDPDot3RemoteLinkAggForm;
