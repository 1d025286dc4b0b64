// The progress window with its end step kept in a field (see Progress.h).
#pragma once

#include <cstdint>

#include "Progress.h"

class TProgressForm2 : public TProgressForm {
 public:
  TProgressForm2(TComponent* AOwner, TForm* parent);

  int32_t EndStepField = 30;

 protected:
  int EndStep() const override { return EndStepField; }
};

extern TProgressForm2* ProgressForm2;
