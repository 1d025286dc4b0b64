#include "Lldpdot1configprotocolvlanunit.h"

#include "Oid_lldp.h"

TLLDPConfigProtocolVLANForm* LLDPConfigProtocolVLANForm = nullptr;

namespace {
const NvLldpDot1Member Member{
    LldpDot1ConfigProtocolVlanTable, "Protocol VLAN", 460, 471, "VLAN ID", "Protocol VLAN TX"};
}  // namespace

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(TComponent* Owner) : TLLDPDot1ConfigDialog(Owner, Member) {
  Name = "LLDPConfigProtocolVLANForm";
}
