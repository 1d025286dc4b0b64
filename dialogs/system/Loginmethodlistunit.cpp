#include "Loginmethodlistunit.h"

#include <algorithm>
#include <string>

#include "Dialogs.h"
#include "FormHelpers.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_aaa.h"

namespace {
enum : int { VarName = 0, VarRowStatus = 9 };
constexpr int VarType(int method) { return 1 + 2 * method; }
constexpr int VarServer(int method) { return 2 + 2 * method; }
constexpr int kCreateAndGo = 3;  // item of RowComboBox
constexpr int kOther = 0;        // item of each type box
const char* const kOrderQuestion =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
}  // namespace

TLoginMethodListForm::TLoginMethodListForm(TComponent* Owner, int isLoginList)
    : TAacListDialog(Owner, 640, 370, 170, "StaticText1"), IsLoginList(isLoginList) {
  Name = "LoginMethodListForm";
  Caption = "Login Method List";
  StaticText1 = static_cast<TStaticText*>(CountBox);
  ListnameEdit = PutDetail<TEdit>("NameLabel", "Name", "ListnameEdit", 8, 8, 100, 120);
  static const char* const typeNames[] = {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"};
  static const char* const serverNames[] = {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"};
  static const char* const typeLabels[] = {"TypeLabel1", "TypeLabel2", "TypeLabel3", "TypeLabel4"};
  static const char* const serverLabels[] = {"ServerLabel1", "ServerLabel2", "ServerLabel3", "ServerLabel4"};
  for (int m = 0; m < 4; ++m) {
    const std::string number = std::to_string(m + 1);
    const int top = 36 + 28 * m;
    ComboBoxType[m] = PutDetail<TComboBox>(typeLabels[m], "Method " + number + " Type", typeNames[m], 8, top, 100, 120);
    ServerEdit[m] = PutDetail<TEdit>(serverLabels[m], "Method " + number + " Server Group", serverNames[m], 244, top,
                                     150, 120);
  }
  Put<TLabel>(DetailPanel, "RowLabel", 244, 11, 144, 13, "Row Status")->Visible = false;
  RowComboBox = Put<TComboBox>(DetailPanel, "RowComboBox", 394, 8, 120, 21);
  RowComboBox->Visible = false;

  AddButton->OnClick = Handler(this, &TLoginMethodListForm::AddButtonClick);
  EditButton->OnClick = Handler(this, &TLoginMethodListForm::EditButtonClick);
  ComboBoxType[0]->OnChange = Handler(this, &TLoginMethodListForm::ComboBoxType1Change);
  ComboBoxType[1]->OnChange = Handler(this, &TLoginMethodListForm::ComboBoxType2Change);
  ComboBoxType[2]->OnChange = Handler(this, &TLoginMethodListForm::ComboBoxType3Change);
  ComboBoxType[3]->OnChange = Handler(this, &TLoginMethodListForm::ComboBoxType4Change);
  OnCreate = Handler(this, &TLoginMethodListForm::FormCreate);
  StatusColumn = VarRowStatus;
  LockedKeys = {ListnameEdit};
  DoCreate();
}

void TLoginMethodListForm::FormCreate(TObject*) {
  Guarded([&] {
    OpenTable(IsLoginList == 1 ? AacLoginMethodListTable : AacEnableMethodListTable, 1);
    Table->BindEdits(VarName, "%s{l15}", ListnameEdit);
    for (int m = 0; m < 4; ++m) {
      Table->BindControl(VarType(m), ComboBoxType[m]);
      Table->BindEdits(VarServer(m), "%s{l15}", ServerEdit[m]);
    }
    Table->BindControl(VarRowStatus, RowComboBox);
    StartingChoices = {{RowComboBox, "createAndGo"}};
    ClearDetailControls();
  });
  FirstWalk();
}

void TLoginMethodListForm::ClearDetailControls() {
  ResetFormControls(this, true, true, true);
  ShowStartingChoices();
  ShowRowCount();
}

void TLoginMethodListForm::TypeChanged(int method) {
  ServerEdit[method]->Enabled = ComboBoxType[method]->Text() == "server-group";
  ServerEdit[method]->Text = "";
}

void TLoginMethodListForm::ComboBoxType1Change(TObject*) { TypeChanged(0); }
void TLoginMethodListForm::ComboBoxType2Change(TObject*) { TypeChanged(1); }
void TLoginMethodListForm::ComboBoxType3Change(TObject*) { TypeChanged(2); }
void TLoginMethodListForm::ComboBoxType4Change(TObject*) { TypeChanged(3); }

// The list named "default" stays; a server group is named only for a server-group method.
void TLoginMethodListForm::ApplyEnablingRules() {
  TListItem* row = ListView1->Selected();
  if (row && row->Caption() == "default") DeleteButton->Enabled = false;
  for (size_t m = 0; m < std::size(ComboBoxType); ++m)
    ServerEdit[m]->Enabled = ComboBoxType[m]->Text() == "server-group";
}

bool TLoginMethodListForm::CheckMethodOrder() {
  const std::string local = IsLoginList == 1 ? "local" : "local-enable";
  int firstFinal = -1;
  for (int m = 0; m < 4; ++m) {
    const std::string type = ComboBoxType[m]->Text;
    MethodSlot[m] = type.empty() || type == "other" ? kNoMethod : ComboBoxType[m]->ItemIndex;
    if (firstFinal < 0 && (type == local || type == "none")) firstFinal = m;
  }
  if (firstFinal < 0) return true;
  for (int m = firstFinal + 1; m < 4; ++m)
    if (MethodSlot[m] != kNoMethod) return false;
  return true;
}

// Only the methods after the first final one go; a blank method before it still travels, as
// "other", so it replaces whatever the switch held in its place.
void TLoginMethodListForm::DropIneffectiveMethods(NvSetStep& step) {
  CheckMethodOrder();
  const std::string local = IsLoginList == 1 ? "local" : "local-enable";
  bool afterFinal = false;
  for (int m = 0; m < 4; ++m) {
    if (afterFinal) {
      MethodSlot[m] = kNoMethod;
      std::erase(step.Carries, VarType(m));
      std::erase(step.Carries, VarServer(m));
    }
    const std::string type = ComboBoxType[m]->Text;
    if (type == local || type == "none") afterFinal = true;
  }
}

// Yes to the question leaves everything as typed; No writes the list without the methods
// that would never be tried.
void TLoginMethodListForm::WriteList(NvSetStep step) {
  bool drop = false;
  if (!CheckMethodOrder()) {
    if (MessageDlg(kOrderQuestion, mtConfirmation, mbYesNo, 0) == mrYes) return;
    drop = true;
  }
  for (int m = 0; m < 4; ++m) {
    if (ComboBoxType[m]->ItemIndex < 0) ComboBoxType[m]->ItemIndex = kOther;
    step.Carries.push_back(VarType(m));
    if (!ServerEdit[m]->Text().empty()) step.Carries.push_back(VarServer(m));
  }
  if (drop) DropIneffectiveMethods(step);
  WriteRow(step);
}

void TLoginMethodListForm::AddButtonClick(TObject*) {
  if (ListnameEdit->Text().empty()) {
    Refuse("Name must be set.", ListnameEdit);
    return;
  }
  if (Listed(ListnameEdit->Text)) {
    Refuse("Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
           ListnameEdit);
    return;
  }
  RowComboBox->ItemIndex = kCreateAndGo;
  WriteList(NvSetStep{{VarRowStatus}});
}

void TLoginMethodListForm::EditButtonClick(TObject*) {
  if (ListnameEdit->Text().empty()) {
    Refuse("Name must be set.");
    return;
  }
  WriteList(NvSetStep{});
}

