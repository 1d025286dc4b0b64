#include "Dot3controlformunit.h"

#include "Oid_etherlike.h"

Tdot3ControlForm* dot3ControlForm = nullptr;

namespace {
const NvDot3Member Member{Dot3ControlPortTable, Dot3ControlCounterTable, 444, 455, {"Recived Unknown Opcodes"}, false};
}  // namespace

Tdot3ControlForm::Tdot3ControlForm(TComponent* Owner) : TDot3MacControlDialog(Owner, Member) {
  Name = "dot3ControlForm";
}
