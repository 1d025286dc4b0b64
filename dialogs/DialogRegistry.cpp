#include "DialogRegistry.h"

#include "CommandRunner.h"
#include "Cpuethernetinformaitonrule.h"
#include "Cpuethernetinformationformunit.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Cosbrandctrltable.h"
#include "Dot3controlformunit.h"
#include "Dot3pauseformunit.h"
#include "Vlanstaticformunit.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldpdot3linkaggtable.h"
#include "Lldpdot3remotelinkaggtable.h"
#include "Lldplocalsysdatatable.h"
#include "Lldpportconfigtable.h"
#include "Lldpremotetable.h"

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
  NvRegisterDialogClass<TLLDPConfigProtocolForm>("TLLDPConfigProtocolForm", "LLDPConfigProtocolForm",
                                                 LLDPConfigProtocolForm);
  NvRegisterDialogClass<TLLDPConfigProtocolVLANForm>("TLLDPConfigProtocolVLANForm", "LLDPConfigProtocolVLANForm",
                                                     LLDPConfigProtocolVLANForm);
  NvRegisterDialogClass<TLLDPConfigVLANNameForm>("TLLDPConfigVLANNameForm", "LLDPConfigVLANNameForm",
                                                 LLDPConfigVLANNameForm);
  NvRegisterDialogClass<TLLDPPortConfigForm>("TLLDPPortConfigForm", "LLDPPortConfigForm", LLDPPortConfigForm);
  NvRegisterDialogClass<TLLDPDot3PortConfigForm>("TLLDPDot3PortConfigForm", "LLDPDot3PortConfigForm",
                                                 LLDPDot3PortConfigForm);
  NvRegisterDialogClass<TLLDPLocSysDataForm>("TLLDPLocSysDataForm", "LLDPLocSysDataForm", LLDPLocSysDataForm);
  NvRegisterDialogClass<TLLDPRemoteForm>("TLLDPRemoteForm", "LLDPRemoteForm", LLDPRemoteForm);
  NvRegisterDialogClass<TLLDPDot3LinkAggForm>("TLLDPDot3LinkAggForm", "LLDPDot3LinkAggForm", LLDPDot3LinkAggForm);
  NvRegisterDialogClass<TLLDPDot3RemoteLinkAggForm>("TLLDPDot3RemoteLinkAggForm", "LLDPDot3RemoteLinkAggForm",
                                                    LLDPDot3RemoteLinkAggForm);
  NvRegisterDialogClass<TCoSBrandwidthctrlForm>("TCoSBrandwidthctrlForm", "CoSBrandwidthctrlForm",
                                                CoSBrandwidthctrlForm);
  NvRegisterDialogClass<Tdot3PauseForm>("Tdot3PauseForm", "dot3PauseForm", dot3PauseForm);
  NvRegisterDialogClass<Tdot3ControlForm>("Tdot3ControlForm", "dot3ControlForm", dot3ControlForm);
}

namespace {
// Linked into the program as an object file, so this runs before main builds any window.
const bool registered = (NvRegisterFeatureDialogs(), true);
}  // namespace
