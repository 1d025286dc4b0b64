// Shows one of the port management, spanning tree or VLAN-map dialogs on a simulated switch,
// with a row chosen where it lists rows, for a screenshot:
//   scripts/screenshot -o trunk.png -w 4 build/tests/l2_dialogs_shot TPortTrunkForm
// Ends after ten seconds or on SIGTERM, stopping its switch.
#include <csignal>
#include <functional>
#include <map>
#include <string>

#include "Catalogue.h"
#include "ComCtrls.h"
#include "Erpsvlanformunit.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "Mstpportinstanceunit.h"
#include "NvSNMPSession.h"
#include "Portmirror.h"
#include "Portsercuritydeleteformunit.h"
#include "Porttrunk.h"
#include "SessionSupport.h"
#include "Spanningtreealgorithmunit.h"
#include "Stpinfo.h"
#include "SwitchSim.h"

namespace {
volatile std::sig_atomic_t ended = 0;
void End(int) { ended = 1; }

struct Shot {
  std::function<TFeatureDialog*()> make;
  const char* caption;
  std::function<TListView*(TFeatureDialog*)> list;  // the list whose second row is chosen
};
}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGTERM, End);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  StartSessionInScratchFolder("shot");
  NvCatalogueStartup();
  SwitchSim sim;
  PointSessionAt(sim, 1, 100);

  const std::map<std::string, Shot> shots = {
      {"TPortTrunkForm", {[] { return new TPortTrunkForm(nullptr); }, "Port Trunk: 127.0.0.1", [](TFeatureDialog* f) { return static_cast<TPortTrunkForm*>(f)->LV_PortTrunk; }}},
      {"TPortMirrorForm", {[] { return new TPortMirrorForm(nullptr); }, "Port Mirror: 127.0.0.1", nullptr}},
      {"TPrtSecDelCtrlForm", {[] { return new TPrtSecDelCtrlForm(nullptr); }, "Port Security Delete: 127.0.0.1", nullptr}},
      {"TSpanningTreeAlgorithmForm", {[] { return new TSpanningTreeAlgorithmForm(nullptr); }, "Spanning Tree Algorithm: 127.0.0.1", nullptr}},
      {"TSTP_Info", {[] { return new TSTP_Info(nullptr); }, "STP Control: 127.0.0.1", nullptr}},
      {"TMSTPVLANUnitForm", {[] { return new TMSTPVLANUnitForm(nullptr); }, "MSTP Instance Control: 127.0.0.1", [](TFeatureDialog* f) { return static_cast<TMSTPVLANUnitForm*>(f)->ListView1; }}},
      {"TERPSVLANUnitForm", {[] { return new TERPSVLANUnitForm(nullptr); }, "ERPS VLAN Table: 127.0.0.1", [](TFeatureDialog* f) { return static_cast<TERPSVLANUnitForm*>(f)->ListView1; }}},
  };
  const auto shot = shots.find(argc > 1 ? argv[1] : "");
  if (shot == shots.end()) return 2;
  TFeatureDialog* form = shot->second.make();
  form->Caption = shot->second.caption;
  form->Show();
  GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; });
  GuiTesting::ProcessUntil([] { return false; }, 500);
  if (shot->second.list) {
    TListView* list = shot->second.list(form);
    const int row = list->Items->Count > 1 ? 1 : 0;
    if (list->Items->Count > 0) GuiTesting::UserClickItem(list, list->Items->Item[row]);
  }
  GuiTesting::ProcessUntil([] { return ended != 0; }, 10000);
  delete form;
  NvCatalogueShutdown();
  return 0;
}
