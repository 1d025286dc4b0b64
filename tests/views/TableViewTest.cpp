// The table view: its walk in the list, Add, Edit and Delete through the row-status column.
#include "views_test_support.h"

using namespace viewstest;

namespace {

struct TableWindow : ListWindow {
  explicit TableWindow(bool addDelete = true) : ListWindow("Rows: 127.0.0.1") {
    UseTable(binding->Request);
    Made(addDelete ? form->MakeListViewForm(binding, 3, "createAndGo", 3, "destroy")
                   : form->MakeListViewForm(binding, -1, nullptr, -1, nullptr));
  }

  void Show(const std::function<void()>& step) { ShowRows(3, step); }
  bool WaitRows(int rows) {
    return WaitUntil([&] { return Idle(binding) && list->Items->Count == rows; });
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < list->Items->Count; ++i) names.push_back(list->Items->Item[i]()->SubItems->Get(0));
    return names;
  }
  TListItem* Row(const std::string& name) const {
    for (int i = 0; i < list->Items->Count; ++i)
      if (list->Items->Item[i]()->SubItems->Get(0) == name) return list->Items->Item[i];
    return nullptr;
  }
  TComboBox* StatusCombo() const { return static_cast<TComboBox*>(view->EditsPanel->Rows[3].Control); }
  // The frame of a pop-up: its one TSNMPPanel.
  static TSNMPPanel* Frame(TCustomForm& popup) { return FrameOf(popup); }
};

}  // namespace

TEST(TableView, AddEditAndDeleteARowThroughTheRowStatusColumn) {
  GuiTesting::ScriptedAnswerer boxes;
  TableWindow w;
  TCtrlBtnPanel* column = w.view->CtrlBtnPanel;
  EXPECT_TRUE(column->AddBtn->Visible());
  EXPECT_TRUE(column->DeleteBtn->Visible());
  EXPECT_FALSE(column->SetCheckedBtn->Visible());
  w.Show([&] {
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(column->CountText->Caption(), "3");
    EXPECT_FALSE(column->EditBtn->Enabled());
    Sim()->clearSetLog();

    // Add: empty values, editable index, no row-status row; Set Checked writes createAndGo.
    w.script.Then([&](TCustomForm& popup) {
      EXPECT_EQ(popup.Caption(), "Rows: 127.0.0.1 (Add)");
      TSNMPPanel* frame = TableWindow::Frame(popup);
      ASSERT_NE(frame, nullptr);
      EXPECT_EQ(frame->MsgPanel, nullptr);
      EXPECT_FALSE(frame->CtrlBtnPanel->RefreshBtn->Visible());
      EXPECT_EQ(w.Edit(0)->Text(), "");
      EXPECT_FALSE(w.Edit(0)->ReadOnly());
      EXPECT_FALSE(w.StatusCombo()->Visible());
      GuiTesting::UserType(w.Edit(0), "4");
      GuiTesting::UserType(w.Edit(1), "fourth");
      GuiTesting::UserClick(w.view->EditsPanel->Rows[1].CheckBox);
      GuiTesting::UserClick(frame->CtrlBtnPanel->SetCheckedBtn);
      EXPECT_FALSE(popup.Visible() && popup.ModalResult == mrNone);
    });
    GuiTesting::UserClick(column->AddBtn);
    EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kTable + ".2.4=4:fourth ; " + kTable + ".4.4=2:4"});
    ASSERT_TRUE(w.WaitRows(4));
    EXPECT_EQ(w.Names().back(), "fourth");
    EXPECT_EQ(column->CountText->Caption(), "4");

    // Edit: the row's values, index read-only, neither createAndGo nor destroy offered.
    Sim()->clearSetLog();
    GuiTesting::UserClickItem(w.list, w.Row("fourth"));
    EXPECT_TRUE(column->EditBtn->Enabled());
    EXPECT_TRUE(column->DeleteBtn->Enabled());
    w.script.Then([&](TCustomForm& popup) {
      EXPECT_EQ(popup.Caption(), "Rows: 127.0.0.1 (Edit)");
      EXPECT_EQ(w.Edit(0)->Text(), "4");
      EXPECT_TRUE(w.Edit(0)->ReadOnly());
      EXPECT_EQ(w.Edit(1)->Text(), "fourth");
      EXPECT_EQ(w.StatusCombo()->Items->IndexOf("createAndGo"), -1);
      EXPECT_EQ(w.StatusCombo()->Items->IndexOf("destroy"), -1);
      TSNMPPanel* frame = TableWindow::Frame(popup);
      EXPECT_FALSE(frame->CtrlBtnPanel->SetCheckedBtn->Enabled());
      w.Edit(1)->Text = "";
      GuiTesting::UserType(w.Edit(1), "renamed");
      GuiTesting::UserClick(w.view->EditsPanel->Rows[1].CheckBox);
      GuiTesting::UserClick(frame->CtrlBtnPanel->SetCheckedBtn);
    });
    GuiTesting::UserClick(column->EditBtn);
    EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kTable + ".2.4=4:renamed"});
    EXPECT_EQ(w.StatusCombo()->Items->Count, 6);
    EXPECT_EQ(w.StatusCombo()->Items->Get(3), "createAndGo");
    ASSERT_TRUE(w.WaitRows(4));
    EXPECT_EQ(w.Names().back(), "renamed");

    // Delete, cancelled: nothing is sent.
    Sim()->clearSetLog();
    GuiTesting::UserClickItem(w.list, w.Row("renamed"));
    boxes.Answer(IDCANCEL);
    GuiTesting::UserClick(column->DeleteBtn);
    EXPECT_TRUE(Sim()->setLog().empty());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "Are you sure to delete it?");

    // Delete, confirmed: only the row status, destroy; the list is current at once.
    GuiTesting::UserClickItem(w.list, w.Row("renamed"));
    boxes.Answer(IDOK);
    GuiTesting::UserClick(column->DeleteBtn);
    EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kTable + ".4.4=2:6"});
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(w.binding->Asynchronous, 1);
  });
  EXPECT_EQ(boxes.Calls().size(), 2u);
}

TEST(TableView, AFailedAddKeepsThePopupOpenWithWhatWasTyped) {
  GuiTesting::ScriptedAnswerer boxes;
  TableWindow w;
  w.Show([&] {
    GuiTesting::UserClickItem(w.list, w.Row("second"));
    ASSERT_EQ(w.Edit(1)->Text(), "second");
    Sim()->clearSetLog();
    w.script.Then([&](TCustomForm& popup) {
      TSNMPPanel* frame = TableWindow::Frame(popup);
      EXPECT_EQ(w.Edit(1)->Text(), "");  // Add starts from empty rows
      EXPECT_EQ(w.Edit(0)->Text(), "");
      GuiTesting::UserType(w.Edit(0), "2");  // the row exists: createAndGo is refused
      GuiTesting::UserType(w.Edit(1), "clash");
      GuiTesting::UserClick(w.view->EditsPanel->Rows[1].CheckBox);
      GuiTesting::UserClick(frame->CtrlBtnPanel->SetCheckedBtn);
      EXPECT_EQ(Sim()->setLog().size(), 1u);
      EXPECT_EQ(boxes.Calls().size(), 1u);  // the error
      EXPECT_EQ(popup.ModalResult(), mrNone);
      EXPECT_EQ(w.Edit(0)->Text(), "2");
      EXPECT_EQ(w.Edit(1)->Text(), "clash");
      // Corrected, it goes through and closes.
      w.Edit(0)->Text = "";
      GuiTesting::UserType(w.Edit(0), "5");
      GuiTesting::UserClick(frame->CtrlBtnPanel->SetCheckedBtn);
      EXPECT_NE(popup.ModalResult(), mrNone);
    });
    GuiTesting::UserClick(w.view->CtrlBtnPanel->AddBtn);
    ASSERT_TRUE(w.WaitRows(4));
    EXPECT_EQ(w.Names().back(), "clash");
    // Remove the added row again for the other tests.
    GuiTesting::UserClickItem(w.list, w.Row("clash"));
    boxes.Answer(IDOK);
    GuiTesting::UserClick(w.view->CtrlBtnPanel->DeleteBtn);
    EXPECT_EQ(w.list->Items->Count, 3);
  });
}

TEST(TableView, APortListTypedIntoAnAddedRowIsSentAsABitmapOrRefused) {
  GuiTesting::ScriptedAnswerer boxes;
  TableWindow w;
  w.Show([&] {
    Sim()->clearSetLog();
    w.script.Then([&](TCustomForm& popup) {
      TSNMPPanel* frame = TableWindow::Frame(popup);
      ASSERT_NE(frame, nullptr);
      EXPECT_EQ(w.Edit(2)->Text(), "");
      GuiTesting::UserType(w.Edit(0), "7");
      GuiTesting::UserType(w.Edit(1), "ports");
      GuiTesting::UserType(w.Edit(2), "1-3,40");  // the other rows' bitmaps have 32 ports
      GuiTesting::UserClick(w.view->EditsPanel->Rows[1].CheckBox);
      GuiTesting::UserClick(w.view->EditsPanel->Rows[2].CheckBox);
      GuiTesting::UserClick(frame->CtrlBtnPanel->SetCheckedBtn);
      EXPECT_TRUE(Sim()->setLog().empty());
      ASSERT_EQ(boxes.Calls().size(), 1u);
      EXPECT_EQ(boxes.Calls()[0].text, "Bad port list \"1-3,40\" for Ports: ports 1 to 32 as in 1-5,8");
      EXPECT_EQ(popup.ModalResult(), mrNone);
      EXPECT_EQ(w.Edit(2)->Text(), "1-3,40");
      w.Edit(2)->Text = "";
      GuiTesting::UserType(w.Edit(2), "1-3,32");
      GuiTesting::UserClick(frame->CtrlBtnPanel->SetCheckedBtn);
      EXPECT_NE(popup.ModalResult(), mrNone);
    });
    GuiTesting::UserClick(w.view->CtrlBtnPanel->AddBtn);
    EXPECT_EQ(Sim()->setLog(), std::vector<std::string>{kTable + ".2.7=4:ports ; " + kTable + ".3.7=4x:E0000001 ; " +
                                                        kTable + ".4.7=2:4"});
    ASSERT_TRUE(w.WaitRows(4));
    TListItem* added = w.Row("ports");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->SubItems->Get(1), "1-3,32[E0000001]");
    boxes.Answer(IDOK);
    GuiTesting::UserClickItem(w.list, added);
    GuiTesting::UserClick(w.view->CtrlBtnPanel->DeleteBtn);
    EXPECT_EQ(w.list->Items->Count, 3);
  });
}

TEST(TableView, KeepsItsOwnCopiesOfTheAddAndDeleteValues) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  UseTable(binding->Request);
  TSNMPListViewPanel* view;
  {
    std::string add = "createAndGo", remove = "destroy";
    view = form->MakeListViewForm(binding, 3, add.c_str(), 3, remove.c_str());
    add.assign(add.size(), 'x');
    remove.assign(remove.size(), 'x');
  }
  EXPECT_EQ(view->ListPanel->AddValue, "createAndGo");
  EXPECT_EQ(view->ListPanel->DeleteValue, "destroy");
  EXPECT_EQ(view->ListPanel->AddStatusColumn, 3);
  try {
    view->SetAddStatus(1, "createAndGo");
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo");
  }
  try {
    view->SetDeleteStatus(3, "gone");
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:gone");
  }
  delete form;
}

TEST(TableView, WithoutAddOrDeleteOnlyRefreshEditAndClose) {
  TableWindow w(false);
  TCtrlBtnPanel* column = w.view->CtrlBtnPanel;
  for (TControl* shown : {(TControl*)column->SamplesLabel, (TControl*)column->CountText, (TControl*)column->RefreshBtn,
                          (TControl*)column->EditBtn, (TControl*)column->CloseBtn})
    EXPECT_TRUE(shown->Visible());
  for (TControl* hidden : {(TControl*)column->AddBtn, (TControl*)column->DeleteBtn, (TControl*)column->SetCheckedBtn,
                           (TControl*)column->StopBtn, (TControl*)column->CheckAllBtn})
    EXPECT_FALSE(hidden->Visible());
  EXPECT_LT(column->CountText->Top(), column->SamplesLabel->Top());
}

TEST(TableView, AHiddenEditButtonStillOpensTheEditPopupOnDoubleClick) {
  GuiTesting::ScriptedAnswerer boxes;
  TableWindow w;
  TCtrlBtnPanel* column = w.view->CtrlBtnPanel;
  const int deleteTop = column->DeleteBtn->Top;
  column->EditBtn->Visible = false;
  column->ArrangeButtons();
  EXPECT_EQ(column->DeleteBtn->Top(), deleteTop - column->EditBtn->Height - 5);
  w.Show([&] {
    GuiTesting::UserClickItem(w.list, w.Row("second"));
    w.script.Then([&](TCustomForm& popup) {
      EXPECT_EQ(popup.Caption(), "Rows: 127.0.0.1 (Edit)");
      EXPECT_EQ(w.Edit(1)->Text(), "second");
      popup.Close();
    });
    ASSERT_TRUE(w.list->OnDblClick);
    w.list->OnDblClick(w.list);  // as the list reports a double click on the row
    EXPECT_TRUE(w.script.Done());
    ASSERT_TRUE(w.WaitRows(3));
  });
  EXPECT_EQ(w.script.Runs(), 2);  // the window and its one Edit pop-up
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST(TableView, HintHasOneLinePerColumn) {
  TableWindow w(false);
  w.Show([&] {
    TListItem* row = w.Row("first");
    EXPECT_EQ(w.view->RowHint(row), "Index\t  1\nName\t\t  first\nPorts\t  1[80000000]\nStatus  active\n");
    GuiTesting::UserMouseMoveOverItem(w.list, w.Row("second"));
    EXPECT_TRUE(w.list->ShowHint());
    EXPECT_EQ(w.list->Hint(), w.view->RowHint(w.Row("second")));
    GuiTesting::UserMouseMove(w.list, 2, w.list->ClientHeight - 2);  // below the rows
    EXPECT_FALSE(w.list->ShowHint());
    EXPECT_EQ(w.list->Hint(), "");
  });
}

TEST(TableView, EditsPanelComesBackFromAPopupScrolledToItsTop) {
  TableWindow w;
  TScrollBox* box = w.view->EditsPanel->ScrollBox;
  w.Show([&] {
    w.script.Then([&](TCustomForm& popup) {
      popup.ClientHeight = 60;  // too low for the rows
      box->VertScrollBar->Position = 1000;
      EXPECT_GT(box->VertScrollBar->Position(), 0);
      popup.Close();
    });
    w.view->CtrlBtnPanel->AddBtn->OnClick(w.view->CtrlBtnPanel->AddBtn);
    EXPECT_TRUE(w.script.Done());
    EXPECT_EQ(box->VertScrollBar->Position(), 0);
    ASSERT_TRUE(w.WaitRows(3));
  });
}

TEST(TableView, AnAddDuringASlowWalkThenRefreshListsTheSwitchsRowsOnce) {
  GuiTesting::ScriptedAnswerer boxes;
  TableWindow w;
  TCtrlBtnPanel* column = w.view->CtrlBtnPanel;
  w.Show([&] {
    Sim()->setDelay(150);
    GuiTesting::UserClick(column->RefreshBtn);
    ASSERT_TRUE(w.binding->Reading());
    w.script.Then([&](TCustomForm& popup) {
      TSNMPPanel* frame = TableWindow::Frame(popup);
      ASSERT_NE(frame, nullptr);
      GuiTesting::UserType(w.Edit(0), "4");
      GuiTesting::UserType(w.Edit(1), "fourth");
      GuiTesting::UserClick(w.view->EditsPanel->Rows[1].CheckBox);
      GuiTesting::UserClick(frame->CtrlBtnPanel->SetCheckedBtn);
    });
    GuiTesting::UserClick(column->AddBtn);
    GuiTesting::UserClick(column->RefreshBtn);
    ASSERT_TRUE(WaitUntil([&] { return Idle(w.binding) && w.binding->Request.PendingReplies == 0; }));
    Sim()->clearFaults();
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"first", "second", "third", "fourth"}));
    EXPECT_EQ(column->CountText->Caption(), "4");

    // The row goes again for the other tests.
    GuiTesting::UserClickItem(w.list, w.Row("fourth"));
    boxes.Answer(IDOK);
    GuiTesting::UserClick(column->DeleteBtn);
    EXPECT_EQ(w.Names(), (std::vector<std::string>{"first", "second", "third"}));
  });
}

// A click on a row stops the walk; Refresh pressed at once reads the whole table after it,
// and Stop then Refresh alike.
TEST(TableView, RefreshRightAfterAWalkWasStoppedListsEveryRow) {
  TableWindow w;
  TCtrlBtnPanel* column = w.view->CtrlBtnPanel;
  const std::vector<std::string> all{"first", "second", "third"};
  w.Show([&] {
    for (const bool byRowClick : {true, false}) {
      SCOPED_TRACE(byRowClick ? "a row clicked" : "Stop pressed");
      Sim()->setDelay(200);  // the stopped walk's next reply is still to come when Refresh is pressed
      GuiTesting::UserClick(column->RefreshBtn);
      ASSERT_TRUE(WaitUntil([&] { return w.list->Items->Count >= 1; }));
      if (byRowClick)
        GuiTesting::UserClickItem(w.list, w.list->Items->Item[0]);
      else
        GuiTesting::UserClick(column->StopBtn);
      ASSERT_TRUE(w.binding->Reading());  // its last reply is still to come
      GuiTesting::UserClick(column->RefreshBtn);
      ASSERT_TRUE(WaitUntil([&] { return Idle(w.binding) && w.binding->Request.PendingReplies == 0; }));
      Sim()->clearFaults();
      EXPECT_EQ(w.Names(), all);
      EXPECT_EQ(column->CountText->Caption(), "3");
      EXPECT_NE(StatusText(w.view).find("Ok!"), std::string::npos) << StatusText(w.view);
    }
  });
}
