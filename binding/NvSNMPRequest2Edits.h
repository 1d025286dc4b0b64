// The request binding that ties its variables to window controls: labels, static texts,
// edits (under value formats), combo boxes, radio groups, check boxes (whole values or single
// bits) and one report list view with a row per table row.
//
//   Req = new NvSNMPRequest2Edits(this);
//   Req->Request.Vars = NvSNMPVarList(VlanTable, MVT_FMV, 1);
//   Req->BindListView(ListView1, true);           // select a row to edit it
//   Req->BindEdits(0, "%i{n1x4094l4}", EditVid);
//   Req->BindControl(2, ComboState);
//   Req->BindControlList(3, MakePortIndexList(), PortPicker->CheckBoxes);
//   Req->Get();
//   ...
//   Req->Set(true, true);                         // collect from the controls, write, re-read
//
// Binding calls take the variable's index in the request's list, which must be filled first.
#pragma once

#include <chrono>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ComCtrls.h"
#include "NvEditConstraint.h"
#include "NvSNMPRequest2Controls.h"

class NvOptionList;
struct NvSNMPVar;
class TCheckBox;
class TComboBox;
class TControl;
class TCustomEdit;
class TLabel;
class TList;
class TRadioGroup;
class TStaticText;

// One bind call: a variable (or a field of its bytes) and the controls that show it.
struct NvSNMPBinding {
  int32_t VarIndex = 0;
  int32_t ByteOffset = 0;          // where the field starts in the value bytes
  int32_t Syntax = 0;              // the field's syntax; the bind calls store the variable's
  NvOptionList* Options = nullptr; // null: the variable's own list
  int32_t ControlCount = 0;
  std::vector<int> BitPositions;   // one per control for check boxes bound to bits
  std::vector<TControl*> Controls; // not owned
};

// An edit that alone shows one bound field: what a check over every typed field walks.
struct NvBoundEdit {
  TCustomEdit* Edit = nullptr;
  const NvSNMPVar* Var = nullptr;                // the variable, its value text as read
  const NvSNMPBinding* Binding = nullptr;
  const _EditConstraint_s* Constraint = nullptr; // null: bound without a value format
};

class NvSNMPRequest2Edits : public NvSNMPRequest2Controls {
 public:
  explicit NvSNMPRequest2Edits(TForm* owner);
  ~NvSNMPRequest2Edits() override;

  void BeforeGet() override;
  void ShowRow() override;
  void CollectValues() override;
  void AfterGet() override;
  void DetachFromWindow() override;
  void ReadEnded() override;
  virtual void OnSelectItem(TObject* Sender, TListItem* Item, bool Selected);

  // Binding.
  void BindListView(TListView* listView, bool selectToEdit);
  void BindLabel(int index, TLabel* label);
  void BindStaticText(int index, TStaticText* text);
  // A combo box (made a drop-down list of the option names) or radio group needs the
  // variable's option list (-520 without one); check boxes and edits are bound as they are.
  void BindControl(int index, TComboBox* combo);
  void BindControl(int index, TRadioGroup* group);
  void BindControl(int index, TCheckBox* box);
  void BindControl(int index, TCustomEdit* edit);
  // One edit per "%s", "%h", "%i", "%u", "%f" or "%n" of the value format, in order.
  void BindEdits(int index, const std::string& format, const std::vector<TCustomEdit*>& edits);
  template <class... More>
  void BindEdits(int index, const std::string& format, TCustomEdit* first, More*... more) {
    BindEdits(index, format, std::vector<TCustomEdit*>{first, more...});
  }
  void BindEditChecked(int index, const std::string& format, TCustomEdit* edit, NvEditCheckCallback check);
  // positions: ","-separated bit positions, the k-th for the k-th box; at most eight boxes.
  void BindCheckBoxes(int index, const std::string& positions, std::initializer_list<TCheckBox*> boxes);
  // The same for any number of check boxes taken from the list in order.
  void BindControlList(int index, const std::string& positions, TList* boxes);
  void Unbind(int index);
  void SetConstraintOwner(TForm* owner);
  // Every edit bound alone to a field, in binding order; read-only.
  std::vector<NvBoundEdit> BoundEdits() const;

  // Moving values; which is a variable index or -1 for all.
  void ValuesToControls(int which);
  void ControlsToValues(int which);
  void AddListRow();
  void ReadSelectedRow();
  void BuildColumns();
  void EnableControls(bool enabled);

  TLVSelectItemEvent SavedSelectItem;
  // Runs after every change of the bound list's choice, once the bound controls show the
  // chosen row (or, with none chosen, after the list's own handler): mouse, keys, the
  // program, and a walk that empties the list under a chosen row alike.
  std::function<void()> RowChosenHandler;
  // Every constrained edit's text as it stands becomes the one a refused entry goes back to.
  void AcceptShownTexts();
  TListView* ListView = nullptr;
  std::vector<std::unique_ptr<NvSNMPBinding>> Bindings;
  std::unique_ptr<NvEditConstraint> Constraint;
  uint8_t SelectToEdit = 1;
  // The ports of the managed model. A port list typed where no value gives the bitmap's
  // length (a row being added) covers at least this many ports; 0: only the typed ones.
  int32_t FallbackPortCount = 0;

 private:
  // A walk's rows go into the list with its painting held, shown in batches.
  void HoldListPaint();
  void ReleaseListPaint();
  NvSNMPBinding& AddBinding(int index, std::vector<TControl*> controls, std::vector<int> positions = {});
  void BindBits(int index, const std::string& positions, const std::vector<TCheckBox*>& boxes);
  void ShowBinding(const NvSNMPBinding& binding);
  // The bytes of the variable's value text; none for an empty or unreadable one.
  static std::vector<unsigned char> ValueBytes(const NvSNMPVar& var);
  // The field's new bytes from the binding's controls, given the value's bytes so far; false
  // leaves the value as it is. noValue: the value read was a marker of the access layer,
  // which its controls show empty.
  bool CollectBinding(const NvSNMPBinding& binding, const std::vector<unsigned char>& current, bool noValue,
                      std::vector<unsigned char>& field);
  // The bytes ControlsToValues starts the variable from.
  std::vector<unsigned char> StartBytes(int index) const;
  // Variable indexes in column order: hidden ones, then visible ones, as when the columns
  // were built.
  std::vector<int> ColumnOrder() const;
  // The same by the variables' flags now.
  std::vector<int> CurrentOrder() const;
  // A zero bitmap as long as the variable's port bitmaps are: its current value, its value
  // from before collecting, the other list rows' values, else enough for the typed ports
  // and the model's.
  std::string PortBitmapTemplate(int index, const std::string& typed) const;
  // The bitmap of a typed port list; throws when the list names no valid ports.
  std::string TypedPortBitmap(int index, const std::string& typed) const;

  // The values from before CollectValues emptied them: a port list typed into an edit takes
  // its number of ports from there.
  std::vector<std::string> collectedFrom_;
  // The variable of each list column, fixed when the columns are built.
  std::vector<int> builtOrder_;
  bool listHeld_ = false;
  std::chrono::steady_clock::time_point heldSince_;
};
