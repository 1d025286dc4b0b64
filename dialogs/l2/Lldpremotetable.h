// The LLDP neighbours the switch has learned, with their capabilities as names.
#pragma once

#include "LldpInfoFamily.h"

class TLLDPRemoteForm : public TLLDPInfoTableDialog {
 public:
  explicit TLLDPRemoteForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern TLLDPRemoteForm* LLDPRemoteForm;
