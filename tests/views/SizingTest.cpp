// How a view window fits its contents: 350 to 800 pixels wide and at most 550 high for one
// view; a tab view follows its largest page and keeps room for its tabs.
#include "views_test_support.h"

using namespace viewstest;

namespace {

TConfigForm* EditorOf(int rows) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  for (int i = 0; i < rows; ++i) {
    const std::string label = "Row " + std::to_string(i);
    binding->Request.Vars.AddVar((kScalars + ".2").c_str(), label.c_str(), NvSyntax::displaystr, NvAccess::readwrite,
                                 nullptr);
  }
  form->MakeEditorForm(binding);
  return form;
}

TSNMPEditorPanel* EditorPanel(TConfigForm* form) {
  for (int i = 0; i < form->ControlCount; ++i)
    if (auto* panel = dynamic_cast<TSNMPEditorPanel*>(form->Controls[i]())) return panel;
  return nullptr;
}

}  // namespace

TEST(ViewSizing, NarrowViewIs350Wide) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  binding->Request.Vars.AddVar((kLongTable + ".2").c_str(), "A", NvSyntax::displaystr, NvAccess::readonly, nullptr);
  binding->Request.Vars.Kind = MVT_FMV;
  TSNMPListViewPanel* view = form->MakeListViewForm(binding, -1, nullptr, -1, nullptr);
  EXPECT_EQ(form->ClientWidth(), 350);
  EXPECT_EQ(view->Width(), 350);
  EXPECT_EQ(view->CtrlBtnPanel->Width(), 116);
  delete form;

  // A short client: the button column decides the height, plus the status panel.
  form = EditorOf(1);
  TSNMPEditorPanel* panel = EditorPanel(form);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Height(), panel->CtrlBtnPanel->Height + 20);
  delete form;
}

TEST(ViewSizing, WideViewStopsAt800) {
  TConfigForm* form = EditorOf(2);
  TSNMPEditorPanel* panel = EditorPanel(form);
  panel->SetEditWidth(1000);
  EXPECT_EQ(form->ClientWidth(), 800);
  EXPECT_EQ(panel->EditsPanel->Rows[0].Control->Width(), 1000);  // reached by scrolling
  delete form;
}

TEST(ViewSizing, TallViewStopsAt550AndScrolls) {
  TConfigForm* form = EditorOf(30);
  EXPECT_EQ(form->ClientHeight(), 550);
  TSNMPEditorPanel* panel = EditorPanel(form);
  EXPECT_EQ(panel->Height(), 550);
  EXPECT_GT(panel->EditsPanel->Rows[29].Control->Top, 550);  // reached by scrolling
  delete form;
}

TEST(ViewSizing, ListPanelIsEightPixelsPerCaptionCharacterUpTo450) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  const char* labels[] = {"Aaaaaaaa", "Bbbbbbbb", "Cccccccc", "Dddddddd", "Eeeeeeee"};  // 40 characters
  for (const char* label : labels)
    binding->Request.Vars.AddVar((kTable + ".2").c_str(), label, NvSyntax::displaystr, NvAccess::readonly, nullptr);
  binding->Request.Vars.Kind = MVT_FMV;
  auto* list = new TListViewPanel(form, binding);
  EXPECT_EQ(list->Width(), 320);
  EXPECT_EQ(list->Height(), 350);
  delete binding;
  delete form;

  form = new TConfigForm(Application);
  binding = NewBinding(form);
  for (const char* label : labels)
    binding->Request.Vars.AddVar((kTable + ".2").c_str(), (std::string(label) + "aaaa").c_str(), NvSyntax::displaystr,
                                 NvAccess::readonly, nullptr);
  binding->Request.Vars.Kind = MVT_FMV;
  list = new TListViewPanel(form, binding);
  EXPECT_EQ(list->Width(), 450);
  delete binding;
  delete form;
}

TEST(ViewSizing, TabViewLeavesRoomForItsTabsAndFollowsItsLargestPage) {
  auto* form = new TConfigForm(Application);
  form->MakePageForm();
  auto* small = NewBinding(form);
  UseScalars(small->Request);
  TSNMPEditorPanel* first = form->AddEditorPage("Small", small);
  auto* tall = NewBinding(form);
  for (int i = 0; i < 30; ++i)
    tall->Request.Vars.AddVar((kScalars + ".2").c_str(), ("Row " + std::to_string(i)).c_str(), NvSyntax::displaystr,
                              NvAccess::readwrite, nullptr);
  TSNMPEditorPanel* second = form->AddEditorPage("Tall", tall);
  TControl* last = second->EditsPanel->Rows[29].Control;
  const int tallHeight = last->Top + last->Height + 40 + 20;  // rows, margin, status panel

  TTabSheet* sheet = form->PageControl->Pages[1];
  form->PageControl->ActivePage = sheet;
  // Not bounded by 550, and the whole page (status panel included) below the tabs.
  EXPECT_GT(form->ClientHeight(), 550);
  EXPECT_GE(sheet->Height(), tallHeight);
  EXPECT_GE(second->Height(), tallHeight);
  EXPECT_GE(form->PageControl->Height - sheet->Top - sheet->Height, 0);
  EXPECT_GT(sheet->Top(), 0);  // the tab bar is above the page
  EXPECT_EQ(first->Parent(), form->PageControl->Pages[0]());
  EXPECT_EQ(form->PageControl->Pages[1]()->Tag, 1);
  delete form;
}
