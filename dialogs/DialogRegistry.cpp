#include "DialogRegistry.h"

#include "CommandRunner.h"
#include "Cpuethernetinformaitonrule.h"
#include "Cpuethernetinformationformunit.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"
#include "Dot1vprotocolportunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Guestvlanformunit.h"
#include "Nlbfdbformunits.h"
#include "Portcapabilities8021dformunit.h"
#include "Staticfilterformunits.h"
#include "Trafficforwardunit1.h"
#include "Vlancurrenttableformunit.h"
#include "Vlanportinfomationunit.h"
#include "Vlanstaticformunit.h"

void NvRegisterFeatureDialogs() {
  NvRegisterDialogClass<TVlanStaticForm>("TVlanStaticForm", "VlanStaticForm", VlanStaticForm);
  // Access profiles and rules; the two Ethernet profiles have no form global.
  NvRegisterDialog("TEthernetMaskInformationForm",
                   [](TComponent* owner, int) -> TForm* { return new TEthernetMaskInformationForm(owner); });
  NvRegisterDialogClass<TEthernetInformationRuleForm>("TEthernetInformationRuleForm", "EthernetInformationRuleForm",
                                                      EthernetInformationRuleForm);
  NvRegisterDialog("TCPUEthernetInformationForm",
                   [](TComponent* owner, int) -> TForm* { return new TCPUEthernetInformationForm(owner); });
  NvRegisterDialogClass<TCPUEthernetInformationRuleForm>(
      "TCPUEthernetInformationRuleForm", "CPUEthernetInformationRuleForm", CPUEthernetInformationRuleForm);
  NvRegisterDialogClass<TCPUUserMaskInfoForm>("TCPUUserMaskInfoForm", "CPUUserMaskInfoForm", CPUUserMaskInfoForm);
  NvRegisterDialogClass<TCPUUserMaskRuleForm>("TCPUUserMaskRuleForm", "CPUUserMaskRuleForm", CPUUserMaskRuleForm);
  // VLAN tables and forwarding entries; the traffic segmentation dialog has no form global.
  NvRegisterDialogClass<TPortCapabilities8021dForm>("TPortCapabilities8021dForm", "PortCapabilities8021dForm",
                                                    PortCapabilities8021dForm);
  NvRegisterDialog("TTrafficSegmentationForm",
                   [](TComponent* owner, int) -> TForm* { return new TTrafficSegmentationForm(owner); });
  NvRegisterDialogClass<TNLBMulticastFDBForm>("TNLBMulticastFDBForm", "NLBMulticastFDBForm", NLBMulticastFDBForm);
  NvRegisterDialogClass<TNLBUnicastFDBForm>("TNLBUnicastFDBForm", "NLBUnicastFDBForm", NLBUnicastFDBForm);
  NvRegisterDialogClass<TMulticastFilterInformationForm>("TMulticastFilterInformationForm",
                                                         "MulticastFilterInformationForm", MulticastFilterInformationForm);
  NvRegisterDialogClass<TUnicastFilterInformationForm>("TUnicastFilterInformationForm", "UnicastFilterInformationForm",
                                                       UnicastFilterInformationForm);
  NvRegisterDialogClass<TGuestVlanForm>("TGuestVlanForm", "GuestVlanForm", GuestVlanForm);
  NvRegisterDialogClass<Tdot1vProtocolPortForm>("Tdot1vProtocolPortForm", "dot1vProtocolPortForm",
                                                dot1vProtocolPortForm);
  NvRegisterDialogClass<TVLanCurrentTableForm>("TVLanCurrentTableForm", "VLanCurrentTableForm", VLanCurrentTableForm);
  NvRegisterDialogClass<TVLanPortInfomationForm>("TVLanPortInfomationForm", "VLanPortInfomationForm",
                                                 VLanPortInfomationForm);
}

namespace {
// Linked into the program as an object file, so this runs before main builds any window.
const bool registered = (NvRegisterFeatureDialogs(), true);
}  // namespace
