// An entry pop-up: a small modal window that adds or edits one row for its parent dialog. Its
// controls are bound to the parent's table request, so choosing a row in the parent fills
// them; its Set writes through that request and reads the parent's table again.
//
//   Popup = new TMyEntryEdit(Application, this);     // in the parent's FormCreate
//   FreeWithDialog(Popup);                           // the parent frees it when it closes
//   Table->BindEdits(1, "%s{l32}", Popup->ED_Name);
//   ...
//   void TMyForm::AddBtnClick(TObject*) {            // parent
//     Popup->ED_Name->Text = "";
//     Popup->ShowForAdd("Add Entry");
//   }
//   void TMyEntryEdit::SetBtnClick(TObject*) {        // pop-up
//     WriteThroughParent(Mode == NvEntryMode::Add ? AddSteps : EditSteps);
//   }
#pragma once

#include <span>
#include <string>
#include <vector>

#include "FeatureDialog.h"

enum class NvEntryMode { Add, Edit };

class TEntryPopup : public TFeatureDialog {
 public:
  TEntryPopup(TComponent* AOwner, TFeatureDialog* parent, int width, int height, NvScale scale);

  // Which of the two the pop-up serves while it is shown.
  NvEntryMode Mode = NvEntryMode::Add;
  // The dialog whose request the pop-up writes through and whose status bar shows failures.
  TFeatureDialog* ParentDialog;
  // The row's key controls: usable for Add, disabled for Edit.
  std::vector<TControl*> KeyControls;

  // Caption, key controls enabled, shown modally; the modal result. What the pop-up shows once
  // its OnShow has run is what each bound edit goes back to when a typed value is refused.
  int ShowForAdd(const std::string& caption);
  // Caption, key controls disabled, shown modally; the modal result; as ShowForAdd.
  int ShowForEdit(const std::string& caption);
  // The parent's not-complete guard, the SETs through its table request, its table read
  // again once the switch has answered them (WriteThenReread); the pop-up closes unless an
  // exception was shown in the parent's status bar; outcome, when given, tells which steps the
  // switch does not hold.
  bool WriteThroughParent(std::span<const NvSetStep> steps, const char* notCompleteText = NvDialogText::GetNotComplete,
                          NvSetOutcome* outcome = nullptr);
  // One SET of the pop-up's row through request (the parent's table request, or the pop-up's
  // own with its instance suffix set), values collected from the controls, and the switch's
  // answer waited for; the variables of leftOut are not sent, and are back before anything is
  // read again. A walk of that request under way is stopped and waited for first and the
  // request made active, so the write is never dropped behind a stopped walk. Taken: the
  // parent's table is read again when rereadParent, and the pop-up closes. Refused (reported by
  // the request) or an exception (in the parent's status bar): the pop-up stays open with what
  // was typed, and a walk cut short is read again all the same. Either window closed during the
  // wait: the SET stands, nothing is touched. True when the switch took the write.
  bool WriteAndWait(NvSNMPRequest2Edits* request, const std::vector<int>& leftOut = {}, bool rereadParent = true);

 private:
  int ShowAccepting();
  // Each of the pop-up's edits bound in the parent's requests or its own: its text accepted.
  void AcceptOwnTexts();
};
