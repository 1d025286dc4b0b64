#include "Lldpdot3linkaggtable.h"

#include "Oid_lldp.h"

TLLDPDot3LinkAggForm* LLDPDot3LinkAggForm = nullptr;

namespace {
const NvLldpInfoMember Member{LldpDot3LocalLinkAggTable, 1, 511, 533, false, {{1, &NvLldpNames::LinkAggregation}}};
}  // namespace

TLLDPDot3LinkAggForm::TLLDPDot3LinkAggForm(TComponent* Owner) : TLLDPInfoTableDialog(Owner, Member) {
  Name = "LLDPDot3LinkAggForm";
}
