#include "VlanMapTableForm.h"

#include <cctype>

#include "Dialogs.h"
#include "FormHelpers.h"
#include "VlanMapText.h"

namespace {

constexpr int kMapColumns = 8;
constexpr int kCreateAndGo = 1;  // item of RowComboBox (OptRowStatusShort order)

const char* const kRangeCaptions[kMapColumns] = {"1-512",     "513-1024",  "1025-1536", "1537-2048",
                                                 "2049-2560", "2561-3072", "3073-3584", "3585-4094"};

bool IsHex(const std::string& text) {
  for (char c : text)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The request

NvVlanMapRequestEdits::NvVlanMapRequestEdits(TForm* owner)
    : NvSNMPRequest2Edits(owner), form_(dynamic_cast<TVlanMapTableForm*>(owner)) {}

void NvVlanMapRequestEdits::ShowRow() {
  if (form_ && ListView) {
    for (int k = 0; k < kMapColumns; ++k) {
      std::string* value = Request.Vars.GetVar(form_->FirstMapVar + k)->Value;
      if (IsHex(*value)) *value = BitmapToVlanList(*value, k, false);
    }
  }
  NvSNMPRequest2Edits::ShowRow();
}

void NvVlanMapRequestEdits::CollectValues() {
  if (!form_) return NvSNMPRequest2Edits::CollectValues();
  // The controls are read as octets: a ticked column's edit shows its bitmap while they are
  // read, an unticked one (left out of the SET) nothing; the typed texts come back afterwards.
  std::array<std::string, kMapColumns> typed;
  for (int k = 0; k < kMapColumns; ++k) {
    typed[size_t(k)] = form_->VLANRangeEdit[size_t(k)]->Text;
    std::string bitmap = typed[size_t(k)];
    const bool ticked = form_->WriteMode == NvVlanMapWrite::Edit && form_->cbxVlanRange[size_t(k)]->Checked;
    if (!ticked || !VlanListToBitmap(bitmap, k)) bitmap.clear();
    form_->VLANRangeEdit[size_t(k)]->Text = bitmap;
  }
  auto restore = [&] {
    for (int k = 0; k < kMapColumns; ++k) form_->VLANRangeEdit[size_t(k)]->Text = typed[size_t(k)];
  };
  try {
    NvSNMPRequest2Edits::CollectValues();
  } catch (...) {
    restore();
    throw;
  }
  restore();
  if (form_->WriteMode == NvVlanMapWrite::Add) {
    *Request.Vars.GetVar(0)->Value = form_->VIDEdit->Text;
    *Request.Vars.GetVar(form_->StatusVar)->Value = "4";
  }
}

// ---------------------------------------------------------------------------------------
// Layout

TVlanMapTableForm::TVlanMapTableForm(TComponent* Owner, int width, int height, int firstMapVar, int statusVar)
    : TFeatureDialog(Owner, width, height, NvScale::Twice), FirstMapVar(firstMapVar), StatusVar(statusVar), DesignWidth(width) {}

TVlanMapTableForm::Field TVlanMapTableForm::PutField(int left, int top, int boxWidth, int fieldWidth,
                                                     const char* boxName, const char* caption,
                                                     const char* fieldName, bool combo, const std::string& format) {
  Field field;
  field.Include = Put<TCheckBox>(this, boxName, left, top + 2, boxWidth, 17, caption);
  if (combo)
    field.Control = Put<TComboBox>(this, fieldName, left + boxWidth + 4, top, fieldWidth, 21);
  else
    field.Control = Put<TEdit>(this, fieldName, left + boxWidth + 4, top, fieldWidth, 21);
  field.Format = format;
  return field;
}

void TVlanMapTableForm::PutMapColumns(int left, int top, int boxWidth, int fieldWidth) {
  for (int k = 0; k < kMapColumns; ++k) {
    const std::string box = "cbxVlanRange" + std::to_string(k + 1), edit = "VLANRangeEdit" + std::to_string(k + 1);
    Field field = PutField(left, top + 24 * k, boxWidth, fieldWidth, box.c_str(), kRangeCaptions[k], edit.c_str(), false);
    cbxVlanRange[k] = field.Include;
    VLANRangeEdit[k] = static_cast<TEdit*>(field.Control);
  }
}

void TVlanMapTableForm::PutFrame(int listHeight, int buttonsTop) {
  ListView1 = Put<TListView>(this, "ListView1", 8, 8, DesignWidth - 24, listHeight);
  GetButton = PutButton(this, "GetButton", "Refresh", 0, 0, 64, 25, &TVlanMapTableForm::GetButtonClick);
  EditButton = PutButton(this, "EditButton", "Edit", 0, 0, 64, 25, &TVlanMapTableForm::EditButtonClick);
  AddButton = PutButton(this, "AddButton", "Add", 0, 0, 64, 25, &TVlanMapTableForm::AddButtonClick);
  DeleteButton = PutButton(this, "DeleteButton", "Delete", 0, 0, 64, 25, &TVlanMapTableForm::DeleteButtonClick);
  CheckButton = PutButton(this, "CheckButton", "Check All", 0, 0, 64, 25, &TVlanMapTableForm::CheckButtonClick);
  UncheckButton =
      PutButton(this, "UncheckButton", "Clear Checks", 0, 0, 80, 25, &TVlanMapTableForm::UncheckButtonClick);
  CloseButton = PutButton(this, "CloseButton", "Close", 0, 0, 64, 25, &TVlanMapTableForm::CloseButtonClick);
  LB_Samples = Put<TLabel>(this, "LB_Samples", 0, 0, 0, 13, "Samples");
  StaticText1 = Put<TStaticText>(this, "StaticText1", 0, 0, 40, 19);
  StaticText1->AutoSize = false;
  StaticText1->BorderStyle = sbsSunken;
  StaticText1->Alignment = taRightJustify;
  PlaceInRow(8, buttonsTop,
             {GetButton, EditButton, AddButton, DeleteButton, CheckButton, UncheckButton, CloseButton, LB_Samples,
              StaticText1});
  StopButton = Put<TButton>(this, "StopButton", 8, buttonsTop, 76, 25, "Stop");
  StopButton->Visible = false;
  PutStatusBar();

  ListView1->OnChange = Handler(this, &TVlanMapTableForm::ListView1Change);
  OnCreate = Handler(this, &TVlanMapTableForm::FormCreate);
  OnClose = Handler(this, &TVlanMapTableForm::FormClose);
  List = ListView1;
  CountBox = StaticText1;
  RowButtons = {EditButton, DeleteButton};
  AddButtons = {AddButton};
}

// ---------------------------------------------------------------------------------------
// Handlers

void TVlanMapTableForm::FormCreate(TObject*) {
  Guarded(
      [&] {
        NvVlanMapRequestEdits* request = MakeRequest();
        Table = request;
        Table->BindListView(ListView1, true);
        VarCount = Table->Request.Vars.GetCount();
        IndexCount = Table->Request.Vars.IndexCount;
        ExemptVar = StatusVar;  // the row status always goes with a write
        for (int var = 0; var < static_cast<int>(Fields.size()); ++var) {
          const Field& field = Fields[size_t(var)];
          if (auto* combo = dynamic_cast<TComboBox*>(field.Control))
            BindWithInclude(Table, var, combo, field.Include);
          else
            BindEditWithInclude(Table, var, field.Format, static_cast<TEdit*>(field.Control), field.Include);
        }
        ClearDetailControls();
        TrackWalks(Table);
        StartWalk(Table);
      },
      [&] { DataComplete = 1; });
  IdleButtons();
  ShowRowCount();
}

void TVlanMapTableForm::ApplyLockedState() {
  DisableFormControls(this, true, true, true);
  VIDEdit->Enabled = true;
  VIDEdit->Color = clWindow;
}

// Only the writable fields and their boxes can be used; the read-only ones are greyed.
void TVlanMapTableForm::ApplyEditState() {
  EnableFormControls(this, true, true, true);
  VIDEdit->Enabled = false;
  VIDEdit->Color = clBtnFace;
  if (!Table) return;
  for (int var = IndexCount; var < static_cast<int>(Fields.size()); ++var) {
    if (Table->Request.Vars.GetVar(var)->Access & NvAccess::writeonly) continue;
    Fields[size_t(var)].Include->Enabled = false;
    Fields[size_t(var)].Control->Color = clBtnFace;
    if (dynamic_cast<TEdit*>(Fields[size_t(var)].Control)) Fields[size_t(var)].Control->Enabled = false;
  }
}

void TVlanMapTableForm::ClearDetailControls() {
  UncheckAll(IncludeControls);
  ResetFormControls(this, true, true, true);
  ApplyLockedState();
}

void TVlanMapTableForm::GetButtonClick(TObject*) { RefreshAll(); }

void TVlanMapTableForm::ListView1Change(TObject*, TListItem*, TItemChange) { ShowRowCount(); }

void TVlanMapTableForm::ApplyEnablingRules() {
  if (ListView1->Selected()) ApplyEditState();
}

void TVlanMapTableForm::CheckButtonClick(TObject*) {
  CheckAllEnabled(IncludeControls);
  if (!Table) return;
  for (int var = IndexCount; var < static_cast<int>(Fields.size()); ++var)
    if (!(Table->Request.Vars.GetVar(var)->Access & NvAccess::writeonly)) Fields[size_t(var)].Include->Checked = false;
}

void TVlanMapTableForm::UncheckButtonClick(TObject*) { UncheckAll(IncludeControls); }

void TVlanMapTableForm::AfterWrite() {
  WriteMode = NvVlanMapWrite::None;
  IdleButtons();
  ClearDetailControls();
  ShowRowCount();
}

void TVlanMapTableForm::AddButtonClick(TObject*) {
  if (const char* refusal = AddRefusal(); refusal && ListView1->Items->Count > 0) {
    ShowMessage(refusal);
    return;
  }
  if (!WriteAllowed(NvDialogText::GetNotComplete)) return;
  const std::string key = VIDEdit->Text;
  UncheckAll(IncludeControls);
  cbxRow->Checked = true;
  chkVID->Checked = true;
  RowComboBox->ItemIndex = kCreateAndGo;
  WriteMode = NvVlanMapWrite::Add;
  const NvSetStep steps[] = {IncludedStep()};
  WriteAndReread(steps);
  AfterWrite();
  if (!EmptyKeyAfterAdd) VIDEdit->Text = key;
}

// Every ticked map column must convert: a reversed range or a VLAN of another column would
// otherwise be written into this one.
bool TVlanMapTableForm::MapTextsValid() {
  for (int k = 0; k < kMapColumns; ++k) {
    if (!cbxVlanRange[k]->Checked || !cbxVlanRange[k]->Enabled) continue;
    std::string text = VLANRangeEdit[k]->Text;
    if (!VlanMapTextToBitmap(text, k)) {
      if (VLANRangeEdit[k]->Enabled) ActiveControl = VLANRangeEdit[k];
      return false;
    }
  }
  return true;
}

void TVlanMapTableForm::EditButtonClick(TObject*) {
  if (!ListView1->Selected() || !WriteAllowed(NvDialogText::GetNotComplete)) return;
  chkVID->Checked = true;
  bool valid = false;
  Guarded([&] { valid = PrepareEdit() && MapTextsValid(); });
  if (!valid) return;
  WriteMode = NvVlanMapWrite::Edit;
  const NvSetStep steps[] = {IncludedStep()};
  WriteAndReread(steps);
  AfterWrite();
}

void TVlanMapTableForm::DeleteButtonClick(TObject*) {
  if (!ListView1->Selected() || !WriteAllowed(NvDialogText::GetNotComplete)) return;
  if (ConfirmDeleteSelectedRow(StatusVar, "destroy")) AfterWrite();
}

void TVlanMapTableForm::CloseButtonClick(TObject*) { Close(); }

void TVlanMapTableForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
