#include "StackingPortUitForm.h"

#include <strings.h>

#include <algorithm>

std::string ModelName = "NVS-7000-D";
std::string TitleSuffix;

namespace {

constexpr int kSlotsPerUnit = 64;

// A whole decimal number, as the text must be all of it.
bool ParseNumber(const std::string& text, int& number) {
  try {
    size_t used = 0;
    number = std::stoi(text, &used);
    return used == text.size();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

TStackingPortUitForm::TStackingPortUitForm(TComponent* AOwner) : TForm(AOwner) {
  BorderStyle = bsNone;
  ClientWidth = 543;
  ClientHeight = 252;
  Font->Name = "MS Sans Serif";
  Font->Size = 8;
  UnitPageControl = new TPageControl(this);
  UnitPageControl->Name = "UnitPageControl";
  UnitPageControl->Parent = this;
  UnitPageControl->Align = alClient;
  OnCreate = Handler(this, &TStackingPortUitForm::FormCreate);
  OnDestroy = Handler(this, &TStackingPortUitForm::FormDestroy);
  DoCreate();  // the lists exist as soon as the picker does
}

TStackingPortUitForm::~TStackingPortUitForm() = default;

void TStackingPortUitForm::FormCreate(TObject*) {
  CheckBoxes = new TList;
  UnitSheets = new TList;
}

void TStackingPortUitForm::FormDestroy(TObject*) {
  if (CheckBoxes) {
    for (int i = 0; i < CheckBoxes->Count; ++i) delete static_cast<TCheckBox*>(CheckBoxes->Get(i));
    delete CheckBoxes;
    CheckBoxes = nullptr;
  }
  delete CurrentScrollBox;
  CurrentScrollBox = nullptr;
  if (UnitSheets) {
    for (int i = 0; i < UnitSheets->Count; ++i) delete static_cast<TTabSheet*>(UnitSheets->Get(i));
    delete UnitSheets;
    UnitSheets = nullptr;
  }
}

void TStackingPortUitForm::AddUnitPage(const std::string& caption, int, int count, int columns, int singlePage) {
  if (singlePage) {
    UnitPageControl->Visible = false;
    CurrentScrollBox = new TScrollBox(this);
    CurrentScrollBox->Parent = this;
    CurrentScrollBox->Align = alClient;
    return;
  }
  auto* sheet = new TTabSheet(this);
  auto* box = new TScrollBox(this);
  CurrentScrollBox = box;
  UnitSheets->Add(sheet);
  sheet->PageControl = UnitPageControl;
  sheet->Caption = caption;
  box->Parent = sheet;
  box->Align = alClient;
  columns = std::max(columns, 1);
  for (int i = 0; i < count; ++i) {
    auto* port = new TCheckBox(box);
    const std::string number = std::to_string(i + 1);
    port->Caption = number;
    const int f = port->Font->Size;
    const int column = i % columns, row = i / columns;
    port->Left = 20 + column * 5 * f;
    port->Width = (int(number.size()) + 3) * f;
    port->Parent = box;
    port->Top = 4 + row * port->Height;
    port->Visible = false;
    CheckBoxes->Add(port);
  }
  sheet->TabVisible = false;
}

void TStackingPortUitForm::ShowUnit(const std::string& unitNumber, const std::string& modelName, int, int visibleCount,
                                    int) {
  int n = 0;
  if (!ParseNumber(unitNumber, n) || n < 1 || n > UnitSheets->Count) return;
  auto* sheet = static_cast<TTabSheet*>(UnitSheets->Get(n - 1));
  sheet->TabVisible = true;
  sheet->Caption = sheet->Caption + " " + modelName;
  sheet->TabVisible = false;
  sheet->Visible = true;
  UnitPageControl->ActivePage = sheet;
  const int first = kSlotsPerUnit * (n - 1);
  for (int k = first; k < first + visibleCount; ++k) {
    if (k < 0 || k >= CheckBoxes->Count) return;
    static_cast<TCheckBox*>(CheckBoxes->Get(k))->Visible = true;
  }
}

void TStackingPortUitForm::UncheckAll() {
  for (int i = 0; i < CheckBoxes->Count; ++i) static_cast<TCheckBox*>(CheckBoxes->Get(i))->Checked = false;
}

void TStackingPortUitForm::EnableAll() {
  for (int i = 0; i < CheckBoxes->Count; ++i) static_cast<TCheckBox*>(CheckBoxes->Get(i))->Enabled = true;
}

void TStackingPortUitForm::DisableAll() {
  for (int i = 0; i < CheckBoxes->Count; ++i) static_cast<TCheckBox*>(CheckBoxes->Get(i))->Enabled = false;
}

int TStackingPortUitForm::CountChecked() const {
  int checked = 0;
  for (int i = 0; i < CheckBoxes->Count && i < kSlotsPerUnit; ++i)
    if (static_cast<TCheckBox*>(CheckBoxes->Get(i))->Checked) ++checked;
  return checked;
}

// ---------------------------------------------------------------------------------------

int GetModelPortCount(const std::string& modelName) {
  const std::pair<const char*, int> models[] = {{"NVS-7000-A", 10}, {"NVS-7000-B", 18}, {"NVS-7000-C", 26}};
  for (const auto& [name, ports] : models)
    if (strcasecmp(modelName.c_str(), name) == 0) return ports;
  return 28;
}

void MakePortIndexList(std::string& out) {
  out = "0";
  for (int i = 1; i < kSlotsPerUnit; ++i) out += "," + std::to_string(i);
}

std::string MakePortIndexList() {
  std::string list;
  MakePortIndexList(list);
  return list;
}

std::string MakePortIndexList(int positions) {
  std::string list;
  for (int i = 0; i < positions; ++i) list += (i ? "," : "") + std::to_string(i);
  return list;
}

void ShowStackingPortForm(TCustomForm* picker, TTabSheet* sheet) {
  picker->Parent = sheet;
  picker->Align = alClient;
  picker->Show();
  if (auto* ports = dynamic_cast<TStackingPortUitForm*>(picker)) {
    ports->AddUnitPage("Unit1", 1, kSlotsPerUnit, 12, 0);
    ports->ShowUnit("1", ModelName, 1, GetModelPortCount(ModelName), 12);
  }
}

void AddStackingPortPage(const std::string& caption, TStackingPortUitForm* picker, TPageControl* pages) {
  auto* sheet = new TTabSheet(pages);
  sheet->PageControl = pages;
  sheet->Caption = caption;
  sheet->TabVisible = true;
  ShowStackingPortForm(picker, sheet);
}
