#include "Lldpremotetable.h"

#include "Oid_lldp.h"

TLLDPRemoteForm* LLDPRemoteForm = nullptr;

namespace {
const NvLldpInfoMember Member{LldpRemoteTable,
                              3,
                              700,
                              549,
                              false,
                              {{10, &NvLldpNames::RemoteCapabilities}, {11, &NvLldpNames::RemoteCapabilities}}};
}  // namespace

TLLDPRemoteForm::TLLDPRemoteForm(TComponent* Owner) : TLLDPInfoTableDialog(Owner, Member) { Name = "LLDPRemoteForm"; }
