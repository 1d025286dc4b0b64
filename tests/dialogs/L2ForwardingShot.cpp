// Shows one forwarding-table dialog on a simulated switch through its menu item, with the row
// of the given caption chosen, for a screenshot:
//   scripts/screenshot -o nlb.png -w 4 build/tests/l2_forwarding_shot NLBMulticastFDBSettings1 10
// Ends after ten seconds or on SIGTERM, stopping its switch.
#include <csignal>
#include <string>

#include "Catalogue.h"
#include "CommandRunner.h"
#include "ComCtrls.h"
#include "DialogRegistry.h"
#include "FeatureDialog.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "Startup.h"
#include "SwitchSim.h"

namespace {
volatile std::sig_atomic_t ended = 0;
void End(int) { ended = 1; }
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::signal(SIGTERM, End);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  StartSessionInScratchFolder("shot");
  NvCatalogueStartup();
  SwitchSim sim;
  PointSessionAt(sim, 1, 100);
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand(argv[1]);
  if (!command) return 2;
  const std::string row = argc > 2 ? argv[2] : "";

  TForm mainWindow(nullptr);
  mainWindow.SetBounds(0, 0, 1000, 700);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    auto* form = dynamic_cast<TFeatureDialog*>(&shown);
    if (!form) return;
    GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; });
    TListView* list = form->List;
    for (int i = 0; list && i < list->Items->Count; ++i)
      if (list->Items->Item[i]->Caption == row) GuiTesting::UserClickItem(list, list->Items->Item[i]);
    GuiTesting::ProcessUntil([] { return ended != 0; }, 10000);
    form->Close();
  });
  NvRunMenuCommand(*command, host);
  NvCatalogueShutdown();
  return 0;
}
