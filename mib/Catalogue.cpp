#include "Catalogue.h"

#include <iterator>

#include "NvOptionList.h"

#include "Oid_device.h"
#include "Oid_agent.h"
#include "Oid_etherlike.h"
#include "Oid_equipment.h"
#include "Oid_ifmib.h"
#include "Oid_syslog.h"
#include "Oid_time.h"
#include "Oid_smtp.h"
#include "Oid_bridge.h"
#include "Oid_poe.h"
#include "Oid_acl.h"
#include "Oid_lacp.h"
#include "Oid_rmonprobe.h"
#include "Oid_snmpv3.h"
#include "Oid_qbridge.h"
#include "Oid_singleip.h"
#include "Oid_aaa.h"
#include "Oid_mstp.h"
#include "Oid_dot1xpae.h"
#include "Oid_ipmacbinding.h"
#include "Oid_radius.h"
#include "Oid_ssl.h"
#include "Oid_ssh.h"
#include "Oid_ping.h"
#include "Oid_mld.h"
#include "Oid_protocolvlan.h"
#include "Oid_oam.h"
#include "Oid_erps.h"
#include "Oid_filterunit.h"
#include "Oid_lldp.h"
#include "Oid_timerange.h"
#include "Oid_arpspoofingprevent.h"

void NvCatalogueModule::Startup() {
  if (UseCount++ > 0) return;
  for (const NvCatalogueList& source : Lists) {
    if (source.Pairs)
      source.List->Build(source.Pairs, NvOptionList::IntValues, false);
    else
      source.List->Build(source.TextPairs, NvOptionList::TextValues, false);
  }
  if (StartupExtra) StartupExtra();
}

void NvCatalogueModule::Shutdown() {
  if (UseCount == 0 || --UseCount > 0) return;
  if (ShutdownExtra) ShutdownExtra();
  for (auto source = Lists.rbegin(); source != Lists.rend(); ++source) source->List->Clear();
}

static NvCatalogueModule* const Modules[] = {
    &Oid_device,
    &Oid_agent,
    &Oid_etherlike,
    &Oid_equipment,
    &Oid_ifmib,
    &Oid_syslog,
    &Oid_time,
    &Oid_smtp,
    &Oid_bridge,
    &Oid_poe,
    &Oid_acl,
    &Oid_lacp,
    &Oid_rmonprobe,
    &Oid_snmpv3,
    &Oid_qbridge,
    &Oid_singleip,
    &Oid_aaa,
    &Oid_mstp,
    &Oid_dot1xpae,
    &Oid_ipmacbinding,
    &Oid_radius,
    &Oid_ssl,
    &Oid_ssh,
    &Oid_ping,
    &Oid_mld,
    &Oid_protocolvlan,
    &Oid_oam,
    &Oid_erps,
    &Oid_filterunit,
    &Oid_lldp,
    &Oid_timerange,
    &Oid_arpspoofingprevent
};

std::span<NvCatalogueModule* const> NvCatalogueModules() { return Modules; }

void NvCatalogueStartup() {
  for (NvCatalogueModule* module : Modules) module->Startup();
}

void NvCatalogueShutdown() {
  for (auto module = std::rbegin(Modules); module != std::rend(Modules); ++module) (*module)->Shutdown();
}
