#include "DialogRegistry.h"

#include "CommandRunner.h"
#include "Cpuethernetinformaitonrule.h"
#include "Cpuethernetinformationformunit.h"
#include "Cpuusermaskinforunit.h"
#include "Cpuusermaskruleunit.h"
#include "Erpsvlanformunit.h"
#include "Ethernetinformationruleunit.h"
#include "Ethernetmaskinformationformunit.h"
#include "Mainunit.h"
#include "Mstpportinstanceunit.h"
#include "Portmirror.h"
#include "Portsercuritydeleteformunit.h"
#include "Porttrunk.h"
#include "ShellTexts.h"
#include "Spanningtreealgorithmunit.h"
#include "Stpinfo.h"
#include "Vlanstaticformunit.h"

namespace {
// A dialog whose menu command keeps no global pointer to it.
template <class F>
void NvRegisterDialogWithoutGlobal(const std::string& className) {
  NvRegisterDialog(className, [](TComponent* owner, int) -> TForm* { return new F(owner); });
}
}  // namespace

void NvRegisterFeatureDialogs() {
  NvSetStpVersionTextSource([] { return MainForm ? MainForm->ST_Version : nullptr; });
  NvRegisterDialogClass<TVlanStaticForm>("TVlanStaticForm", "VlanStaticForm", VlanStaticForm);
  // Access profiles and rules; the two Ethernet profiles have no form global.
  NvRegisterDialogWithoutGlobal<TEthernetMaskInformationForm>("TEthernetMaskInformationForm");
  NvRegisterDialogClass<TEthernetInformationRuleForm>("TEthernetInformationRuleForm", "EthernetInformationRuleForm",
                                                      EthernetInformationRuleForm);
  NvRegisterDialogWithoutGlobal<TCPUEthernetInformationForm>("TCPUEthernetInformationForm");
  NvRegisterDialogClass<TCPUEthernetInformationRuleForm>(
      "TCPUEthernetInformationRuleForm", "CPUEthernetInformationRuleForm", CPUEthernetInformationRuleForm);
  NvRegisterDialogClass<TCPUUserMaskInfoForm>("TCPUUserMaskInfoForm", "CPUUserMaskInfoForm", CPUUserMaskInfoForm);
  NvRegisterDialogClass<TCPUUserMaskRuleForm>("TCPUUserMaskRuleForm", "CPUUserMaskRuleForm", CPUUserMaskRuleForm);
  NvRegisterDialogWithoutGlobal<TPortTrunkForm>("TPortTrunkForm");
  NvRegisterDialogWithoutGlobal<TPortMirrorForm>("TPortMirrorForm");
  NvRegisterDialogClass<TPrtSecDelCtrlForm>("TPrtSecDelCtrlForm", "PrtSecDelCtrlForm", PrtSecDelCtrlForm);
  NvRegisterDialogClass<TSpanningTreeAlgorithmForm>("TSpanningTreeAlgorithmForm", "SpanningTreeAlgorithmForm",
                                                    SpanningTreeAlgorithmForm);
  NvRegisterDialogClass<TSTP_Info>("TSTP_Info", "STP_Info", STP_Info);
  NvRegisterDialogClass<TMSTPVLANUnitForm>("TMSTPVLANUnitForm", "MSTPVLANUnitForm", MSTPVLANUnitForm);
  NvRegisterDialogClass<TERPSVLANUnitForm>("TERPSVLANUnitForm", "ERPSVLANUnitForm", ERPSVLANUnitForm);
}

namespace {
// Linked into the program as an object file, so this runs before main builds any window.
const bool registered = (NvRegisterFeatureDialogs(), true);
}  // namespace
