#include "Lldpdot1configvlannameunit.h"

#include "Oid_lldp.h"

TLLDPConfigVLANNameForm* LLDPConfigVLANNameForm = nullptr;

namespace {
const NvLldpDot1Member Member{LldpDot1ConfigVlanNameTable, "VLAN Name", 449, 470, "VLAN ID", "VLAN Name TX"};
}  // namespace

TLLDPConfigVLANNameForm::TLLDPConfigVLANNameForm(TComponent* Owner) : TLLDPDot1ConfigDialog(Owner, Member) {
  Name = "LLDPConfigVLANNameForm";
}
