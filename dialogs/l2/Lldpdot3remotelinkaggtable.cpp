#include "Lldpdot3remotelinkaggtable.h"

#include "Oid_lldp.h"

TLLDPDot3RemoteLinkAggForm* LLDPDot3RemoteLinkAggForm = nullptr;

namespace {
const NvLldpInfoMember Member{LldpDot3RemoteLinkAggTable, 3, 700, 549, true, {{3, &NvLldpNames::LinkAggregation}}};
}  // namespace

TLLDPDot3RemoteLinkAggForm::TLLDPDot3RemoteLinkAggForm(TComponent* Owner) : TLLDPInfoTableDialog(Owner, Member) {
  Name = "LLDPDot3RemoteLinkAggForm";
}
