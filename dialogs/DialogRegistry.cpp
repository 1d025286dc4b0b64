#include "DialogRegistry.h"

#include "CommandRunner.h"
#include "Cpuethernetinformaitonrule.h"
#include "Cpuethernetinformationformunit.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
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
}

namespace {
// Linked into the program as an object file, so this runs before main builds any window.
const bool registered = (NvRegisterFeatureDialogs(), true);
}  // namespace
