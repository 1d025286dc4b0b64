// The read-only boxes of the dialogs' layouts: a sunken static text that shows a value, and
// the "Samples" label with the list's row count under it.
#pragma once

#include "FeatureDialog.h"
#include "StdCtrls.h"

// A sunken static text of fixed size on the dialog.
TStaticText* PutValueBox(TFeatureDialog& dialog, const char* name, int left, int top, int width);
// "Samples" at left, top and under it the count box (right-aligned), which becomes the
// dialog's CountBox.
TStaticText* PutSamplesBox(TFeatureDialog& dialog, int left, int top, const char* name = "StaticText1");
