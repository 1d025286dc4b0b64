// Pause frames per port (dot3PauseTable): the admin and operational pause modes, the pause
// frame counts of the chosen port, and Set for its admin mode.
#pragma once

#include "Dot3Family.h"

class Tdot3PauseForm : public TDot3MacControlDialog {
 public:
  explicit Tdot3PauseForm(TComponent* Owner);
};

// The dialog while its menu command shows it.
extern Tdot3PauseForm* dot3PauseForm;
