#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QPixmap>
#include <QTreeWidget>
#include <QWidget>

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "StdCtrls.h"
#include "shown_window.h"

namespace {

struct Window : ShownWindow {};

}  // namespace

TEST_F(Window, EditReportsEveryChangeOfItsText) {
  auto* edit = Add<TEdit>();
  std::vector<std::string> seen;
  edit->OnChange = [&](TObject*) { seen.push_back(edit->Text); };
  edit->Text = "12";
  edit->Text = "12";  // unchanged: nothing to report
  GuiTesting::UserType(edit, "3");
  EXPECT_EQ(seen, (std::vector<std::string>{"12", "123"}));
}

TEST_F(Window, EditKeyPressCanDropOrReplaceTheKey) {
  auto* edit = Add<TEdit>();
  edit->OnKeyPress = [](TObject*, char& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  };
  GuiTesting::UserType(edit, "1x2a");
  EXPECT_EQ(edit->Text(), "12A");
}

TEST_F(Window, MaxLengthLimitsTypingButNotTheProgram) {
  auto* edit = Add<TEdit>();
  edit->MaxLength = 3;
  GuiTesting::UserType(edit, "12345");
  EXPECT_EQ(edit->Text(), "123");
  edit->Text = "abcdef";  // a longer value from elsewhere stays whole
  EXPECT_EQ(edit->Text(), "abcdef");
  GuiTesting::UserKey(edit, VK_BACK);
  EXPECT_EQ(edit->Text(), "abcde");
}

TEST_F(Window, MemoLinesAndTextAgree) {
  auto* memo = Add<TMemo>();
  int changes = 0;
  memo->OnChange = [&](TObject*) { ++changes; };
  memo->Lines->Add("Get: Ok!");
  memo->Lines->Add("");
  memo->Lines->Add("Set: Ok!");
  EXPECT_EQ(memo->Text(), "Get: Ok!\r\n\r\nSet: Ok!");
  EXPECT_EQ(changes, 3);
  memo->Text = "a\r\nb";
  EXPECT_EQ(memo->Lines->Count, 2);
  EXPECT_EQ(memo->Lines->Strings[1], "b");
}

TEST_F(Window, TextsKeepEveryByte) {
  auto* edit = Add<TEdit>();
  std::string bytes;
  for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c == '\n' || c == '\r' ? 'x' : c);
  edit->Text = bytes;
  EXPECT_EQ(edit->Text(), bytes);
}

TEST_F(Window, ComboReportsOnlyTheUsersChoice) {
  auto* combo = Add<TComboBox>();
  combo->Style = csDropDownList;
  combo->Items->Add("enabled");
  combo->Items->Add("disabled");
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };

  combo->ItemIndex = 1;
  combo->Text = "enabled";
  EXPECT_EQ(combo->ItemIndex, 0);
  EXPECT_EQ(changes, 0);

  GuiTesting::UserChoose(combo, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo->Text(), "disabled");

  combo->Text = "";
  EXPECT_EQ(combo->ItemIndex, -1);
  combo->Items->Clear();
  EXPECT_EQ(changes, 1);
}

TEST_F(Window, ListViewReportsSelectionByUserAndProgram) {
  auto* list = Add<TListView>();
  list->ViewStyle = vsReport;
  list->SetBounds(0, 0, 300, 200);
  for (const char* caption : {"Index", "Name"}) {
    TListColumn* column = list->Columns->Add();
    column->Caption = caption;
    column->Width = -2;
  }
  list->Columns->Items[0]->Width = 0;
  for (const char* name : {"a", "b", "c"}) {
    TListItem* item = list->Items->Add();
    item->Caption = std::string("1") + name;
    item->SubItems->Add(name);
  }
  EXPECT_EQ(list->Columns->Items[0]->Width, 0);
  EXPECT_GT(list->Columns->Items[1]->Width, 0);

  std::vector<std::string> events;
  list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
    events.push_back(item->SubItems->Strings[0] + (selected ? "+" : "-"));
  };
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };

  list->Selected = list->Items->Item[1];
  GuiTesting::UserClickItem(list, list->Items->Item[2]);
  list->Selected = nullptr;
  EXPECT_EQ(events, (std::vector<std::string>{"b+", "b-", "c+", "c-"}));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list->Selected(), nullptr);

  list->Items->Item[0]->Selected = true;
  EXPECT_EQ(list->ItemIndex, 0);
  list->Items->Clear();  // items going away report nothing
  EXPECT_EQ(events.size(), 5u);
  EXPECT_EQ(list->Items->Count, 0);
}

TEST_F(Window, ListViewChangeFollowsTexts) {
  auto* list = Add<TListView>();
  list->ViewStyle = vsReport;
  list->Columns->Add()->Caption = "Name";
  std::vector<int> counts;
  list->OnChange = [&](TObject*, TListItem*, TItemChange change) {
    if (change == ctText) counts.push_back(list->Items->Count);
  };
  list->Items->Add()->Caption = "one";
  list->Items->Add()->Caption = "two";
  EXPECT_EQ(counts, (std::vector<int>{1, 2}));
}

TEST_F(Window, ListViewChangeFollowsClearAndDelete) {
  auto* list = Add<TListView>();
  list->ViewStyle = vsReport;
  list->Columns->Add()->Caption = "Name";
  int shown = -1;  // a count box fed by the change event
  list->OnChange = [&](TObject*, TListItem*, TItemChange) { shown = list->Items->Count; };
  for (const char* name : {"one", "two", "three"}) list->Items->Add()->Caption = name;
  ASSERT_EQ(shown, 3);
  list->Items->Delete(0);
  EXPECT_EQ(shown, 2);
  list->Items->Clear();  // a read that brings no rows
  EXPECT_EQ(shown, 0);
}

TEST_F(Window, ListViewDataStateChangeFollowsEveryRowAddedOrRemoved) {
  auto* list = Add<TListView>();
  list->ViewStyle = vsReport;
  list->Columns->Add()->Caption = "Name";
  std::vector<int> counts;
  list->OnDataStateChange = [&](TObject*) { counts.push_back(list->Items->Count); };
  for (const char* name : {"one", "two"}) list->Items->Add()->Caption = name;
  list->Items->Item[0]->Caption = "first";  // a text: no change of rows
  list->Items->Delete(0);
  list->Items->Clear();
  list->Items->Clear();  // already empty
  EXPECT_EQ(counts, (std::vector<int>{1, 2, 1, 0}));
}

TEST_F(Window, CheckBoxClickFollowsEveryChange) {
  auto* box = Add<TCheckBox>();
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  box->Checked = true;
  box->Checked = true;
  GuiTesting::UserClick(box);
  EXPECT_FALSE(box->Checked);
  EXPECT_EQ(clicks, 2);
}

TEST_F(Window, PageWithHiddenTabStillShows) {
  auto* pages = Add<TPageControl>();
  auto* first = new TTabSheet(pages);
  first->PageControl = pages;
  first->Caption = "Unit1";
  auto* second = new TTabSheet(pages);
  second->PageControl = pages;
  second->TabVisible = false;
  EXPECT_EQ(pages->ActivePage(), first);
  int changes = 0;
  pages->OnChange = [&](TObject*) { ++changes; };

  pages->ActivePage = second;
  EXPECT_TRUE(second->Widget()->isVisible());
  EXPECT_FALSE(first->Widget()->isVisible());
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(second->Width, first->Width);
}

TEST_F(Window, StatusBarShowsSimpleTextWithoutPanels) {
  auto* bar = Add<TStatusBar>();
  EXPECT_EQ(bar->Align, alBottom);
  EXPECT_EQ(bar->Top + bar->Height, form->ClientHeight);
  bar->SimpleText = "Get: Ok!";
  EXPECT_EQ(bar->SimpleText(), "Get: Ok!");
  TStatusPanel* panel = bar->Panels->Add();
  panel->Text = "Set: Ok!";
  EXPECT_EQ(bar->Panels->Items[0]->Text(), "Set: Ok!");
}

TEST_F(Window, GroupBoxHoldsItsControlsInsideItsFrame) {
  auto* box = Add<TGroupBox>();
  box->SetBounds(10, 20, 200, 120);
  box->Caption = "Weekdays";
  EXPECT_EQ(static_cast<QGroupBox*>(box->Widget())->title(), QString("Weekdays"));
  auto* check = new TCheckBox(form);
  check->Parent = box;
  check->SetBounds(8, 24, 80, 17);
  EXPECT_EQ(box->ControlCount, 1);
  EXPECT_EQ(check->Widget()->parentWidget(), box->Widget());
  EXPECT_EQ(check->Widget()->geometry(), QRect(8, 24, 80, 17));
  auto* filler = new TPanel(form);
  filler->Parent = box;
  filler->Align = alClient;  // stays below the caption and inside the frame
  EXPECT_GT(filler->Top, 0);
  EXPECT_GT(filler->Left, 0);
  EXPECT_LT(filler->Top + filler->Height, box->Height);
  EXPECT_LT(filler->Left + filler->Width, box->Width);
  box->Enabled = false;
  EXPECT_FALSE(check->Widget()->isEnabled());
}

TEST_F(Window, OwnerFreesWhatItOwnsAndParentsKeepTheirChildren) {
  auto* panel = Add<TPanel>();
  auto* label = new TLabel(form);
  label->Parent = panel;
  label->Name = "Label1";
  EXPECT_EQ(panel->ControlCount, 1);
  EXPECT_EQ(label->Parent(), panel);
  EXPECT_EQ(form->FindComponent("label1"), label);
  int owned = form->ComponentCount;
  delete panel;  // takes its child along, and both leave their owner
  EXPECT_EQ(form->ComponentCount, owned - 2);
  EXPECT_EQ(form->FindComponent("Label1"), nullptr);
}

TEST_F(Window, NextControlMessageMovesTheFocusOn) {
  auto* first = Add<TEdit>();
  auto* second = Add<TEdit>();
  second->Top = 30;
  int exits = 0;
  first->OnExit = [&](TObject*) { ++exits; };
  first->SetFocus();
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return first->Focused(); }));
  PostMessage(form->Handle, WM_NEXTDLGCTL, 0, 0);
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return second->Focused(); }));
  EXPECT_EQ(exits, 1);
}

// The grid lines paint over no pixel of a row's text: "_all_" keeps its underscores.
TEST_F(Window, ListRowWithGridLinesShowsItsUnderscores) {
  auto* list = Add<TListView>();
  list->ViewStyle = vsReport;
  list->SetBounds(0, 0, 300, 200);
  TListColumn* column = list->Columns->Add();
  column->Caption = "View Name";
  column->Width = 150;
  list->Items->Add()->Caption = "_all_";
  auto* tree = static_cast<QTreeWidget*>(list->Widget());
  const QRect row = tree->visualItemRect(tree->topLevelItem(0));
  auto shot = [&](bool grid) {
    list->GridLines = grid;
    Application->ProcessMessages();
    return tree->viewport()->grab().toImage().copy(row);
  };
  const QImage plain = shot(false);
  const QImage gridded = shot(true);
  int text = 0, covered = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) {
      if (qGray(plain.pixel(x, y)) >= 128) continue;
      ++text;
      if (qGray(gridded.pixel(x, y)) >= 128) ++covered;
    }
  EXPECT_GT(text, 10);
  EXPECT_EQ(covered, 0);
  // The underscores are drawn: the text reaches below the letters' baseline row.
  int lowest = -1;
  for (int y = 0; y < gridded.height(); ++y)
    for (int x = 0; x < gridded.width(); ++x)
      if (qGray(gridded.pixel(x, y)) < 128) lowest = y;
  EXPECT_LT(lowest, row.height() - 1);
}
