// Opens a generic view on a simulated switch and leaves it open, for screenshots:
//   scripts/screenshot -o editor.png build/tests/views_showcase editor
//   (editor | table | add: the table view with its Add pop-up)
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Forms.h"
#include "GuiTesting.h"
#include "Guiconfigform.h"
#include "NvOptionList.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPSession.h"
#include "SwitchSim.h"

namespace {

const NvOptionPair kStateNames[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const NvOptionPair kRowStatusNames[] = {{1, "active"},      {2, "notInService"}, {3, "notReady"},
                                        {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                        {0, nullptr}};
const std::string kScalars = "1.3.6.1.4.1.32473.999.30";
const std::string kTable = "1.3.6.1.4.1.32473.999.31.1";

// Ended by a signal, the simulated switch of this process group goes too.
void EndGroup(int) {
  signal(SIGTERM, SIG_DFL);
  kill(0, SIGTERM);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "editor";
  setpgid(0, 0);
  signal(SIGTERM, EndGroup);
  Application->SetCommandLine(argc, argv);
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("nv-showcase-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::current_path(dir);
  NvSNMPInitSession("");
  SwitchSim sim;
  NvOptionList states(kStateNames), rowStatus(kRowStatusNames);

  auto* form = new TConfigForm(Application);
  auto* binding = new NvSNMPRequest2Edits(form);
  binding->Request.Port = sim.port();
  binding->Request.Version = 1;
  NvSNMPVarList& vars = binding->Request.Vars;
  TSNMPListViewPanel* table = nullptr;
  if (what == "editor") {
    vars.AddVar((kScalars + ".1").c_str(), "Admin State", NvSyntax::integer, NvAccess::readwrite, &states);
    vars.AddVar((kScalars + ".2").c_str(), "System Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
    vars.AddVar((kScalars + ".3").c_str(), "Management Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr);
    vars.AddVar((kScalars + ".4").c_str(), "Poll Interval (sec)", NvSyntax::integer, NvAccess::readwrite, nullptr);
    vars.AddVar((kScalars + ".5").c_str(), "Packets Counted", NvSyntax::counter, NvAccess::readonly, nullptr);
    vars.AddVar((kScalars + ".6").c_str(), "Member Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
    vars.Caption = "Scalars";
    TSNMPEditorPanel* editor = form->MakeEditorForm(binding);
    editor->SetVarFormat(3, "%i{n1x65535l5}");
    editor->EditsPanel->SetOctetItem(5, 14, 28);
    form->Caption = "Switch Settings: 127.0.0.1";
  } else {
    vars.AddVar(" ", "Entry Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
    vars.AddVar((kTable + ".2").c_str(), "Entry Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
    vars.AddVar((kTable + ".3").c_str(), "Member Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
    vars.AddVar((kTable + ".4").c_str(), "Row Status", NvSyntax::integer, NvAccess::readwrite, &rowStatus);
    vars.Kind = MVT_FMV;
    vars.IndexCount = 1;
    vars.Caption = "Entries";
    table = form->MakeListViewForm(binding, 3, "createAndGo", 3, "destroy");
    form->Caption = "Entry Table: 127.0.0.1";
  }
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    if (what != "add" || &shown != form) return;
    GuiTesting::ProcessUntil([&] { return !binding->Busy && table->ListPanel->ListView->Items->Count > 0; });
    GuiTesting::UserClick(table->CtrlBtnPanel->AddBtn);
  });
  form->ShowModal();
  delete form;
  fs::current_path("/");
  fs::remove_all(dir);
  return 0;
}
