#include "NvSNMPRequest2Edits.h"

#include <algorithm>

#include "ExtCtrls.h"
#include "Forms.h"
#include "NvOptionList.h"
#include "NvValueOctets.h"
#include "ScopeExit.h"
#include "StdCtrls.h"

namespace {

bool IsBooleanSyntax(int syntax) {
  return syntax == NvSyntax::boolean || syntax == NvSyntax::bool8 || syntax == NvSyntax::bool16;
}

bool IsEditConversion(char c) {
  return c == 's' || c == 'h' || c == 'i' || c == 'u' || c == 'f' || c == 'n';
}

// The number of edits a value format constrains: one per "%" and conversion letter.
int CountConversions(const std::string& format) {
  int count = 0;
  for (size_t i = 0; i + 1 < format.size(); ++i)
    if (format[i] == '%' && IsEditConversion(format[i + 1])) ++count;
  return count;
}

std::string Trimmed(const std::string& text) {
  const size_t a = text.find_first_not_of(' ');
  return a == std::string::npos ? std::string() : text.substr(a, text.find_last_not_of(' ') - a + 1);
}

constexpr size_t kDisplayStringMax = 255;

bool IsDisplayOnly(const TControl* control) {
  return dynamic_cast<const TLabel*>(control) || dynamic_cast<const TStaticText*>(control);
}

// A check box over an option list: over two options the second means checked, over more
// (1 other, 2 disabled, 3 enabled) the last one does, and the one before it unchecked.
bool OptionChecks(const NvOptionList& options, int i) {
  return options.GetCount() > 2 ? i == options.GetCount() - 1 : i > 0;
}

int OptionOfBox(const NvOptionList& options, bool checked) {
  const int count = options.GetCount();
  if (count > 2) return checked ? count - 1 : count - 2;
  return checked && count > 1 ? 1 : 0;
}

int OptionIndex(const NvOptionList& options, const std::string& text) {
  const int i = options.FindName(text);
  return i >= 0 ? i : options.FindValue(text);
}

// "(NULL)" (no value) and "(NOTDONE)" (a walked column's end) are the access layer's markers,
// never a value to show or to write.
bool IsMarker(const std::string& text) { return text == "(NULL)" || text == "(NOTDONE)"; }

std::string TextOf(const TControl* control) {
  if (auto* edit = dynamic_cast<const TCustomEdit*>(control)) return edit->GetText();
  return control->GetCaption();
}

}  // namespace

NvSNMPRequest2Edits::NvSNMPRequest2Edits(TForm* owner)
    : NvSNMPRequest2Controls(owner), Constraint(std::make_unique<NvEditConstraint>(owner, 1)) {}

NvSNMPRequest2Edits::~NvSNMPRequest2Edits() { DetachFromWindow(); }

void NvSNMPRequest2Edits::DetachFromWindow() {
  ReleaseListPaint();
  // The edits outlive this binding on their window; their handlers must not reach the freed
  // constraint object.
  for (const auto& binding : Bindings)
    for (TControl* control : binding->Controls)
      if (auto* edit = dynamic_cast<TCustomEdit*>(control)) Constraint->RemoveConstraint(edit);
  Bindings.clear();
  if (ListView) ListView->OnSelectItem = SavedSelectItem;
  ListView = nullptr;
}

// ---------------------------------------------------------------------------------------
// Notifications

void NvSNMPRequest2Edits::BeforeGet() {
  if (!ListView) return;
  BuildColumns();
  // Emptying the list drops the choice without a selection event: the row's values must not
  // stay on show for a later write.
  const bool hadChosenRow = ListView->Selected() != nullptr;
  ListView->Items->Clear();
  if (hadChosenRow && RowChosenHandler) RowChosenHandler();
}

// Painting the list after every row costs more than reading the row: the rows of a walk are
// painted in batches a few times a second, and all of them once it ends.
constexpr auto kListPaintInterval = std::chrono::milliseconds(50);

void NvSNMPRequest2Edits::ShowRow() {
  if (ListView) {
    HoldListPaint();
    AddListRow();
    const bool paintDue = std::chrono::steady_clock::now() - heldSince_ >= kListPaintInterval;
    if (paintDue) ReleaseListPaint();
    // The list repaints, and Stop or a close can come through; an asynchronous walk lets
    // them through between its replies anyway.
    if (paintDue || InBlockingCall()) Application->ProcessMessages();
  } else {
    ValuesToControls(-1);
  }
}

void NvSNMPRequest2Edits::ReadEnded() { ReleaseListPaint(); }

void NvSNMPRequest2Edits::HoldListPaint() {
  if (listHeld_ || !ListView) return;
  ListView->Items->BeginUpdate();
  listHeld_ = true;
  heldSince_ = std::chrono::steady_clock::now();
}

void NvSNMPRequest2Edits::ReleaseListPaint() {
  if (!listHeld_) return;
  listHeld_ = false;
  if (ListView) ListView->Items->EndUpdate();
}

void NvSNMPRequest2Edits::CollectValues() {
  collectedFrom_.clear();
  for (int i = 0; i < Request.Vars.GetCount(); ++i) {
    std::string* value = Request.Vars.GetVar(i)->Value;
    collectedFrom_.push_back(*value);
    value->clear();
  }
  if (ListView) ReadSelectedRow();
  ScopeExit forget([this] { collectedFrom_.clear(); });
  try {
    ControlsToValues(-1);
  } catch (...) {
    // A refused control leaves the values as they were, so a corrected retry is sized alike.
    for (int i = 0; i < Request.Vars.GetCount() && size_t(i) < collectedFrom_.size(); ++i)
      *Request.Vars.GetVar(i)->Value = collectedFrom_[size_t(i)];
    throw;
  }
}

void NvSNMPRequest2Edits::AfterGet() {
  if (ListView && SelectToEdit && Request.Vars.Kind == MVT_FMV) EnableControls(false);
}

void NvSNMPRequest2Edits::OnSelectItem(TObject* Sender, TListItem* Item, bool Selected) {
  // The bound controls show the new row before anyone else looks at them.
  if (Selected) {
    // A row that does not fit its controls is reported; an exception must not leave a
    // selection handler.
    try {
      if (SelectToEdit) EnableControls(true);
      if (ListView) ReadSelectedRow();
      ValuesToControls(-1);
    } catch (const Exception& e) {
      if (StatusControl)
        ShowStatus(e.Message);
      else
        ShowMessageBox(e.Message);
    }
  } else if (ListView && !ListView->Selected() && SelectToEdit && Request.Vars.Kind == MVT_FMV) {
    // No row chosen any more: the controls are locked again, as after a walk.
    EnableControls(false);
  }
  if (SavedSelectItem) SavedSelectItem(Sender, Item, Selected);
  // A move from one row to another comes as the old row's loss, then the new row's gain: the
  // choice has settled only at the gain, or at a loss that leaves nothing chosen.
  if (RowChosenHandler && (Selected || !ListView || !ListView->Selected())) RowChosenHandler();
}

void NvSNMPRequest2Edits::AcceptShownTexts() { Constraint->AcceptShownTexts(); }

// ---------------------------------------------------------------------------------------
// Binding

NvSNMPBinding& NvSNMPRequest2Edits::AddBinding(int index, std::vector<TControl*> controls,
                                               std::vector<int> positions) {
  const NvSNMPVar* var = Request.Vars.GetVar(index);  // throws for an index outside the list
  auto binding = std::make_unique<NvSNMPBinding>();
  binding->VarIndex = index;
  binding->Syntax = var->Syntax;
  binding->ControlCount = static_cast<int32_t>(controls.size());
  binding->Controls = std::move(controls);
  binding->BitPositions = std::move(positions);
  Bindings.push_back(std::move(binding));
  return *Bindings.back();
}

void NvSNMPRequest2Edits::BindListView(TListView* listView, bool selectToEdit) {
  ListView = listView;
  listView->ReadOnly = true;
  listView->RowSelect = true;
  listView->HideSelection = false;
  listView->GridLines = true;
  listView->ViewStyle = vsReport;
  SavedSelectItem = listView->OnSelectItem;
  listView->OnSelectItem = [this](TObject* sender, TListItem* item, bool selected) {
    OnSelectItem(sender, item, selected);
  };
  SelectToEdit = selectToEdit;
  BuildColumns();
}

void NvSNMPRequest2Edits::BindLabel(int index, TLabel* label) { AddBinding(index, {label}); }

void NvSNMPRequest2Edits::BindStaticText(int index, TStaticText* text) { AddBinding(index, {text}); }

void NvSNMPRequest2Edits::BindControl(int index, TComboBox* combo) {
  const NvOptionList* options = Request.Vars.GetVar(index)->Options;
  if (!options) NvThrowError(NvErr::NoOptionList);
  combo->Style = csDropDownList;
  options->FillComboBox(combo);
  AddBinding(index, {combo});
}

void NvSNMPRequest2Edits::BindControl(int index, TRadioGroup* group) {
  const NvOptionList* options = Request.Vars.GetVar(index)->Options;
  if (!options) NvThrowError(NvErr::NoOptionList);
  options->FillRadioGroup(group);
  AddBinding(index, {group});
}

void NvSNMPRequest2Edits::BindControl(int index, TCheckBox* box) { AddBinding(index, {box}); }

void NvSNMPRequest2Edits::BindControl(int index, TCustomEdit* edit) { AddBinding(index, {edit}); }

void NvSNMPRequest2Edits::BindEdits(int index, const std::string& format, const std::vector<TCustomEdit*>& edits) {
  const int wanted = CountConversions(format);
  if (wanted == 0) {  // no conversion: the edit is bound without constraint
    if (!edits.empty()) AddBinding(index, {edits.front()});
    return;
  }
  if (static_cast<int>(edits.size()) < wanted) NvThrowError(NvErr::TooFewControls);
  const std::vector<TCustomEdit*> taken(edits.begin(), edits.begin() + wanted);
  Constraint->SetFormat(format, taken);
  AddBinding(index, std::vector<TControl*>(taken.begin(), taken.end()));
}

std::vector<NvBoundEdit> NvSNMPRequest2Edits::BoundEdits() const {
  std::vector<NvBoundEdit> edits;
  for (const auto& binding : Bindings) {
    if (!binding || binding->Controls.size() != 1) continue;
    auto* edit = dynamic_cast<TCustomEdit*>(binding->Controls.front());
    if (!edit) continue;
    edits.push_back({edit, Request.Vars.GetVar(binding->VarIndex), binding.get(),
                     Constraint ? Constraint->FindConstraint(edit) : nullptr});
  }
  return edits;
}

void NvSNMPRequest2Edits::BindEditChecked(int index, const std::string& format, TCustomEdit* edit,
                                          NvEditCheckCallback check) {
  Constraint->SetFormat(format, std::vector<TCustomEdit*>{edit}, std::move(check));
  AddBinding(index, {edit});
}

void NvSNMPRequest2Edits::BindBits(int index, const std::string& positions, const std::vector<TCheckBox*>& boxes) {
  std::vector<int> bits = NvParsePositions(positions);
  const size_t count = std::min(bits.size(), boxes.size());
  bits.resize(count);
  AddBinding(index, std::vector<TControl*>(boxes.begin(), boxes.begin() + count), std::move(bits));
}

void NvSNMPRequest2Edits::BindCheckBoxes(int index, const std::string& positions,
                                         std::initializer_list<TCheckBox*> boxes) {
  std::vector<TCheckBox*> taken(boxes);
  if (taken.size() > 8) taken.resize(8);
  BindBits(index, positions, taken);
}

void NvSNMPRequest2Edits::BindControlList(int index, const std::string& positions, TList* boxes) {
  std::vector<TCheckBox*> taken;
  for (int i = 0; i < boxes->GetCount(); ++i) taken.push_back(static_cast<TCheckBox*>(boxes->Get(i)));
  BindBits(index, positions, taken);
}

void NvSNMPRequest2Edits::Unbind(int index) {
  std::erase_if(Bindings, [&](const std::unique_ptr<NvSNMPBinding>& binding) {
    if (binding->VarIndex != index) return false;
    for (TControl* control : binding->Controls)
      if (auto* edit = dynamic_cast<TCustomEdit*>(control)) Constraint->RemoveConstraint(edit);
    return true;
  });
}

void NvSNMPRequest2Edits::SetConstraintOwner(TForm* owner) { Constraint->SetOwner(owner); }

void NvSNMPRequest2Edits::EnableControls(bool enabled) {
  for (const auto& binding : Bindings)
    for (TControl* control : binding->Controls) control->Enabled = enabled;
}

// ---------------------------------------------------------------------------------------
// Values to controls

void NvSNMPRequest2Edits::ValuesToControls(int which) {
  for (const auto& binding : Bindings) {
    if (which != -1 && binding->VarIndex != which) continue;
    if (Request.Vars.GetVar(binding->VarIndex)->Access & NvAccess::invalid) continue;
    ShowBinding(*binding);
  }
}

NvOctets NvSNMPRequest2Edits::ValueBytes(const NvSNMPVar& var) {
  std::string text = *var.Value;
  if (var.Options) text = var.Options->NameToValue(text);
  if (text.empty()) return {};
  try {
    return NvValueTextToOctets(text, var.Syntax);
  } catch (const Exception& e) {
    if (e.HelpContext != NvErr::BadPartialValue) throw;
    return {};  // a value no conversion reads, such as "(NOTDONE)": there is nothing to keep
  }
}

void NvSNMPRequest2Edits::ShowBinding(const NvSNMPBinding& binding) {
  const NvSNMPVar* var = Request.Vars.GetVar(binding.VarIndex);
  const std::string mapped = var->Options ? var->Options->NameToValue(*var->Value) : *var->Value;
  std::string text = mapped;
  const NvOptionList* options;
  if (binding.ByteOffset != 0 || binding.Syntax != var->Syntax) {
    const NvOctets field = NvExtractField(ValueBytes(*var), binding.ByteOffset, binding.Syntax);
    text = NvOctetsToValueText(field, binding.Syntax);
    options = binding.Options;
  } else {
    options = binding.Options ? binding.Options : var->Options;
  }
  if (options) text = options->ValueToName(text);
  // A cell the walk did not reach is a gap, as in any other row.
  if (text == "(NOTDONE)") text.clear();

  if (binding.Controls.empty()) return;
  TControl* first = binding.Controls.front();
  if (dynamic_cast<TLabel*>(first) || dynamic_cast<TStaticText*>(first)) {
    first->Caption = IsMarker(text) ? std::string() : text;
  } else if (dynamic_cast<TCheckBox*>(first)) {
    if (!binding.BitPositions.empty()) {
      NvOctets bytes = ValueBytes(*var);
      if (binding.ByteOffset > 0)
        bytes.erase(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), size_t(binding.ByteOffset)));
      // Some switches send a port list shorter than the boxes: the missing octets are zeros.
      const int highest = *std::max_element(binding.BitPositions.begin(), binding.BitPositions.end());
      if (highest >= 0 && bytes.size() <= size_t(highest / 8)) bytes.resize(size_t(highest / 8) + 1, 0);
      std::vector<bool> bits;
      const int status = NvReadBits(bytes, binding.BitPositions, bits);
      for (size_t k = 0; k < binding.Controls.size() && k < bits.size(); ++k) {
        auto* box = static_cast<TCheckBox*>(binding.Controls[k]);
        const bool wasEnabled = box->Enabled;
        box->Enabled = true;
        box->Checked = bool(bits[k]);
        box->Enabled = wasEnabled;
      }
      if (status != NvErr::Ok) NvThrowError(status);
    } else {
      auto* box = static_cast<TCheckBox*>(first);
      if (options) {
        box->Checked = OptionChecks(*options, OptionIndex(*options, text));
      } else if (IsBooleanSyntax(binding.Syntax)) {
        box->Checked = text == "true";
      } else {
        NvThrowError(NvErr::BadPartialSyntax);
      }
    }
  } else if (auto* combo = dynamic_cast<TComboBox*>(first)) {
    if (options)
      options->SelectInComboBox(combo, text);
    else
      combo->ItemIndex = combo->Items->IndexOf(text);
  } else if (auto* group = dynamic_cast<TRadioGroup*>(first)) {
    if (options)
      options->SelectInRadioGroup(group, text);
    else
      group->ItemIndex = group->Items->IndexOf(text);
  } else if (auto* edit = dynamic_cast<TCustomEdit*>(first)) {
    if (binding.Controls.size() == 1) {
      edit->Text = var->Syntax == NvSyntax::bitlist ? NvPortBitmapToList(*var->Value, false)
                   : IsMarker(text)                 ? std::string()
                                                    : text;
      Constraint->SaveAcceptedText(edit);  // a refused entry goes back to the value shown
    } else {
      std::vector<std::string> parts;
      if (NvValueToParts(text, binding.Syntax, int(binding.Controls.size()), parts)) {
        // A shorter value empties the edits past its end: a longer earlier value's bytes
        // must not stay there to be collected with it.
        for (size_t k = 0; k < binding.Controls.size(); ++k) {
          auto* part = dynamic_cast<TCustomEdit*>(binding.Controls[k]);
          if (!part) NvThrowError(NvErr::BadControlType);
          Constraint->ShowAcceptedText(part, k < parts.size() ? parts[k] : std::string());
        }
      }
    }
  } else {
    NvThrowError(NvErr::BadControlType);
  }
}

// ---------------------------------------------------------------------------------------
// Controls to values

void NvSNMPRequest2Edits::ControlsToValues(int which) {
  for (int i = 0; i < Request.Vars.GetCount(); ++i) {
    if (which != -1 && i != which) continue;
    if (!Request.Vars.IsWritable(i)) continue;
    NvSNMPVar* var = Request.Vars.GetVar(i);
    bool bound = false, input = false;
    for (const auto& binding : Bindings)
      if (binding->VarIndex == i && !binding->Controls.empty()) {
        bound = true;
        input = input || !IsDisplayOnly(binding->Controls.front());
      }
    if (!bound) continue;
    NvOctets value = StartBytes(i);
    const bool noValue =
        IsMarker(!ListView && size_t(i) < collectedFrom_.size() ? collectedFrom_[size_t(i)] : *var->Value);
    bool first = true;
    for (const auto& binding : Bindings) {
      if (binding->VarIndex != i || binding->Controls.empty()) continue;
      // A label beside an input only shows the value; the input says what is written.
      if (input && IsDisplayOnly(binding->Controls.front())) continue;
      if (first && var->Syntax == NvSyntax::displaystr) value.clear();
      first = false;
      NvOctets field;
      try {
        if (!CollectBinding(*binding, value, noValue, field)) continue;
      } catch (const Exception& e) {
        // Refused typed text: say which variable, and send nothing.
        const std::string label = Trimmed(var->Label ? var->Label : "");
        if (e.HelpContext != NvErr::BadPartialValue || label.empty()) throw;
        throw Exception(e.Message + " (" + label + ")", e.HelpContext);
      }
      // A shorter text of a field that runs to the end, or of the whole value (a clock without
      // its offset, an IPv4 address over an IPv6 one), leaves no bytes of the old one behind.
      const bool wholeValue = binding->ByteOffset == 0 && binding->Syntax == var->Syntax;
      if (NvIsRunToEnd(binding->Syntax) || wholeValue)
        value.resize(std::min(value.size(), size_t(std::max(0, binding->ByteOffset))));
      NvWriteField(value, binding->ByteOffset, field);
    }
    std::string text = NvOctetsToValueText(value, var->Syntax);
    if (var->Options) text = var->Options->ValueToName(text);
    *var->Value = text;
  }
}

NvOctets NvSNMPRequest2Edits::StartBytes(int index) const {
  const NvSNMPVar* var = Request.Vars.GetVar(index);
  NvOctets value = ValueBytes(*var);
  if (!value.empty() || var->Value->size() > 0) return value;
  // Emptied by CollectValues. A scalar group starts again from what was read, so that the
  // bytes no control covers (ports past the picker's boxes) go back as they were; a table
  // row has had its chance in ReadSelectedRow.
  if (!ListView && size_t(index) < collectedFrom_.size()) {
    NvSNMPVar before = *var;
    std::string text = collectedFrom_[size_t(index)];
    before.Value = &text;
    value = ValueBytes(before);
  }
  // A port list of a new row is as long as the switch's others.
  if (value.empty() && var->Syntax == NvSyntax::bitlist)
    value.assign(PortBitmapTemplate(index, "").size() / 2, 0);
  return value;
}

bool NvSNMPRequest2Edits::CollectBinding(const NvSNMPBinding& binding, const NvOctets& current, bool noValue,
                                         NvOctets& field) {
  const NvSNMPVar* var = Request.Vars.GetVar(binding.VarIndex);
  const bool ownField = binding.ByteOffset == 0 && binding.Syntax == var->Syntax;
  const NvOptionList* options = binding.Options ? binding.Options : (ownField ? var->Options : nullptr);
  if (binding.Controls.empty()) return false;
  const size_t offset = size_t(std::max(0, binding.ByteOffset));
  // The field's text as the value now holds it, "" when there is none.
  auto currentText = [&]() -> std::string {
    if (current.empty()) return "";
    std::string text = NvOctetsToValueText(NvExtractField(current, binding.ByteOffset, binding.Syntax), binding.Syntax);
    return options ? options->ValueToName(text) : text;
  };
  TControl* first = binding.Controls.front();
  std::string text;
  if (IsDisplayOnly(first)) {
    text = first->Caption;
    if (noValue && text.empty()) return false;
  } else if (dynamic_cast<TCheckBox*>(first)) {
    if (!binding.BitPositions.empty()) {
      // The boxes change their own bits; the value's other bits and octets stay.
      field = offset < current.size() ? NvOctets(current.begin() + long(offset), current.end()) : NvOctets();
      std::vector<bool> bits;
      for (TControl* control : binding.Controls) bits.push_back(static_cast<TCheckBox*>(control)->Checked);
      const NvOctets set = NvCollectBits(binding.BitPositions, bits);
      if (field.size() < set.size()) field.resize(set.size(), 0);
      for (size_t k = 0; k < binding.BitPositions.size() && k < bits.size(); ++k) {
        const int p = binding.BitPositions[k];
        if (p < 0) continue;
        const unsigned char mask = static_cast<unsigned char>(0x80 >> (p % 8));
        field[size_t(p / 8)] = static_cast<unsigned char>((field[size_t(p / 8)] & ~mask) | (set[size_t(p / 8)] & mask));
      }
      return true;
    }
    const bool checked = static_cast<TCheckBox*>(first)->Checked;
    if (options && options->GetCount() > 0) {
      // Untouched, the box keeps the value it stands for, such as "other" under "disabled".
      const std::string before = currentText();
      if (!before.empty() && OptionChecks(*options, OptionIndex(*options, before)) == checked) return false;
      text = options->GetOption(OptionOfBox(*options, checked)).Name;
    } else if (IsBooleanSyntax(binding.Syntax)) {
      text = checked ? "true" : "false";
    } else {
      NvThrowError(NvErr::BadPartialSyntax);
    }
  } else if (dynamic_cast<TComboBox*>(first) || dynamic_cast<TRadioGroup*>(first)) {
    auto* combo = dynamic_cast<TComboBox*>(first);
    auto* group = dynamic_cast<TRadioGroup*>(first);
    const int i = combo ? combo->ItemIndex : group->ItemIndex;
    if (i >= 0) {
      text = combo ? combo->Items->Get(i) : group->Items->Get(i);
    } else if (!current.empty()) {
      return false;  // a value that is no option is kept, not written as 0
    } else if (combo && combo->Style != csDropDownList) {
      text = combo->Text();
    } else {
      text = "";  // no choice and no value: refused below as no number
    }
  } else if (auto* edit = dynamic_cast<TCustomEdit*>(first)) {
    if (binding.Controls.size() == 1) {
      text = edit->GetText();
      // Left empty, an edit that had no value to show gives none.
      if (noValue && text.empty()) return false;
      // A marker typed as text would be sent as no value at all.
      if (IsMarker(text)) NvThrowError(NvErr::BadPartialValue, NvErrorText(NvErr::BadPartialValue) + " \"" + text + "\"");
      if (var->Syntax == NvSyntax::bitlist) text = TypedPortBitmap(binding.VarIndex, text);
    } else {
      std::vector<std::string> parts;
      for (TControl* control : binding.Controls) parts.push_back(TextOf(control));
      text = NvPartsToValue(parts, binding.Syntax);
    }
  } else {
    return false;
  }
  if (options) text = options->NameToValue(text);
  // A DisplayString holds at most 255 octets: a longer text would reach the switch cut or whole.
  if (binding.Syntax == NvSyntax::displaystr && text.size() > kDisplayStringMax)
    NvThrowError(NvErr::BadPartialValue, NvErrorText(NvErr::BadPartialValue) + " \"" + text.substr(0, 32) + "...\"");
  field = NvValueTextToOctets(text, binding.Syntax);
  return true;
}

std::string NvSNMPRequest2Edits::PortBitmapTemplate(int index, const std::string& typed) const {
  auto zeros = [](size_t digits) { return std::string(digits / 2 * 2, '0'); };
  // An emptied value would leave no ports to set; the value before emptying gives their number.
  auto usable = [](const std::string& text) { return text == "(NULL)" ? std::string() : text; };
  std::string current = usable(*Request.Vars.GetVar(index)->Value);
  if (current.empty() && size_t(index) < collectedFrom_.size()) current = usable(collectedFrom_[size_t(index)]);
  if (!current.empty()) return zeros(current.size());

  // A new row: the switch wants bitmaps as long as its other rows have.
  size_t longest = 0;
  if (ListView) {
    const std::vector<int> order = ColumnOrder();
    const auto at = std::find(order.begin(), order.end(), index);
    const int column = at == order.end() ? -1 : int(at - order.begin());
    for (int r = 0; column >= 0 && r < ListView->Items->Count; ++r) {
      TListItem* item = ListView->Items->Item[r];
      std::string cell;
      if (column == 0)
        cell = item->Caption;
      else if (column - 1 < item->SubItems->Count)
        cell = item->SubItems->Get(column - 1);
      longest = std::max(longest, NvBitmapOfPortCell(cell).size());
    }
  }
  if (longest > 0) return zeros(longest);

  // Nothing to measure: whole octets for the highest typed port and every port of the model.
  // A number past any port bitmap does not size one; the list is then refused.
  constexpr long kMostPorts = 4096;
  long ports = std::clamp<long>(FallbackPortCount, 0, kMostPorts);
  std::string number;
  for (size_t i = 0; i <= typed.size(); ++i) {
    if (i < typed.size() && typed[i] >= '0' && typed[i] <= '9') {
      number += typed[i];
      continue;
    }
    if (!number.empty() && number.size() <= 4 && std::stol(number) <= kMostPorts) ports = std::max(ports, std::stol(number));
    number.clear();
  }
  return std::string(size_t((ports + 7) / 8) * 2, '0');
}

std::string NvSNMPRequest2Edits::TypedPortBitmap(int index, const std::string& typed) const {
  const std::string zero = PortBitmapTemplate(index, typed);
  const std::string trimmed = Trimmed(typed);
  if (trimmed == "0") return zero;  // how an empty bitmap reads back
  std::string bitmap;
  if (!trimmed.empty() && (zero.empty() || !NvPortListToBitmap(trimmed, zero, bitmap))) {
    const NvSNMPVar* var = Request.Vars.GetVar(index);
    const std::string label = Trimmed(var->Label ? var->Label : "");
    const std::string range =
        zero.empty() ? std::string("the number of ports is not known")
                     : "ports 1 to " + std::to_string(zero.size() / 2 * 8) + " as in 1-5,8";
    throw Exception("Bad port list \"" + typed + "\"" + (label.empty() ? "" : " for " + label) + ": " + range);
  }
  return trimmed.empty() ? zero : bitmap;
}

// ---------------------------------------------------------------------------------------
// The list view

std::vector<int> NvSNMPRequest2Edits::ColumnOrder() const {
  // The order the columns were built in: a variable left out since (a SET of some columns)
  // must not move the cells of the others.
  if (ListView && !builtOrder_.empty() &&
      std::all_of(builtOrder_.begin(), builtOrder_.end(), [&](int i) { return i < Request.Vars.GetCount(); }))
    return builtOrder_;
  return CurrentOrder();
}

std::vector<int> NvSNMPRequest2Edits::CurrentOrder() const {
  std::vector<int> order;
  for (int i = 0; i < Request.Vars.GetCount(); ++i)
    if (Request.Vars.IsHidden(i)) order.push_back(i);
  for (int i = 0; i < Request.Vars.GetCount(); ++i)
    if (Request.Vars.IsVisible(i)) order.push_back(i);
  return order;
}

void NvSNMPRequest2Edits::BuildColumns() {
  if (!ListView) return;
  const int hidden = Request.Vars.GetHiddenCount();
  const std::vector<int> order = CurrentOrder();
  if (ListView->Columns->Count >= int(order.size())) return;
  ListView->Columns->Clear();
  builtOrder_ = order;
  for (size_t k = 0; k < order.size(); ++k) {
    TListColumn* column = ListView->Columns->Add();
    column->Caption = std::string(Request.Vars.GetVar(order[k])->Label ? Request.Vars.GetVar(order[k])->Label : "");
    column->AutoSize = false;
    column->Width = int(k) < hidden ? 0 : -2;
  }
}

void NvSNMPRequest2Edits::AddListRow() {
  if (!ListView) return;
  TListItem* item = ListView->Items->Add();
  item->SubItems->BeginUpdate();  // one change for the row, not one per cell
  ScopeExit cellsDone([item] { item->SubItems->EndUpdate(); });
  bool first = true;
  for (int i : ColumnOrder()) {
    const NvSNMPVar* var = Request.Vars.GetVar(i);
    // No value and a walk's end are shown as the gap they are, never as text.
    const std::string cell = IsMarker(*var->Value)                ? std::string()
                             : var->Syntax == NvSyntax::bitlist ? NvPortBitmapToList(*var->Value, true)
                                                                 : *var->Value;
    if (first)
      item->Caption = cell;
    else
      item->SubItems->Add(cell);
    first = false;
  }
}

void NvSNMPRequest2Edits::ReadSelectedRow() {
  if (!ListView) return;
  TListItem* item = ListView->Selected;
  if (!item) return;
  int column = 0;
  for (int i : ColumnOrder()) {
    std::string cell;
    if (column == 0)
      cell = item->Caption;
    else if (column - 1 < item->SubItems->Count)
      cell = item->SubItems->Get(column - 1);
    ++column;
    NvSNMPVar* var = Request.Vars.GetVar(i);
    *var->Value = var->Syntax == NvSyntax::bitlist ? NvBitmapOfPortCell(cell) : cell;
  }
}
