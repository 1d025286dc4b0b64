#include "Dot3pauseformunit.h"

#include "Oid_etherlike.h"

Tdot3PauseForm* dot3PauseForm = nullptr;

namespace {
const NvDot3Member Member{
    Dot3PausePortTable, Dot3PauseCounterTable, 484, 382, {"In Pause Frame", "Out Pause Frame"}, true};
}  // namespace

Tdot3PauseForm::Tdot3PauseForm(TComponent* Owner) : TDot3MacControlDialog(Owner, Member) { Name = "dot3PauseForm"; }
