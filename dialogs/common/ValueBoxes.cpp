#include "ValueBoxes.h"

TStaticText* PutValueBox(TFeatureDialog& dialog, const char* name, int left, int top, int width) {
  auto* box = dialog.Put<TStaticText>(&dialog, name, left, top, width, 19);
  box->AutoSize = false;
  box->BorderStyle = sbsSunken;
  return box;
}

TStaticText* PutSamplesBox(TFeatureDialog& dialog, int left, int top, const char* name) {
  dialog.Put<TLabel>(&dialog, "SamplesLabel", left, top, 80, 13, "Samples");
  TStaticText* count = PutValueBox(dialog, name, left, top + 16, 90);
  count->Alignment = taRightJustify;
  dialog.CountBox = count;
  return count;
}
