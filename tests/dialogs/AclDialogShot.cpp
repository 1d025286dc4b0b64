// Shows one access profile or rule dialog on a simulated switch with its first row chosen,
// for a screenshot:
//   scripts/screenshot -o eth-rule.png -w 4 build/tests/acl_dialog_shot EthernetRule
// Dialogs: IpMask, CpuIpMask, IpRule, CpuIpRule, EthernetMask, EthernetRule, CpuEthernetMask,
// CpuEthernetRule, CpuPacketContentMask, CpuPacketContentRule, Ipv6Mask, Ipv6Rule,
// PacketContentRule, CpuIpv6Rule. Ends after ten seconds or on SIGTERM, stopping its switch.
#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "AclFamily.h"
#include "Cpuipmaskinformationformunit.h"
#include "Ipmaskinformationformunit.h"
#include "Ipruleunit.h"
#include "Cpuipruleformunit.h"
#include "Catalogue.h"
#include "Cpuethernetinformaitonrule.h"
#include "Cpuethernetinformationformunit.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Cpufilteripv6ruleunit.h"
#include "Ipv6maskinfoformunit.h"
#include "Ipv6ruleinfoformunit.h"
#include "Packetcontentruleunit.h"
#include "GuiTesting.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"

namespace {
volatile std::sig_atomic_t ended = 0;
void End(int) { ended = 1; }

template <class F>
TAclDialogBase* Make() {
  return new F(nullptr);
}
}  // namespace

int main(int argc, char** argv) {
  const std::map<std::string, std::function<TAclDialogBase*()>> dialogs = {
      {"IpMask", Make<TIPMaskInformationForm>},
      {"CpuIpMask", Make<TCPUIPMaskInformationForm>},
      {"IpRule", Make<TIPRuleForm>},
      {"CpuIpRule", Make<TCPUIPRuleForm>},
      {"EthernetMask", Make<TEthernetMaskInformationForm>},
      {"EthernetRule", Make<TEthernetInformationRuleForm>},
      {"CpuEthernetMask", Make<TCPUEthernetInformationForm>},
      {"CpuEthernetRule", Make<TCPUEthernetInformationRuleForm>},
      {"CpuPacketContentMask", Make<TCPUUserMaskInfoForm>},
      {"CpuPacketContentRule", Make<TCPUUserMaskRuleForm>},
      {"Ipv6Mask", Make<TIPv6MaskInfoForm>},
      {"Ipv6Rule", Make<TIpv6RuleForm>},
      {"PacketContentRule", Make<TPacketContentRuleForm>},
      {"CpuIpv6Rule", Make<TCPUFilterIPV6RuleForm>},
  };
  const auto chosen = dialogs.find(argc > 1 ? argv[1] : "");
  if (chosen == dialogs.end()) {
    std::fprintf(stderr, "usage: acl_dialog_shot EthernetMask|EthernetRule|CpuEthernetMask|...\n");
    return 2;
  }
  std::signal(SIGTERM, End);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  StartSessionInScratchFolder("shot");
  NvCatalogueStartup();

  SwitchSim sim;
  PointSessionAt(sim, 1, 100);

  TAclDialogBase* form = chosen->second();
  form->Caption = form->Caption() + ": 127.0.0.1";
  form->Show();
  GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; });
  GuiTesting::ProcessUntil([] { return false; }, 500);  // laid out on the screen
  if (form->List->Items->Count > 0) GuiTesting::UserClickItem(form->List, form->List->Items->Item[0]);
  GuiTesting::ProcessUntil([] { return ended != 0; }, 10000);
  delete form;
  NvCatalogueShutdown();
  return 0;
}
