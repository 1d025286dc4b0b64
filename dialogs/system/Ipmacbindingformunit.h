// The IP-MAC binding table dialog: each binding ties an IPv4 address to a MAC address and to
// the ports on which the pair is allowed; the switch adds its ACL status and how it learnt it.
#pragma once

#include "AddressMacPortsDialog.h"

class TIPMACBindingForm : public TAddressMacPortsDialog {
 public:
  explicit TIPMACBindingForm(TComponent* Owner);

  TComboBox* cbxActive;  // hidden and disabled: the ACL status

 protected:
  std::span<const NvSetStep> AddSteps() const override;
  std::span<const NvSetStep> EditSteps() const override;
  void BindMore() override;
  void AfterRead() override;
};

// The dialog while its menu command shows it.
extern TIPMACBindingForm* IPMACBindingForm;
