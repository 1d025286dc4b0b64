// The base of the dialogs that scale themselves on screens other than 96 pixels per inch and
// send only the variables whose "include" box is checked.
//
//   TMyDialog::TMyDialog(TComponent* AOwner) : TBasicForm(AOwner, 401, 300) {   // stored size
//     ...build the controls...
//     Request = new NvSNMPRequest2Edits(this);
//     Request->Request.Vars = NvSNMPVarList(MyTable, MVT_SV, 1);
//     VarCount = Request->Request.Vars.GetCount();
//     BindEditWithInclude(Request, 0, "%i{n1x4094l4}", EditVid, nullptr);
//     BindWithInclude(Request, 1, ComboState, CB_State);
//   }
//   void TMyDialog::SetClick(TObject*) {
//     ApplyIncludeFlags(Request);
//     Request->Set(true, true);
//     ClearIncludeFlags(Request);
//   }
#pragma once

#include <cstdint>
#include <string>

#include "Forms.h"

class NvSNMPRequest2Edits;
class TCheckBox;
class TComboBox;
class TEdit;
class TList;
class TPanel;
class TStackingPortUitForm;

// Width and height × 1.25 (truncated) when the screen is not at 96 pixels per inch.
void ScaleFormForDpi(TForm* form);

class TBasicForm : public TForm {
 public:
  // width, height: the size of the stored layout, scaled by 1.25 (truncated) when the screen
  // is not at 96 pixels per inch. The form is centred on the main window.
  TBasicForm(TComponent* AOwner, int width, int height);
  ~TBasicForm() override;

  // Puts a port picker on the host panel: units pages of 64 boxes in rows of columns, unit 1
  // shown with the model's ports.
  void CreatePortPicker(TPanel* host, int columns, int units = 12);
  // False with "You must choose at least 1 port!" when no box of unit 1 is checked.
  bool CheckPortSelected();

  // False with a message naming what is missing when the box is checked and the control empty.
  bool CheckRequiredIfChecked(TCheckBox* box, TWinControl* control, const std::string& message);
  bool CheckRequired(TWinControl* control, const std::string& message);

  // Entries of the lists are TControl* (null allowed).
  static void ResetControls(TList* controls);
  static void UncheckAll(TList* controls);
  static void CheckAllEnabled(TList* controls);

  // Bind the control to the variable and register it with its include box, in call order:
  // the k-th registration must be variable k.
  void BindWithInclude(NvSNMPRequest2Edits* binding, int variable, TComboBox* combo, TCheckBox* include);
  void BindEditWithInclude(NvSNMPRequest2Edits* binding, int variable, const std::string& format, TEdit* edit,
                           TCheckBox* include);

  // Leaves out of the next request every non-index variable whose include control (check box
  // or radio button) is not both checked and enabled; ClearIncludeFlags undoes it.
  void ApplyIncludeFlags(NvSNMPRequest2Edits* binding);
  void ClearIncludeFlags(NvSNMPRequest2Edits* binding);

  TList* IncludeControls;  // owned list; the controls are not
  TList* BoundControls;    // owned list; the controls are not
  int32_t VarCount = 0;
  int32_t IndexCount = 0;
  int32_t ExemptVar = 0;   // its include control is never consulted
  std::string PortIndexList;  // "0,1,...,63": port bit k to picker box k
  TStackingPortUitForm* PortPicker = nullptr;  // owned as a component

 protected:
  // Size, scaling and placement left to the derived form.
  explicit TBasicForm(TComponent* AOwner);
};
