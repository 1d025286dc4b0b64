#include "EntryPopup.h"

#include "NvEditConstraint.h"
#include "NvSNMPRequest2Edits.h"
#include "StdCtrls.h"

TEntryPopup::TEntryPopup(TComponent* AOwner, TFeatureDialog* parent, int width, int height, NvScale scale)
    : TFeatureDialog(AOwner, width, height, scale), ParentDialog(parent) {
  Position = poOwnerFormCenter;
}

int TEntryPopup::ShowForAdd(const std::string& caption) {
  Mode = NvEntryMode::Add;
  Caption = caption;
  for (TControl* key : KeyControls) key->Enabled = true;
  return ShowAccepting();
}

int TEntryPopup::ShowForEdit(const std::string& caption) {
  Mode = NvEntryMode::Edit;
  Caption = caption;
  for (TControl* key : KeyControls) key->Enabled = false;
  return ShowAccepting();
}

int TEntryPopup::ShowAccepting() {
  // The pop-up's own OnShow fills it first; what it then shows is what a refused entry goes
  // back to, never what a row chosen earlier left as the edits' accepted texts.
  const TNotifyEvent own = OnShow;
  struct Restore {
    TEntryPopup* popup;
    TNotifyEvent own;
    ~Restore() { popup->OnShow = own; }
  } restore{this, own};
  OnShow = [this, own](TObject* sender) {
    if (own) own(sender);
    AcceptOwnTexts();
  };
  return ShowModal();
}

void TEntryPopup::AcceptOwnTexts() {
  std::vector<NvSNMPRequest2Controls*> requests = ParentDialog->Requests();
  requests.insert(requests.end(), Requests().begin(), Requests().end());
  for (NvSNMPRequest2Controls* request : requests) {
    auto* edits = dynamic_cast<NvSNMPRequest2Edits*>(request);
    if (!edits) continue;
    for (int i = 0; i < ComponentCount; ++i)
      if (auto* edit = dynamic_cast<TCustomEdit*>(GetComponent(i)); edit && edits->Constraint->FindConstraint(edit))
        edits->Constraint->SaveAcceptedText(edit);
  }
}

bool TEntryPopup::WriteThroughParent(std::span<const NvSetStep> steps, const char* notCompleteText,
                                     NvSetOutcome* outcome) {
  if (!ParentDialog->WriteAllowed(notCompleteText)) return false;
  const bool written = ParentDialog->WriteThenReread(steps, outcome);
  if (written) ModalResult = mrOk;
  return written;
}

bool TEntryPopup::WriteAndWait(NvSNMPRequest2Edits* request, const std::vector<int>& leftOut, bool rereadParent) {
  if (!request || ParentDialog->Closed()) return false;
  const std::shared_ptr<const bool> binding = request->Lifetime();
  const std::shared_ptr<const bool> parent = ParentDialog->Lifetime();
  const std::shared_ptr<const bool> popup = Lifetime();
  const auto closed = [&] { return !*parent || !*popup || !*binding || ParentDialog->Closed(); };
  // A walk cut short for the write is read again whatever the switch answers.
  const bool walkCut = request->Reading();
  bool taken = false;
  ParentDialog->Guarded([&] {
    if (walkCut) request->StopAndWait();
    if (closed()) return;
    // Declared before the left-out columns: no read runs until they are back.
    NvSNMPRequest2Controls::ReadsHeld held(request);
    request->Request.Active = 1;
    NvVarFlagsScope flags(request->Request.Vars);
    for (int var : leftOut) flags.ExcludeVar(var);
    taken = request->SetAndWait(true);
    if (!*binding) flags.Abandon();
  });
  // Closed while the SET waited: it stands, and neither window is touched again.
  if (closed()) return false;
  if ((taken || walkCut) && rereadParent && ParentDialog->Table)
    ParentDialog->Guarded([&] { ParentDialog->StartWalk(ParentDialog->Table); },
                          [&] { ParentDialog->DataComplete = 1; });
  if (!taken) return false;
  ModalResult = mrOk;
  return true;
}
