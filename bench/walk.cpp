// Walks a 1000-row, 5-column table of switchsim through NvSNMPRequest asynchronously (the
// way the table views read), times Net-SNMP's snmptable -CB (GET-NEXT by row) on the same
// table in the same run, and prints both times and their ratio.
#include <cstdio>
#include <iostream>

#include "BenchTable.h"
#include "GuiTesting.h"
#include "NvSNMPRequest.h"

using namespace bench;

namespace {

struct Walk {
  NvSNMPRequest req;
  int rows = 0;
  bool ended = false;
  int code = 0;

  static void Done(void* data, NvSNMPError* error, NvSNMPVarList*) {
    auto* self = static_cast<Walk*>(data);
    if (error->Finished) {
      self->ended = true;
      self->code = error->Code;
      return;
    }
    ++self->rows;
    bool ok = false;
    self->req.GetAsync(ok, &Walk::Done, self, false);
    if (!ok) self->ended = true;
  }
};

// One asynchronous walk of the table; milliseconds, or a negative value when it failed.
double TimeRequestWalk(int port) {
  Walk walk;
  walk.req.Port = uint16_t(port);
  walk.req.Version = 1;
  walk.req.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  for (int c = 1; c <= kColumns; ++c) {
    const std::string oid = std::string(kTable) + ".1." + std::to_string(c);
    walk.req.Vars.AddVar(oid.c_str(), "column", NvSyntax::integer, NvAccess::readonly, nullptr);
  }
  walk.req.Vars.Kind = MVT_FMV;
  walk.req.Vars.IndexCount = 1;
  const auto start = Clock::now();
  bool ok = false;
  walk.req.GetAsync(ok, &Walk::Done, &walk, true);
  if (!ok || !GuiTesting::ProcessUntil([&] { return walk.ended; }, 120000)) return -1;
  const double ms = MsSince(start);
  if (walk.rows != kRows || walk.code != 0) {
    std::cerr << "walk read " << walk.rows << " rows, code " << walk.code << "\n";
    return -1;
  }
  return ms;
}

}  // namespace

int main() {
  Bench bench("nv-bench-walk");
  if (!bench.Start()) return 1;

  double best = 1e18, bestTable = 1e18;
  for (int round = 0; round < kRounds; ++round) {
    const double ms = TimeRequestWalk(bench.agent.port);
    const double table = bench.TimeSnmptable();
    if (ms < 0 || table < 0) return 1;
    best = std::min(best, ms);
    bestTable = std::min(bestTable, table);
  }

  std::printf("table: %d rows x %d columns (best of %d)\n", kRows, kColumns, kRounds);
  std::printf("NvSNMPRequest asynchronous walk: %.1f ms\n", best);
  std::printf("snmptable -CB:                   %.1f ms\n", bestTable);
  std::printf("ratio: %.2f (target <= 1.5)\n", best / bestTable);
  return 0;
}
