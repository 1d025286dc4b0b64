#include "AclFamily.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <utility>

#include "DialogChecks.h"
#include "DialogNumbers.h"
#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "PartialSet.h"
#include "StackingPortUitForm.h"
#include "TickRows.h"

TAclDialogBase::TAclDialogBase(TComponent* AOwner, int width, int height, const NvAclTexts& texts, NvScale scale)
    : TFeatureDialog(AOwner, width, height, scale), Texts(texts) {}

NvSNMPRequest2Edits* TAclDialogBase::OpenTable(const NvSNMPVar* table, int indexCount, bool blocking) {
  Table = AddRequest(table, MVT_UMV, indexCount);
  if (blocking)
    Table->Asynchronous = 0;
  else
    TrackWalks(Table);
  Table->BindListView(List, true);
  DataComplete = 1;
  return Table;
}

// ---------------------------------------------------------------------------------------
// Steps

bool TAclDialogBase::Refuse(const char* text, TWinControl* focus) {
  ShowMessage(text ? text : "");
  if (focus && focus->CanFocus()) focus->SetFocus();
  return false;
}

bool TAclDialogBase::KeysGiven() {
  if (ProfileKey && ProfileKey->Text().empty()) return Refuse(Texts.ProfileKeyMissing, ProfileKey);
  if (AccessKey && AccessKey->Text().empty()) return Refuse(Texts.AccessKeyMissing, AccessKey);
  return true;
}

bool TAclDialogBase::KeyIsNew() {
  const std::string profile = ProfileKey->Text;
  const std::string access = AccessKey ? AccessKey->Text() : std::string();
  for (int i = 0; i < List->Items->Count; ++i) {
    TListItem* row = List->Items->Item[i];
    if (row->Caption() != profile) continue;
    if (AccessKey && (row->SubItems->Count == 0 || row->SubItems->Get(0) != access)) continue;
    return Refuse(Texts.Duplicate, ProfileKey);
  }
  return true;
}

bool TAclDialogBase::RowStatusCreates(TCheckBox* include) {
  const bool creates = RowStatusBox->Text() == NvRowStatusName::CreateAndGo;
  if (creates && (!include || include->Checked)) return true;
  return Refuse(Texts.RowStatus, RowStatusBox);
}

bool TAclDialogBase::ReadFinished() { return WriteAllowed(Texts.NotComplete); }

bool TAclDialogBase::NumberInRange(TCustomEdit* edit, int low, int high, const char* message) {
  return NumberInRangeTyped(edit, low, high, message);
}

bool TAclDialogBase::HexDigitsExact(TCustomEdit* edit, const NvHexCheck& check) {
  if (IsValidHexString(edit->Text, check)) return true;
  if (edit->CanFocus()) edit->SetFocus();
  return false;
}

void TAclDialogBase::ChooseOption(TComboBox* combo, const char* name) { combo->ItemIndex = combo->Items->IndexOf(name); }

void TAclDialogBase::EnableField(TControl* control, bool enabled) {
  control->Enabled = enabled;
  control->Color = enabled ? clWindow : clBtnFace;
}

// ---------------------------------------------------------------------------------------
// Writes

bool TAclDialogBase::WriteRow(const std::function<void(NvVarFlagsScope&)>& leaveOut) {
  if (!Table || !ReadFinished()) return false;
  NvSNMPRequest2Edits* table = Table;
  const std::shared_ptr<const bool> alive = table->Lifetime();
  DataComplete = 0;
  const bool written = Guarded([&] {
    // Declared before the left-out columns: a Refresh during the wait reads after they are back.
    NvSNMPRequest2Controls::ReadsHeld held(table);
    NvVarFlagsScope flags(table->Request.Vars);
    leaveOut(flags);
    table->Request.Active = 1;
    // The SET's own answer, not a read's, ends the wait.
    table->SetAndWait(true);
    if (!*alive) flags.Abandon();
  });
  if (!*alive || Table != table) return false;  // the window closed meanwhile
  // A read asked for during the wait has started now; its end completes the data.
  if (!table->Reading() && !table->ReadWaiting()) DataComplete = 1;
  // After a failure the message stays in the status bar: no read overwrites it.
  if (written) {
    Refresh();
  } else {
    IdleButtons();
    ClearDetailControls();
  }
  return written;
}

bool TAclDialogBase::DestroySelectedRow() {
  if (!List->Selected() || !ReadFinished()) return false;
  ShowSelectedKeys();
  ChooseRowStatus(NvRowStatusName::Destroy);
  return WriteRow([&](NvVarFlagsScope& flags) { flags.ExcludeAllBut({RowStatusColumn}); });
}

void TAclDialogBase::ConfirmDestroySelectedRow() {
  if (!List->Selected() || !ReadFinished()) return;
  if (!ConfirmDeleteSelectedRow(RowStatusColumn, NvRowStatusName::Destroy)) return;  // closed meanwhile
  if (DataComplete == 1) {
    Refresh();
  } else {  // an asynchronous read follows the SET; its rows arrive by themselves
    IdleButtons();
    ClearDetailControls();
  }
}

// ---------------------------------------------------------------------------------------
// Handlers

void TAclDialogBase::Refresh(bool refuseWhileReading) {
  // A walk stopped a moment ago still waits for its last reply: the new one follows it.
  if (refuseWhileReading && Table && Table->Busy && Table->Request.Active) {
    ShowMessage(Texts.NotComplete);
    return;
  }
  const auto open = StillOpen();
  RefreshAll(refuseWhileReading ? Texts.NotComplete : nullptr);
  if (open()) FitColumnsToContents();
}

void TAclDialogBase::ShowSelectedKeys() {
  TListItem* row = List->Selected();
  if (!row) return;
  ProfileKey->Text = row->Caption();
  if (AccessKey && row->SubItems->Count > 0) AccessKey->Text = row->SubItems->Get(0);
}

// ---------------------------------------------------------------------------------------
// Layout

TStaticText* TAclDialogBase::PutSamples(TWinControl* parent, const char* name, int left, int top) {
  Put<TLabel>(parent, "LB_Samples", left, top, 80, 13, "Samples");
  auto* count = Put<TStaticText>(parent, name, left, top + 16, 80, 19);
  count->AutoSize = false;
  count->BorderStyle = sbsSunken;
  count->Alignment = taRightJustify;
  count->SetBounds(left, top + 16, 80, 19);
  count->Caption = "0";
  return count;
}

void TAclDialogBase::StackButtons(int left, int top, std::initializer_list<TButton*> buttons) {
  for (TButton* button : buttons) {
    button->SetBounds(left, top, button->Width, button->Height);
    if (button->Visible) top += button->Height + 7;
  }
}

void TAclDialogBase::PutField(TLabel* label, TControl* control, int left, int controlLeft, int top) {
  label->SetBounds(left, top + 3, label->Width, label->Height);
  control->SetBounds(controlLeft, top, control->Width, control->Height);
}

// ---------------------------------------------------------------------------------------
// Profiles

std::vector<int> ColumnSpan(int first, int last) {
  std::vector<int> columns(last - first + 1);
  std::iota(columns.begin(), columns.end(), first);
  return columns;
}

NvComboRule UsageRule(TComboBox* combo, int column) { return {combo, {{"", {column}}}}; }

NvComboRule MaskStateRule(TComboBox* combo, int state, int sourceMask, int destinationMask,
                          const char* destinationOnly, const char* sourceOnly) {
  return {combo,
          {{"", {state, sourceMask, destinationMask}},
           {"other", {state, sourceMask, destinationMask}},
           {destinationOnly, {sourceMask}},
           {sourceOnly, {destinationMask}}}};
}

std::set<int> TAclProfileBase::LeftOutByChoices() const {
  std::set<int> columns;
  for (const NvComboRule& rule : ComboRules) {
    const std::string choice = rule.Combo->Text;
    for (const NvChoiceLeavesOut& leaves : rule.Choices) {
      if (choice != leaves.Choice) continue;
      for (int column : leaves.Columns) {
        if (rule.PutsBack) columns.erase(column);
        else columns.insert(column);
      }
    }
  }
  return columns;
}

std::set<int> TAclProfileBase::LeftOutColumns() const {
  std::set<int> columns = LeftOutByChoices();
  for (const NvEmptyEditRule& rule : EmptyEditRules)
    if (rule.Edit->Text().empty()) columns.insert(rule.Column);
  return columns;
}

bool TAclProfileBase::MasksInUsePass(std::initializer_list<NvEmptyEditRule> masks,
                                     const std::function<bool(const std::string&)>& valid) const {
  const std::set<int> leftOut = LeftOutByChoices();
  for (const NvEmptyEditRule& mask : masks) {
    const std::string text = mask.Edit->Text;
    if (leftOut.count(mask.Column) || text.empty()) continue;
    if (!valid(text)) {
      if (mask.Edit->CanFocus()) mask.Edit->SetFocus();
      return false;
    }
  }
  return true;
}

namespace {

// A ruled combo's change: the member's own handler, then the edits following the new choice.
struct NvChoiceFollower {
  TNotifyEvent Own;
  TAclProfileBase* Dialog;
  void operator()(TObject* sender) const {
    if (Own) Own(sender);
    Dialog->EnableEditsByChoices();
  }
};

void Follow(TNotifyEvent& event, TAclProfileBase* dialog) {
  if (!event.target<NvChoiceFollower>()) event = NvChoiceFollower{std::move(event), dialog};
}

}  // namespace

void TAclProfileBase::FollowChoices() {
  auto follow = [&](TComboBox* combo) {
    Follow(combo->OnChange, this);
    // A choice from the list raises OnSelect instead of OnChange where the member set it.
    if (combo->OnSelect) Follow(combo->OnSelect, this);
  };
  for (const NvComboRule& rule : ComboRules) follow(rule.Combo);
  for (TComboBox* combo : ChoiceCombos) follow(combo);
}

void TAclProfileBase::EnableEditsByChoices() {
  FollowChoices();
  const std::set<int> leftOut = LeftOutByChoices();
  for (const NvEmptyEditRule& rule : EmptyEditRules) EnableField(rule.Edit, leftOut.count(rule.Column) == 0);
}

void TAclProfileBase::ClearDetailControls() {
  TAclDialogBase::ClearDetailControls();
  EnableEditsByChoices();
}

void TAclProfileBase::ShowChosenRow(TListItem* row) {
  TAclDialogBase::ShowChosenRow(row);
  EnableEditsByChoices();
}

bool TAclProfileBase::WriteNewProfile() {
  const std::set<int> leftOut = LeftOutColumns();
  return WriteRow([&](NvVarFlagsScope& flags) {
    for (int column : leftOut) flags.ExcludeVar(column);
  });
}

// ---------------------------------------------------------------------------------------
// Rules

static bool FieldIsEmpty(TWinControl* field) {
  if (auto* edit = dynamic_cast<TCustomEdit*>(field)) return edit->Text().empty();
  if (auto* combo = dynamic_cast<TComboBox*>(field)) return combo->ItemIndex < 0 || combo->Text().empty();
  return false;
}

bool TAclRuleBase::Counts(const TCheckBox* box) { return NvTickRows::Ticked(box); }

void TAclRuleBase::TickAll(bool ticked) {
  for (const NvIncludeBox& include : IncludeBoxes)
    if (!ticked || (include.Box->Enabled() && include.Box->Visible())) include.Box->Checked = ticked;
}

bool TAclRuleBase::TickedFieldsFilled(const std::function<bool(const NvIncludeBox&)>& valid) {
  for (const NvIncludeBox& include : IncludeBoxes) {
    if (!Counts(include.Box)) continue;
    if (FieldIsEmpty(include.Field)) return Refuse(Texts.EmptyField, include.Field);
    for (const NvMaskCheck& check : FieldChecks) {
      if (check.Column != include.Column || check.Valid(check.Edit)) continue;
      if (check.Edit->CanFocus()) check.Edit->SetFocus();
      return false;
    }
    if (valid && !valid(include)) return false;
  }
  return true;
}

bool TAclRuleBase::IsTicked(int column) const {
  for (const NvIncludeBox& include : IncludeBoxes)
    if (include.Column == column) return Counts(include.Box);
  return false;
}

void TAclRuleBase::LeaveOutUnticked(NvVarFlagsScope& flags, std::initializer_list<int> columns) const {
  for (const NvIncludeBox& include : IncludeBoxes) {
    const bool considered =
        columns.size() == 0 || std::find(columns.begin(), columns.end(), include.Column) != columns.end();
    if (considered && !Counts(include.Box)) flags.ExcludeVar(include.Column);
  }
}

bool TAclRuleBase::AnyPortTicked() const { return Picker && Picker->CountChecked() > 0; }

bool TAclRuleBase::PermitTicked(TCheckBox* box, TWinControl* focus) {
  return box->Checked || Refuse(Texts.PermitNotTicked, focus);
}

void TAclRuleBase::ClearDetailControls() {
  TAclDialogBase::ClearDetailControls();
  TickAll(false);
}

TCheckBox* TAclRuleBase::PutIncludeRow(const char* boxName, const char* label, TControl* control, int left,
                                       int controlLeft, int top) {
  auto* box = Put<TCheckBox>(this, boxName, left, top + 2, 15, 17);
  Put<TLabel>(this, "", left + 18, top + 3, 0, 13, label);
  control->SetBounds(controlLeft, top, control->Width, control->Height);
  return box;
}

void TAclRuleBase::ShowChosenRow(TListItem*) { ShowSelectedKeys(); }

void TAclRuleBase::RewriteSelectedRule(const std::function<void(NvVarFlagsScope&)>& leaveOut) {
  if (!List->Selected()) return;
  if (RowStatusBox->Text() == NvRowStatusName::Destroy && IsTicked(RowStatusColumn)) {
    DestroySelectedRow();
    return;
  }
  ShowSelectedKeys();
  WriteRow(leaveOut);
}
