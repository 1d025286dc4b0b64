// Shows the static VLAN dialog on a simulated switch with VLAN 10 chosen, for a screenshot:
//   scripts/screenshot -o vlan.png -w 4 build/tests/vlan_static_shot
// Ends after ten seconds or on SIGTERM, stopping its switch.
#include <csignal>

#include "Catalogue.h"
#include "ComCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"
#include "Vlanstaticformunit.h"

namespace {
volatile std::sig_atomic_t ended = 0;
void End(int) { ended = 1; }
}  // namespace

int main() {
  std::signal(SIGTERM, End);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  StartSessionInScratchFolder("shot");
  NvCatalogueStartup();

  SwitchSim sim;
  PointSessionAt(sim, 1, 100);

  auto* form = new TVlanStaticForm(nullptr);
  form->Caption = "VLAN Static: 127.0.0.1";
  form->Show();
  GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; });
  TListView* list = form->LV_dot1qVlanStaticEntry;
  for (int i = 0; i < list->Items->Count; ++i)
    if (list->Items->Item[i]->Caption == "10") GuiTesting::UserClickItem(list, list->Items->Item[i]);
  GuiTesting::ProcessUntil([] { return ended != 0; }, 10000);
  delete form;
  NvCatalogueShutdown();
  return 0;
}
