// The ARP spoofing prevention dialog: each row pairs a gateway's address with its MAC address
// and the ports on which ARP packets claiming that gateway are inspected.
#pragma once

#include "AddressMacPortsDialog.h"

class TARPSpoofingPreventMgmtForm : public TAddressMacPortsDialog {
 public:
  explicit TARPSpoofingPreventMgmtForm(TComponent* Owner);

 protected:
  std::span<const NvSetStep> AddSteps() const override;
};

// The dialog while its menu command shows it.
extern TARPSpoofingPreventMgmtForm* ARPSpoofingPreventMgmtForm;
