// The port picker and the model/port helpers.
#include "StackingPortUitForm.h"
#include "views_test_support.h"

using namespace viewstest;

namespace {

TCheckBox* Box(TStackingPortUitForm* picker, int i) { return static_cast<TCheckBox*>(picker->CheckBoxes->Get(i)); }

struct PickerWindow {
  PickerWindow() {
    form = new TForm(Application);
    form->ClientWidth = 560;
    form->ClientHeight = 300;
    pages = new TPageControl(form);
    pages->Parent = form;
    pages->Align = alClient;
    picker = new TStackingPortUitForm(form);
    AddStackingPortPage("Egress Ports", picker, pages);
  }
  ~PickerWindow() { delete form; }
  TForm* form;
  TPageControl* pages;
  TStackingPortUitForm* picker;
};

}  // namespace

TEST(ModelPortHelpers, PortCountByModelAndThePositionList) {
  EXPECT_EQ(GetModelPortCount("nvs-7000-b"), 18);
  EXPECT_EQ(GetModelPortCount("NVS-7000-A"), 10);
  EXPECT_EQ(GetModelPortCount("NVS-7000-C"), 26);
  EXPECT_EQ(GetModelPortCount(""), 28);
  EXPECT_EQ(GetModelPortCount(ModelName), 28);
  EXPECT_EQ(ModelName, "NVS-7000-D");
  EXPECT_EQ(TitleSuffix, "");
  std::string list;
  MakePortIndexList(list);
  EXPECT_EQ(list.rfind("0,1,2,", 0), 0u);
  EXPECT_EQ(list.substr(list.size() - 3), ",63");
  EXPECT_EQ(std::count(list.begin(), list.end(), ','), 63);
  EXPECT_EQ(MakePortIndexList(), list);
  EXPECT_EQ(MakePortIndexList(64), list);
  const std::string four = MakePortIndexList(32);
  EXPECT_EQ(four.substr(four.size() - 3), ",31");
  EXPECT_EQ(std::count(four.begin(), four.end(), ','), 31);
}

TEST(PortPicker, OnePageOf64NumberedBoxesInRowsOf12WithTheModelsPortsShown) {
  PickerWindow w;
  TStackingPortUitForm* picker = w.picker;
  ASSERT_EQ(picker->CheckBoxes->Count, 64);
  ASSERT_EQ(picker->UnitSheets->Count, 1);
  auto* unit = static_cast<TTabSheet*>(picker->UnitSheets->Get(0));
  EXPECT_EQ(unit->Caption(), "Unit1 NVS-7000-D");
  EXPECT_FALSE(unit->TabVisible());
  EXPECT_EQ(w.pages->PageCount, 1);
  EXPECT_EQ(w.pages->Pages[0]()->Caption(), "Egress Ports");
  EXPECT_EQ(picker->Parent(), w.pages->Pages[0]());
  EXPECT_EQ(Box(picker, 0)->Caption(), "1");
  EXPECT_EQ(Box(picker, 63)->Caption(), "64");
  EXPECT_TRUE(Box(picker, 27)->Visible());
  EXPECT_FALSE(Box(picker, 28)->Visible());
  // Column c at 20 + 40c, row r below row r - 1.
  EXPECT_EQ(Box(picker, 1)->Left() - Box(picker, 0)->Left(), 40);
  EXPECT_EQ(Box(picker, 12)->Left(), Box(picker, 0)->Left());
  EXPECT_EQ(Box(picker, 12)->Top(), Box(picker, 0)->Top() + Box(picker, 0)->Height);
  EXPECT_EQ(Box(picker, 11)->Top(), Box(picker, 0)->Top());
}

TEST(PortPicker, CountsCheckedBoxesOfTheFirstPageOnly) {
  PickerWindow w;
  TStackingPortUitForm* picker = w.picker;
  picker->AddUnitPage("Unit2", 65, 32, 8, 0);
  ASSERT_EQ(picker->CheckBoxes->Count, 96);
  EXPECT_EQ(Box(picker, 64)->Caption(), "1");  // every page numbers from 1
  EXPECT_EQ(Box(picker, 95)->Caption(), "32");
  EXPECT_EQ(Box(picker, 64 + 8)->Left(), Box(picker, 64)->Left());
  Box(picker, 63)->Checked = true;
  EXPECT_EQ(picker->CountChecked(), 1);
  picker->UncheckAll();
  Box(picker, 70)->Checked = true;
  EXPECT_EQ(picker->CountChecked(), 0);
  picker->DisableAll();
  EXPECT_FALSE(Box(picker, 5)->Enabled());
  picker->EnableAll();
  EXPECT_TRUE(Box(picker, 5)->Enabled());
  // A unit text that is no number changes nothing.
  picker->ShowUnit("x", ModelName, 1, 64, 12);
  EXPECT_FALSE(Box(picker, 40)->Visible());
  EXPECT_EQ(static_cast<TTabSheet*>(picker->UnitSheets->Get(0))->Caption(), "Unit1 NVS-7000-D");
}

TEST(PortPicker, AScalarPortListReadIntoThePickerAndWrittenBack) {
  PickerWindow w;
  auto* binding = NewBinding(w.form);
  binding->Request.Vars.AddVar((kScalars + ".7").c_str(), "Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
  binding->Asynchronous = 0;
  binding->BindControlList(0, MakePortIndexList(), w.picker->CheckBoxes);
  ASSERT_TRUE(binding->Get());
  EXPECT_TRUE(Box(w.picker, 0)->Checked());
  EXPECT_TRUE(Box(w.picker, 1)->Checked());
  EXPECT_FALSE(Box(w.picker, 2)->Checked());
  Sim()->clearSetLog();
  Box(w.picker, 1)->Checked = false;
  Box(w.picker, 31)->Checked = true;
  ASSERT_TRUE(binding->Set(false, true));
  EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kScalars + ".7.0=4x:8000000100000000"});
  Box(w.picker, 1)->Checked = true;  // put the seed value back
  Box(w.picker, 31)->Checked = false;
  ASSERT_TRUE(binding->Set(false, true));
  delete binding;
}

TEST(PortPicker, FiftySixBoxesBoundByTheFiftySixPositions) {
  const std::string list56 = MakePortIndexList(56);
  EXPECT_EQ(list56.rfind("0,1,2,", 0), 0u);
  EXPECT_EQ(list56.substr(list56.size() - 6), ",54,55");
  EXPECT_EQ(std::count(list56.begin(), list56.end(), ','), 55);
  TForm* form = new TForm(Application);
  auto* picker = new TStackingPortUitForm(form);
  picker->Parent = form;
  picker->AddUnitPage("Unit1", 1, 56, 12, 0);
  ASSERT_EQ(picker->CheckBoxes->Count, 56);
  auto* binding = NewBinding(form);
  binding->Request.Vars.AddVar((kScalars + ".7").c_str(), "Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
  binding->Asynchronous = 0;
  binding->BindControlList(0, MakePortIndexList(56), picker->CheckBoxes);
  ASSERT_TRUE(binding->Get());
  EXPECT_TRUE(Box(picker, 0)->Checked());
  EXPECT_TRUE(Box(picker, 1)->Checked());
  Sim()->clearSetLog();
  Box(picker, 55)->Checked = true;  // the last position: bit 0x01 of the seventh octet
  ASSERT_TRUE(binding->Set(false, true));
  EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kScalars + ".7.0=4x:C000000000000100"});
  Box(picker, 55)->Checked = false;  // put the seed value back
  ASSERT_TRUE(binding->Set(false, true));
  delete binding;
  delete form;
}
