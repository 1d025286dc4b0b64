// Opens the generic table view on a 1000-row, 5-column table of switchsim and times it from
// the call that shows it until every row is in its list; times Net-SNMP's snmptable -CB on
// the same table in the same run, and prints both times and their ratio.
#include <cstdio>

#include "BenchTable.h"
#include "Guiconfigform.h"
#include "GuiTesting.h"
#include "NvSNMPRequest2Edits.h"

using namespace bench;

namespace {

// One view, shown modally and closed once its list holds every row; milliseconds, or a
// negative value when the rows did not all come.
double TimeTableView(int port) {
  auto* form = new TConfigForm(Application);
  auto* binding = new NvSNMPRequest2Edits(form);
  NvSNMPRequest& request = binding->Request;
  request.Port = uint16_t(port);
  request.Version = 1;
  request.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  for (int c = 1; c <= kColumns; ++c) {
    const std::string oid = std::string(kTable) + ".1." + std::to_string(c);
    request.Vars.AddVar(oid.c_str(), ("Column " + std::to_string(c)).c_str(), NvSyntax::integer, NvAccess::readonly,
                        nullptr);
  }
  request.Vars.Kind = MVT_FMV;
  request.Vars.IndexCount = 1;
  request.Vars.Caption = "Bench";
  TSNMPListViewPanel* view = form->MakeListViewForm(binding, -1, nullptr, -1, nullptr);
  TListView* list = view->ListPanel->ListView;

  double ms = -1;
  Clock::time_point start;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    if (GuiTesting::ProcessUntil([&] { return !binding->Busy && list->Items->Count >= kRows; }, 120000))
      ms = MsSince(start);
    shown.Close();
  });
  start = Clock::now();
  form->ShowModal();
  const int rows = list->Items->Count;
  delete form;
  if (rows != kRows) {
    std::fprintf(stderr, "the view shows %d rows\n", rows);
    return -1;
  }
  return ms;
}

}  // namespace

int main() {
  Bench bench("nv-bench-tableview");
  if (!bench.Start()) return 1;

  double best = 1e18, bestTable = 1e18;
  for (int round = 0; round < kRounds; ++round) {
    const double ms = TimeTableView(bench.agent.port);
    const double table = bench.TimeSnmptable();
    if (ms < 0 || table < 0) return 1;
    best = std::min(best, ms);
    bestTable = std::min(bestTable, table);
  }

  std::printf("table: %d rows x %d columns (best of %d)\n", kRows, kColumns, kRounds);
  std::printf("generic table view, shown until every row is listed: %.1f ms\n", best);
  std::printf("snmptable -CB:                                       %.1f ms\n", bestTable);
  std::printf("ratio: %.2f (target <= 2)\n", best / bestTable);
  return 0;
}
