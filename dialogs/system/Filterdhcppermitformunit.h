// The DHCP server screening permit table dialog: each entry names a DHCP server's address and a
// client's MAC address and the ports on which offers from that server to that client pass.
#pragma once

#include <string>

#include "AddressMacPortsDialog.h"

class TFilterDHCPPermitForm : public TAddressMacPortsDialog {
 public:
  explicit TFilterDHCPPermitForm(TComponent* Owner);

  bool IsValidIPString(const std::string& text);
  bool IsValidHexString(const std::string& text);

 protected:
  bool AddAllowed() override;
  bool InputAccepted() override;
  std::span<const NvSetStep> AddSteps() const override;
  bool DeleteChosenRow() override;
};
