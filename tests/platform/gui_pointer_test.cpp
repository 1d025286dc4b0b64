#include <gtest/gtest.h>

#include <QPoint>
#include <QWidget>

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTesting.h"
#include "StdCtrls.h"
#include "Windows.h"
#include "shown_window.h"

namespace {

struct Pointer : ShownWindow {
  TListView* FilledList() {
    auto* list = new TListView(form);
    list->Parent = form;
    list->ViewStyle = vsReport;
    list->SetBounds(0, 0, 300, 200);
    list->Columns->Add()->Caption = "Name";
    for (const char* name : {"a", "b", "c"}) list->Items->Add()->Caption = name;
    return list;
  }
};

}  // namespace

TEST_F(Pointer, ListViewFollowsTheMouseAndFindsTheRowUnderIt) {
  TListView* list = FilledList();
  std::vector<std::string> under;
  list->OnMouseMove = [&](TObject* sender, TShiftState shift, int x, int y) {
    EXPECT_EQ(sender, list);
    EXPECT_EQ(shift, 0u);
    TListItem* item = list->GetItemAt(x, y);
    under.push_back(item ? item->Caption() : "-");
  };
  GuiTesting::UserMouseMoveOverItem(list, list->Items->Item[1]);
  GuiTesting::UserMouseMoveOverItem(list, list->Items->Item[2]);
  GuiTesting::UserMouseMove(list, 5, 190);  // below the last row
  EXPECT_EQ(under, (std::vector<std::string>{"b", "c", "-"}));
  EXPECT_EQ(list->GetItemAt(5, 1), list->Items->Item[0]);
}

TEST_F(Pointer, ScrollBoxPositionScrollsWithinTheContents) {
  auto* box = new TScrollBox(form);
  box->Parent = form;
  box->SetBounds(0, 0, 200, 100);
  auto* far = new TPanel(form);
  far->Parent = box;
  far->SetBounds(0, 300, 50, 50);  // contents 350 high in a box about 100 high

  auto shownTop = [&] { return far->Widget()->mapTo(box->Widget(), QPoint(0, 0)).y(); };
  const int top = shownTop();
  EXPECT_EQ(box->VertScrollBar->Position, 0);
  box->VertScrollBar->Position = 120;
  EXPECT_EQ(box->VertScrollBar->Position, 120);
  EXPECT_EQ(shownTop(), top - 120);
  box->VertScrollBar->Position = 10000;
  const int bottom = box->VertScrollBar->Position;
  EXPECT_GT(bottom, 120);
  EXPECT_LE(bottom, 350);
  box->VertScrollBar->Position = 0;
  EXPECT_EQ(shownTop(), top);
  EXPECT_EQ(box->HorzScrollBar->Position, 0);
}

TEST_F(Pointer, ScrollBoxWithoutAutoScrollShowsNoBars) {
  auto* box = new TScrollBox(form);
  box->Parent = form;
  box->SetBounds(0, 0, 200, 100);
  auto* far = new TPanel(form);
  far->Parent = box;
  far->SetBounds(250, 300, 50, 50);
  auto shownBars = [&] {
    int shown = 0;
    for (QWidget* w : box->Widget()->findChildren<QWidget*>())
      if (w->inherits("QScrollBar") && w->isVisible()) ++shown;
    return shown;
  };
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return shownBars() == 2; }, 2000));
  box->AutoScroll = false;
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return shownBars() == 0; }, 2000));
}

TEST_F(Pointer, WindowRegionReadsBackWhatSetWindowRgnGave) {
  auto* led = new TPanel(form);
  led->Parent = form;
  led->SetBounds(10, 10, 6, 6);
  EXPECT_TRUE(GuiTesting::WindowRegion(led).empty());

  const POINT down[3] = {{0, 0}, {6, 0}, {3, 6}};
  ASSERT_EQ(SetWindowRgn(led->Handle, CreatePolygonRgn(down, 3, ALTERNATE), TRUE), 1);
  const std::vector<std::string> rows = GuiTesting::WindowRegion(led);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], "######");
  EXPECT_EQ(rows[5][0], '.');
  EXPECT_EQ(rows[5][5], '.');
  EXPECT_NE(rows[5].find('#'), std::string::npos);

  SetWindowRgn(led->Handle, nullptr, TRUE);
  EXPECT_TRUE(GuiTesting::WindowRegion(led).empty());
}
