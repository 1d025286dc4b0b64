// Shows the static VLAN dialog on a simulated switch with VLAN 10 chosen, for a screenshot:
//   scripts/screenshot -o vlan.png -w 4 build/tests/vlan_static_shot
// Ends after ten seconds or on SIGTERM, stopping its switch.
#include <unistd.h>

#include <csignal>

#include <filesystem>

#include "Catalogue.h"
#include "ComCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPSession.h"
#include "SwitchSim.h"
#include "Vlanstaticformunit.h"

namespace {
volatile std::sig_atomic_t ended = 0;
void End(int) { ended = 1; }
}  // namespace

int main() {
  std::signal(SIGTERM, End);
  namespace fs = std::filesystem;
  const fs::path home = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("nv-shot-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::current_path(dir);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  NvSNMPInitSession("");
  fs::current_path(home);
  fs::remove_all(dir);
  NvCatalogueStartup();

  SwitchSim sim;
  NvSNMPDevice::Address = "127.0.0.1";
  NvSNMPDevice::Port = sim.port();
  NvSNMPSecurity::Version = 1;

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
