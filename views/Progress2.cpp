#include "Progress2.h"

TProgressForm2* ProgressForm2 = nullptr;

TProgressForm2::TProgressForm2(TComponent* AOwner, TForm* parent) : TProgressForm(AOwner, parent) {
  Name = "ProgressForm2";
}
