#include "Lldpdot1configprotocolunit.h"

#include "Oid_lldp.h"

TLLDPConfigProtocolForm* LLDPConfigProtocolForm = nullptr;

namespace {
const NvLldpDot1Member Member{LldpDot1ConfigProtocolTable, "Protocol", 462, 467, "Index", "Protocol TX"};
}  // namespace

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(TComponent* Owner) : TLLDPDot1ConfigDialog(Owner, Member) {
  Name = "LLDPConfigProtocolForm";
}
