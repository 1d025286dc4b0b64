// The dialog base form's scaling and include boxes, and the timed progress windows.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Basicform.h"
#include "ExtCtrls.h"
#include "GuiTesting.h"
#include "NvOptionList.h"
#include "NvSNMPRequest2Edits.h"
#include "Progress.h"
#include "Progress2.h"
#include "StackingPortUitForm.h"
#include "StdCtrls.h"

namespace {

const NvOptionPair kStates[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
NvOptionList States(kStates);

struct PixelsPerInch {
  explicit PixelsPerInch(int ppi) { setenv("NV_PIXELS_PER_INCH", std::to_string(ppi).c_str(), 1); }
  ~PixelsPerInch() { unsetenv("NV_PIXELS_PER_INCH"); }
};

TEST(BasicForm, KeepsItsStoredSizeAt96PixelsPerInch) {
  PixelsPerInch screen(96);
  TBasicForm form(nullptr, 401, 300);
  EXPECT_EQ(form.Width(), 401);
  EXPECT_EQ(form.Height(), 300);
  EXPECT_EQ(form.Position(), poMainFormCenter);
}

TEST(BasicForm, GrowsByAQuarterTruncatedOnOtherScreens) {
  PixelsPerInch screen(120);
  TBasicForm form(nullptr, 401, 299);
  EXPECT_EQ(form.Width(), 501);
  EXPECT_EQ(form.Height(), 373);
}

TEST(BasicForm, PortIndexListNamesTheSixtyFourBoxes) {
  TBasicForm form(nullptr, 200, 100);
  EXPECT_EQ(form.PortIndexList.rfind("0,1,2,", 0), 0u);
  EXPECT_EQ(form.PortIndexList.substr(form.PortIndexList.size() - 6), ",62,63");
}

// Variables: 0 index, 1 edit with a checked box, 2 combo with an unchecked box, 3 edit with a
// checked but disabled box, 4 row status (exempt, box unchecked), 5 a radio button as include.
TEST(BasicForm, IncludeFlagsLeaveOutWhatIsNotCheckedAndEnabled) {
  TBasicForm form(nullptr, 300, 200);
  NvSNMPRequest2Edits binding(&form);
  for (int i = 0; i < 6; ++i)
    binding.Request.Vars.AddVar(("1.3.6.1.4.1.32473.999.30." + std::to_string(i + 1)).c_str(), "v",
                                NvSyntax::integer, i ? NvAccess::readwrite : NvAccess::notaccess, i == 2 ? &States : nullptr);
  binding.Request.Vars.IndexCount = 1;
  form.VarCount = 6;
  form.IndexCount = 1;
  form.ExemptVar = 4;
  auto box = [&](bool checked, bool enabled) {
    auto* b = new TCheckBox(&form);
    b->Checked = checked;
    b->Enabled = enabled;
    return b;
  };
  auto* radio = new TRadioButton(&form);
  radio->Checked = true;
  form.BindEditWithInclude(&binding, 0, "%i", new TEdit(&form), nullptr);
  form.BindEditWithInclude(&binding, 1, "%i", new TEdit(&form), box(true, true));
  form.BindWithInclude(&binding, 2, new TComboBox(&form), box(false, true));
  form.BindEditWithInclude(&binding, 3, "%i", new TEdit(&form), box(true, false));
  form.BindEditWithInclude(&binding, 4, "%i", new TEdit(&form), box(false, true));
  form.IncludeControls->Add(static_cast<TControl*>(radio));

  form.ApplyIncludeFlags(&binding);
  const bool leftOut[] = {false, false, true, true, false, false};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ((binding.Request.Vars.GetVar(i)->Access & NvAccess::invalid) != 0, leftOut[i]) << i;
  form.ClearIncludeFlags(&binding);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(binding.Request.Vars.GetVar(i)->Access & NvAccess::invalid, 0) << i;
}

TEST(BasicForm, IncludeListShorterThanTheVariablesIsNoFault) {
  TBasicForm form(nullptr, 300, 200);
  NvSNMPRequest2Edits binding(&form);
  for (int i = 0; i < 3; ++i)
    binding.Request.Vars.AddVar(("1.3.6.1.4.1.32473.999.30." + std::to_string(i + 1)).c_str(), "v",
                                NvSyntax::integer, NvAccess::readwrite, nullptr);
  form.VarCount = 3;
  form.ApplyIncludeFlags(&binding);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(binding.Request.Vars.GetVar(i)->Access & NvAccess::invalid, 0) << i;
}

TEST(BasicForm, RequiredChecksNameWhatIsMissing) {
  GuiTesting::ScriptedAnswerer boxes;
  TBasicForm form(nullptr, 300, 200);
  auto* include = new TCheckBox(&form);
  auto* edit = new TEdit(&form);
  edit->Parent = &form;
  EXPECT_TRUE(form.CheckRequiredIfChecked(include, edit, "Name is required!"));
  include->Checked = true;
  EXPECT_FALSE(form.CheckRequiredIfChecked(include, edit, "Name is required!"));
  EXPECT_TRUE(form.CheckRequired(nullptr, "never"));
  edit->Text = "x";
  EXPECT_TRUE(form.CheckRequired(edit, "never"));
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "Name is required!");
}

TEST(BasicForm, PortPickerHasTwelveUnitsAndWantsOnePortChecked) {
  GuiTesting::ScriptedAnswerer boxes;
  TBasicForm form(nullptr, 500, 400);
  auto* host = new TPanel(&form);
  host->Parent = &form;
  form.CreatePortPicker(host, 12);
  ASSERT_NE(form.PortPicker, nullptr);
  EXPECT_EQ(form.PortPicker->Parent(), host);
  EXPECT_EQ(form.PortPicker->UnitSheets->Count, 12);
  EXPECT_GE(form.PortPicker->CheckBoxes->Count, 64);
  EXPECT_FALSE(form.CheckPortSelected());
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_EQ(boxes.Calls()[0].text, "You must choose at least 1 port!");
  static_cast<TCheckBox*>(form.PortPicker->CheckBoxes->Get(63))->Checked = true;
  EXPECT_TRUE(form.CheckPortSelected());
  static_cast<TCheckBox*>(form.PortPicker->CheckBoxes->Get(63))->Checked = false;
  static_cast<TCheckBox*>(form.PortPicker->CheckBoxes->Get(64))->Checked = true;  // unit 2 does not count
  EXPECT_FALSE(form.CheckPortSelected());
}

template <class P>
void ExpectThirtyStepsThenClose() {
  Application->Initialize();
  TForm dialog(nullptr);
  dialog.ClientWidth = 400;
  dialog.ClientHeight = 120;
  dialog.Show();
  auto* progress = new P(Application, &dialog);
  EXPECT_EQ(progress->Parent(), &dialog);
  EXPECT_TRUE(progress->ProgressTimer->Enabled());
  EXPECT_EQ(progress->ProgressBar->Max(), 76);
  EXPECT_EQ(progress->BorderIcons(), 0u);  // no close button: only the timer ends it
  progress->ProgressTimer->Interval = 2;  // the real window steps once a second
  int ticks = 0;
  auto step = progress->ProgressTimer->OnTimer;
  progress->ProgressTimer->OnTimer = [&](TObject* sender) {
    ++ticks;
    step(sender);
  };
  progress->ShowModal();
  EXPECT_EQ(ticks, 31);
  EXPECT_EQ(progress->ProgressBar->Position(), 30);
  EXPECT_FALSE(progress->ProgressTimer->Enabled());
  EXPECT_EQ(progress->Parent(), nullptr);
  delete progress;
}

TEST(ProgressWindow, CountsThirtyStepsAndClosesItselfDetached) { ExpectThirtyStepsThenClose<TProgressForm>(); }

TEST(ProgressWindow, SecondKindEndsAtItsEndStep) {
  ExpectThirtyStepsThenClose<TProgressForm2>();
}

}  // namespace
