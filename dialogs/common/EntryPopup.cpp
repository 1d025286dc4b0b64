#include "EntryPopup.h"

#include "NvSNMPRequest2Edits.h"

TEntryPopup::TEntryPopup(TComponent* AOwner, TFeatureDialog* parent, int width, int height, NvScale scale)
    : TFeatureDialog(AOwner, width, height, scale), ParentDialog(parent) {
  Position = poOwnerFormCenter;
}

int TEntryPopup::ShowForAdd(const std::string& caption) {
  Mode = NvEntryMode::Add;
  Caption = caption;
  for (TControl* key : KeyControls) key->Enabled = true;
  return ShowModal();
}

int TEntryPopup::ShowForEdit(const std::string& caption) {
  Mode = NvEntryMode::Edit;
  Caption = caption;
  for (TControl* key : KeyControls) key->Enabled = false;
  return ShowModal();
}

bool TEntryPopup::WriteThroughParent(std::span<const NvSetStep> steps, const char* notCompleteText,
                                     NvSetOutcome* outcome) {
  if (!ParentDialog->WriteAllowed(notCompleteText)) return false;
  const bool written = ParentDialog->WriteThenReread(steps, outcome);
  if (written) ModalResult = mrOk;
  return written;
}

bool TEntryPopup::WriteAndWait(NvSNMPRequest2Edits* request, const std::vector<int>& leftOut, bool rereadParent) {
  if (!request) return false;
  bool taken = false;
  ParentDialog->Guarded([&] {
    if (request->Reading()) request->StopAndWait();
    request->Request.Active = 1;
    NvVarFlagsScope flags(request->Request.Vars);
    for (int var : leftOut) flags.ExcludeVar(var);
    taken = request->SetAndWait(true);
  });
  if (!taken) return false;
  if (rereadParent && ParentDialog->Table)
    ParentDialog->Guarded([&] { ParentDialog->StartWalk(ParentDialog->Table); },
                          [&] { ParentDialog->DataComplete = 1; });
  ModalResult = mrOk;
  return true;
}
