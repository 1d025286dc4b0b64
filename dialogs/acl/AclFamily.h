// The access profile and rule dialogs of the ACL and of the CPU interface filter: one base
// for what they all do (keys, duplicate keys, the row-status check, a write of one row with
// some columns left out, the own destroy, Refresh), a profile base whose left-out columns
// follow from tables of combo choices and empty edits (an edit being usable exactly while the
// choices write its column), and a rule base whose include boxes
// choose the columns. A member is its layout, its table, its texts, its own checks and the
// order of its steps:
//
//   void TMyProfileForm::AddBtnClick(TObject*) {
//     if (!KeyIsNew() || !RowStatusCreates() || !CheckInput()) return;
//     WriteNewProfile();
//   }
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "DialogChecks.h"
#include "FeatureDialog.h"

class NvVarFlagsScope;
class TStackingPortUitForm;

// The fixed texts of one member; null where the member has no such check.
struct NvAclTexts {
  const char* ProfileKeyMissing = nullptr;
  const char* AccessKeyMissing = nullptr;
  const char* Duplicate = nullptr;
  const char* RowStatus = nullptr;   // the row-status control is not on createAndGo (and ticked)
  const char* EmptyField = nullptr;  // rules: a ticked field is empty
  const char* PermitNotTicked = "Permit option must be checked.";  // rules that need a permit
  const char* NotComplete = NvDialogText::GetNotComplete;  // a read is still running
};

// The five 16-octet windows of the first 80 bytes of a packet, as the packet-content texts
// name them.
inline constexpr const char* NvPacketWindows[5] = {"[0 to 15]", "[16 to 31]", "[32 to 47]", "[48 to 63]", "[64 to 79]"};

// The row-status names the family writes.
namespace NvRowStatusName {
inline constexpr const char* CreateAndGo = "createAndGo";
inline constexpr const char* Destroy = "destroy";
}  // namespace NvRowStatusName

class TAclDialogBase : public TFeatureDialog {
 public:
  // Scaled for the pixel density as scale says (by default not at all); the member sets its
  // own position.
  TAclDialogBase(TComponent* AOwner, int width, int height, const NvAclTexts& texts,
                 NvScale scale = NvScale::Stored);

  // ---- What a member declares ----
  TCustomEdit* ProfileKey = nullptr;
  TCustomEdit* AccessKey = nullptr;  // rules only
  TComboBox* RowStatusBox = nullptr;
  int RowStatusColumn = -1;
  const NvAclTexts& Texts;

  // The member's one request over its table: a walk of every row into List (select-to-edit),
  // blocking or asynchronous, status output panel 0. No walk runs yet.
  NvSNMPRequest2Edits* OpenTable(const NvSNMPVar* table, int indexCount, bool blocking);

  // ---- Steps of the Add, Edit and Delete handlers, in the order each member gives ----
  // An empty key edit: its message, the focus on it, false.
  bool KeysGiven();
  // False, after the duplicate message and the focus on the profile key, when a listed row
  // has the typed key (rules: profile and access key); exact text, the rows read so far.
  bool KeyIsNew();
  // The row-status control on createAndGo (and include, when given, ticked); else its
  // message, the focus on it, false.
  bool RowStatusCreates(TCheckBox* include = nullptr);
  // False, after the not-complete text, while a read runs.
  bool ReadFinished();
  // The edit's text as a whole number (-1 when it is none) within low to high; else message,
  // the focus on it, false.
  static bool NumberInRange(TCustomEdit* edit, int low, int high, const char* message);
  // Exactly the digits of check (its message shown otherwise), the focus on the edit on refusal.
  static bool HexDigitsExact(TCustomEdit* edit, const NvHexCheck& check);

  // One SET of the row the controls hold, with the columns leaveOut marks left out; then
  // the list read again, the idle state and the details cleared. An asynchronous SET's own
  // answer is awaited (bounded by the time-out and retries) before the read, DataComplete
  // being 0 meanwhile. A failure is shown in panel 0; the access words are back on every path.
  bool WriteRow(const std::function<void(NvVarFlagsScope&)>& leaveOut);
  // Row Status = destroy alone for the selected row (no question); then as WriteRow. Refused
  // while a read runs, so no row arriving meanwhile can take the selected row's place.
  bool DestroySelectedRow();
  // Row Status = destroy for the selected row after the question "Are you sure to delete
  // it?"; refused while a read runs, the selected row's own keys addressing the SET. Then,
  // whatever the answer, the list read again, the idle state and the details cleared.
  void ConfirmDestroySelectedRow();

  // ---- Handlers every member has ----
  // The list read again (active again after a Stop, once the stopped walk's last reply has
  // come), the count, the idle state, the details cleared. While a read or write runs: nothing,
  // or with refuseWhileReading the not-complete text.
  void Refresh(bool refuseWhileReading = false);
  // The selected row's caption and first sub-item into the key edits.
  void ShowSelectedKeys();

  // Selects the option of the row-status control, or of combo, by name.
  void ChooseRowStatus(const char* name) { ChooseOption(RowStatusBox, name); }
  static void ChooseOption(TComboBox* combo, const char* name);
  // A control a choice makes usable or unusable: enabled in the window colour, or disabled in
  // the button-face colour.
  static void EnableField(TControl* control, bool enabled);

  // The table's list: a change of its rows runs onChange (RowCountHandler); a change of its
  // choice takes the chosen-row path (ShowChosenRow, ApplyEnablingRules).
  template <class F>
  void DeclareList(TListView* list, void (F::*onChange)(TObject*, TListItem*, TItemChange)) {
    List = list;
    list->OnChange = Handler(static_cast<F*>(this), onChange);
  }

  // ---- Layout ----
  // The right-hand column: "Samples" above the count, then the buttons one under another.
  TStaticText* PutSamples(TWinControl* parent, const char* name, int left, int top);
  static void StackButtons(int left, int top, std::initializer_list<TButton*> buttons);
  // A label and its control on one line: the label at left, the control at controlLeft.
  static void PutField(TLabel* label, TControl* control, int left, int controlLeft, int top);

 protected:
  // A refusal: the message, then the focus on the control when it can take it.
  static bool Refuse(const char* text, TWinControl* focus);
};

// A typed value that is written only when it passes Valid (which shows its own message).
struct NvMaskCheck {
  TCustomEdit* Edit;
  int Column;
  std::function<bool(TCustomEdit*)> Valid;
};

// A port or VLAN mask: the two octets as exactly four hexadecimal digits. Fewer digits or other
// characters would be sent as other octets than the ones typed.
inline constexpr NvHexCheck NvFourDigitMask{4, "Invalid Mask!"};

// ---------------------------------------------------------------------------------------
// Profiles

// The columns from first to last.
std::vector<int> ColumnSpan(int first, int last);

// A choice of a combo box and the columns it leaves out of a new row; "" is no choice.
struct NvChoiceLeavesOut {
  const char* Choice;
  std::vector<int> Columns;
};
// The rules apply in their order; a put-back rule gives the columns of its choice back to
// the write (a column that a later rule leaves out stays out).
struct NvComboRule {
  TComboBox* Combo;
  std::vector<NvChoiceLeavesOut> Choices;
  bool PutsBack = false;
};
// An edit whose column is left out while it is empty, and while the choices leave it out;
// then it is disabled too, so that nothing typed into it is dropped unseen.
struct NvEmptyEditRule {
  TCustomEdit* Edit;
  int Column;
};

// A usage combo: no choice leaves its column out.
NvComboRule UsageRule(TComboBox* combo, int column);
// An address mask state: no choice and "other" leave out the state and both masks; the
// destination-only state the source mask, the source-only state the destination mask.
NvComboRule MaskStateRule(TComboBox* combo, int state, int sourceMask, int destinationMask,
                          const char* destinationOnly, const char* sourceOnly);

class TAclProfileBase : public TAclDialogBase {
 public:
  using TAclDialogBase::TAclDialogBase;

  std::vector<NvComboRule> ComboRules;
  std::vector<NvEmptyEditRule> EmptyEditRules;
  // Combo boxes beyond those of ComboRules whose choices a member's own LeftOutByChoices reads.
  std::vector<TComboBox*> ChoiceCombos;

  // The columns the combo choices leave out; a member whose choices leave out more (by a rule
  // the tables do not state) extends it, so that its edits follow that rule as well.
  virtual std::set<int> LeftOutByChoices() const;
  // Each edit of EmptyEditRules enabled exactly while the choices keep its column: what the
  // user types is written, or cannot be typed. A disabled edit keeps its text for when the
  // choice comes back. Runs after every change of a ruled combo (after the handler the member
  // put there), after a row is shown and after the details are cleared.
  void EnableEditsByChoices();
  // Those and the columns of empty edits; a member with further rules extends it.
  virtual std::set<int> LeftOutColumns() const;
  // Each non-empty mask whose column the choices keep must pass valid (which shows its
  // message); the focus goes to the first that fails.
  bool MasksInUsePass(std::initializer_list<NvEmptyEditRule> masks,
                      const std::function<bool(const std::string&)>& valid) const;
  // WriteRow without the left-out columns.
  bool WriteNewProfile();

  // Both then enable the edits by the choices shown.
  void ClearDetailControls() override;
  void ShowChosenRow(TListItem* row) override;

 private:
  // Each ruled combo's change (OnChange, and OnSelect where the member uses it) runs the
  // member's handler and then EnableEditsByChoices; a handler put there later is wrapped again.
  void FollowChoices();
};

// ---------------------------------------------------------------------------------------
// Rules

// A field with its include box; a rule carries exactly the ticked fields. A box that is
// disabled or hidden counts as unticked, whatever its tick: a write carries only the fields
// the user can see and has chosen.
struct NvIncludeBox {
  TCheckBox* Box;
  int Column;
  TWinControl* Field;
};

class TAclRuleBase : public TAclDialogBase {
 public:
  using TAclDialogBase::TAclDialogBase;

  // In the order the empty-field test walks them.
  std::vector<NvIncludeBox> IncludeBoxes;
  // The checks of ticked fields that are not empty, made within that walk.
  std::vector<NvMaskCheck> FieldChecks;
  TStackingPortUitForm* Picker = nullptr;
  int PortColumn = -1;

  // Check All ticks every usable box; Clear Checks unticks them all, so that no hidden tick is
  // carried into the next rule.
  void TickAll(bool ticked);
  // A ticked field whose control is empty (an edit without text, a combo without a choice):
  // the empty-field text, the focus on it, false. Each ticked field that is not empty must
  // also pass its FieldChecks and valid, when given (which show their own messages), in the
  // same walk.
  bool TickedFieldsFilled(const std::function<bool(const NvIncludeBox&)>& valid = nullptr);
  // Ticked, enabled and shown.
  static bool Counts(const TCheckBox* box);
  bool IsTicked(int column) const;
  // Every unticked column among columns (all include boxes when empty) is left out.
  void LeaveOutUnticked(NvVarFlagsScope& flags, std::initializer_list<int> columns = {}) const;
  bool AnyPortTicked() const;
  // The permit's include box ticked; else the permit text, the focus on focus, false.
  bool PermitTicked(TCheckBox* box, TWinControl* focus);
  // Also unticks the include boxes.
  void ClearDetailControls() override;
  // The chosen rule's keys into the key edits.
  void ShowChosenRow(TListItem* row) override;
  // Edit of the selected rule: destroyed (no question) when the row status is ticked and on
  // destroy; else written again with the columns leaveOut marks left out.
  void RewriteSelectedRule(const std::function<void(NvVarFlagsScope&)>& leaveOut);

  // An include box at left, the label after it and the control at controlLeft, on one line.
  TCheckBox* PutIncludeRow(const char* boxName, const char* label, TControl* control, int left, int controlLeft, int top);
};
