// MAC control per port (dot3ControlTable): the functions a port supports and its count of
// frames with an unknown opcode. Nothing is written.
#pragma once

#include "Dot3Family.h"

class Tdot3ControlForm : public TDot3MacControlDialog {
 public:
  explicit Tdot3ControlForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern Tdot3ControlForm* dot3ControlForm;
