// Shows one of the LLDP, dot3 or CoS dialogs on a simulated switch, its first row chosen, for
// a screenshot:
//   scripts/screenshot -o lldp.png -w 4 build/tests/lldp_dot3_cos_shot TLLDPPortConfigForm
// Ends after ten seconds or on SIGTERM, stopping its switch.
#include <csignal>
#include <functional>
#include <iostream>
#include <map>
#include <string>

#include "Catalogue.h"
#include "ComCtrls.h"
#include "Cosbrandctrltable.h"
#include "Dot3controlformunit.h"
#include "Dot3pauseformunit.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "Lldpdot3linkaggtable.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldpdot3remotelinkaggtable.h"
#include "Lldplocalsysdatatable.h"
#include "Lldpportconfigtable.h"
#include "Lldpremotetable.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"

namespace {
volatile std::sig_atomic_t ended = 0;
void End(int) { ended = 1; }

template <class F>
std::function<TFeatureDialog*()> Make() {
  return [] { return new F(nullptr); };
}
}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, std::pair<std::string, std::function<TFeatureDialog*()>>> dialogs = {
      {"TLLDPPortConfigForm", {"Port Configuration Table", Make<TLLDPPortConfigForm>()}},
      {"TLLDPDot3PortConfigForm", {"LLDP Dot3 Port Configuration Table", Make<TLLDPDot3PortConfigForm>()}},
      {"TLLDPConfigProtocolForm", {"Configuration Protocol Table", Make<TLLDPConfigProtocolForm>()}},
      {"TLLDPConfigProtocolVLANForm", {"Configuration Protocol VLAN  Table", Make<TLLDPConfigProtocolVLANForm>()}},
      {"TLLDPConfigVLANNameForm", {"Configuration VLAN Name Table", Make<TLLDPConfigVLANNameForm>()}},
      {"TLLDPLocSysDataForm", {"Local System Data", Make<TLLDPLocSysDataForm>()}},
      {"TLLDPRemoteForm", {"LLDP Remote Table", Make<TLLDPRemoteForm>()}},
      {"TLLDPDot3LinkAggForm", {"Local Link Aggregation Table", Make<TLLDPDot3LinkAggForm>()}},
      {"TLLDPDot3RemoteLinkAggForm", {"Remote Link Aggregation Table", Make<TLLDPDot3RemoteLinkAggForm>()}},
      {"Tdot3PauseForm", {"Dot3 Pause Table", Make<Tdot3PauseForm>()}},
      {"Tdot3ControlForm", {"Dot3 Control Table", Make<Tdot3ControlForm>()}},
      {"TCoSBrandwidthctrlForm", {"CoS Bandwidth Control Table", Make<TCoSBrandwidthctrlForm>()}},
  };
  const auto chosen = argc > 1 ? dialogs.find(argv[1]) : dialogs.end();
  if (chosen == dialogs.end()) {
    std::cerr << "usage: lldp_dot3_cos_shot CLASS [ROW]\n";
    return 2;
  }
  const int row = argc > 2 ? std::stoi(argv[2]) : 0;
  std::signal(SIGTERM, End);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  StartSessionInScratchFolder("shot");
  NvCatalogueStartup();

  SwitchSim sim;
  PointSessionAt(sim, 1, 100);

  TFeatureDialog* form = chosen->second.second();
  form->Caption = chosen->second.first + ": 127.0.0.1";
  form->Show();
  GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; });
  // Chosen without a click, which would scroll a wide list sideways to the row's middle.
  if (form->List && form->List->Items->Count > row) form->List->Items->Item[row]->Selected = true;
  GuiTesting::ProcessUntil([] { return ended != 0; }, 10000);
  delete form;
  NvCatalogueShutdown();
  return 0;
}
