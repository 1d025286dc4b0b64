// The view window: typed once, reads when shown, reads only the visible page, and stops,
// waits for and frees its bindings when closed.
#include <chrono>
#include <memory>

#include "views_test_support.h"

using namespace viewstest;

namespace {

std::string MessageOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Exception& e) {
    return e.Message;
  }
  return "(no exception)";
}

}  // namespace

TEST(ConfigForm, SecondTypingCallFailsAndChangesNothing) {
  auto* form = new TConfigForm(Application);
  auto* scalars = NewBinding(form);
  UseScalars(scalars->Request);
  TSNMPEditorPanel* panel = form->MakeEditorForm(scalars);
  const int width = form->ClientWidth, height = form->ClientHeight;

  auto* table = NewBinding(form);
  UseTable(table->Request);
  EXPECT_EQ(MessageOf([&] { form->MakeListViewForm(table, -1, nullptr, -1, nullptr); }),
            "Can not change Type of a Config Form!");
  EXPECT_EQ(MessageOf([&] { form->MakePageForm(); }), "Can not change Type of a Config Form!");
  EXPECT_EQ(MessageOf([&] { form->MakeEditorForm(table); }), "Can not change Type of a Config Form!");
  EXPECT_EQ(form->FormType, 1);
  ASSERT_EQ(form->Requests.size(), 1u);
  EXPECT_EQ(form->Requests[0], scalars);
  EXPECT_EQ(form->PageControl, nullptr);
  EXPECT_EQ(panel->Parent(), form);
  EXPECT_EQ(form->ClientWidth(), width);
  EXPECT_EQ(form->ClientHeight(), height);
  delete table;  // never handed over
  delete form;
}

TEST(ConfigForm, PagesGoOnlyOnATabView) {
  auto* editor = new TConfigForm(Application);
  auto* a = NewBinding(editor);
  UseScalars(a->Request);
  editor->MakeEditorForm(a);
  auto* b = NewBinding(editor);
  UseScalars(b->Request);
  EXPECT_EQ(MessageOf([&] { editor->AddEditorPage("Page", b); }), "Can not add editor page to a none-page pannel!");
  EXPECT_EQ(editor->Requests.size(), 1u);
  delete b;
  delete editor;

  auto* table = new TConfigForm(Application);
  auto* c = NewBinding(table);
  UseTable(c->Request);
  table->MakeListViewForm(c, 3, "createAndGo", 3, "destroy");
  auto* d = NewBinding(table);
  UseTable(d->Request);
  EXPECT_EQ(MessageOf([&] { table->AddListViewPage("Page", d, -1, nullptr, -1, nullptr); }),
            "Can not add listview page to a none-page pannel!");
  EXPECT_EQ(table->Requests.size(), 1u);
  delete d;
  delete table;
}

TEST(ConfigForm, RefreshOfAnUntypedWindowOrAnEmptyTabViewReadsNothing) {
  GuiTesting::ScriptedAnswerer boxes;
  for (bool pages : {false, true}) {
    auto* form = new TConfigForm(Application);
    if (pages) form->MakePageForm();
    ModalScript script;
    script.Then([&](TCustomForm& shown) {
      Application->ProcessMessages();  // the refresh message has come before the hook
      EXPECT_EQ(form->CurrentRequest, nullptr);
      shown.Close();
    });
    form->ShowModal();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(boxes.Calls().empty());
    delete form;
  }
  TConfigForm form(Application);
  form.FormType = 7;
  EXPECT_EQ(MessageOf([&] { form.RefreshForm(); }), "Refresh a Form with unknown Form Type!");
}

TEST(ConfigForm, TabViewReadsOnlyTheVisiblePage) {
  auto* form = new TConfigForm(Application);
  form->Caption = "Pages: 127.0.0.1";
  form->MakePageForm();
  auto* table = NewBinding(form);
  UseTable(table->Request);
  TSNMPListViewPanel* list = form->AddListViewPage("Rows", table, 3, "createAndGo", 3, "destroy");
  auto* scalars = NewBinding(form);
  UseScalars(scalars->Request);
  TSNMPEditorPanel* editor = form->AddEditorPage("Scalars", scalars);
  auto* nameEdit = static_cast<TEdit*>(editor->EditsPanel->Rows[1].Control);

  ModalScript script;
  script.Then([&](TCustomForm& shown) {
    ASSERT_TRUE(WaitUntil([&] { return Idle(table) && list->ListPanel->ListView->Items->Count == 3; }));
    EXPECT_EQ(form->CurrentRequest, table);
    EXPECT_EQ(nameEdit->Text(), "");
    EXPECT_EQ(StatusText(editor), "");

    GuiTesting::UserSelectTab(form->PageControl, 1);
    EXPECT_EQ(table->Request.Active, 0);
    EXPECT_EQ(form->CurrentRequest, scalars);
    ASSERT_TRUE(WaitUntil([&] { return Idle(scalars) && nameEdit->Text() == "core"; }));

    GuiTesting::UserSelectTab(form->PageControl, 0);  // back: read again
    EXPECT_EQ(scalars->Request.Active, 0);
    EXPECT_EQ(table->Request.Active, 1);
    ASSERT_TRUE(WaitUntil([&] { return Idle(table) && list->ListPanel->ListView->Items->Count == 3; }));
    shown.Close();
  });
  form->ShowModal();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(form->Requests.empty());
  delete form;
}

// The window closes at once: the binding lets go of it, and goes itself with its last reply.
TEST(ConfigForm, ClosingDuringAWalkStopsItAndFreesTheBindingWithItsLastReply) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  const std::shared_ptr<const bool> bindingAlive = binding->Lifetime();
  UseLongTable(binding->Request);
  TSNMPListViewPanel* view = form->MakeListViewForm(binding, -1, nullptr, -1, nullptr);
  TListView* list = view->ListPanel->ListView;
  Sim()->setDelay(60);  // 20 rows take over a second

  ModalScript script;
  auto closedAt = std::chrono::steady_clock::now();
  script.Then([&](TCustomForm& shown) {
    ASSERT_TRUE(WaitUntil([&] { return list->Items->Count >= 2; }));
    EXPECT_TRUE(binding->Busy);
    closedAt = std::chrono::steady_clock::now();  // a slow start of the window does not count
    GuiTesting::UserCloseWindow(&shown);
  });
  form->ShowModal();
  const auto took = std::chrono::steady_clock::now() - closedAt;
  Sim()->clearFaults();

  EXPECT_TRUE(script.Done());
  EXPECT_LT(took, std::chrono::seconds(5));
  EXPECT_TRUE(form->Requests.empty());
  EXPECT_EQ(form->CurrentRequest, nullptr);
  EXPECT_LT(list->Items->Count, 20);
  const int rowsAtClose = list->Items->Count;
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return !*bindingAlive; }, 10000));
  EXPECT_EQ(list->Items->Count, rowsAtClose);  // the last reply reached no window
  delete form;
}

TEST(ConfigForm, AFailedReadKeepsTheWindowOpenWithTheErrorInItsStatusLine) {
  GuiTesting::ScriptedAnswerer boxes;
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  UseScalars(binding->Request);
  TSNMPEditorPanel* view = form->MakeEditorForm(binding);
  auto* nameEdit = static_cast<TEdit*>(view->EditsPanel->Rows[1].Control);
  Sim()->setSubtreeError(kScalars, 5);  // genErr

  ModalScript script;
  script.Then([&](TCustomForm& shown) {
    ASSERT_TRUE(WaitUntil([&] { return Idle(binding) && !StatusText(view).empty(); }));
    EXPECT_TRUE(shown.Visible());
    EXPECT_EQ(nameEdit->Text(), "");
    const std::string failed = StatusText(view);
    Sim()->clearFaults();
    GuiTesting::UserClick(view->CtrlBtnPanel->RefreshBtn);  // the user tries again
    ASSERT_TRUE(WaitUntil([&] { return Idle(binding) && nameEdit->Text() == "core"; }));
    EXPECT_NE(StatusText(view), failed);
    shown.Close();
  });
  form->ShowModal();
  Sim()->clearFaults();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(boxes.Calls().empty());
  delete form;
}

TEST(ConfigForm, AReadThatCannotStartShowsWhyInTheStatusLine) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  binding->Request.Address = "not an address";
  UseScalars(binding->Request);
  TSNMPEditorPanel* view = form->MakeEditorForm(binding);
  ModalScript script;
  script.Then([&](TCustomForm& shown) {
    Application->ProcessMessages();
    EXPECT_FALSE(StatusText(view).empty());
    EXPECT_TRUE(shown.Visible());
    shown.Close();
  });
  form->ShowModal();
  EXPECT_TRUE(script.Done());
  delete form;
}

TEST(ConfigForm, StopEndsAWalkAtItsNextReply) {
  auto* form = new TConfigForm(Application);
  auto* binding = NewBinding(form);
  UseLongTable(binding->Request);
  TSNMPListViewPanel* view = form->MakeListViewForm(binding, -1, nullptr, -1, nullptr);
  view->CtrlBtnPanel->StopBtn->Visible = true;
  view->CtrlBtnPanel->ArrangeButtons();
  TListView* list = view->ListPanel->ListView;
  Sim()->setDelay(40);
  ModalScript script;
  script.Then([&](TCustomForm& shown) {
    ASSERT_TRUE(WaitUntil([&] { return list->Items->Count >= 2; }));
    GuiTesting::UserClick(view->CtrlBtnPanel->RefreshBtn);  // no second read while one runs
    GuiTesting::UserClick(view->CtrlBtnPanel->StopBtn);
    ASSERT_TRUE(WaitUntil([&] { return Idle(binding); }));
    EXPECT_LT(list->Items->Count, 20);
    EXPECT_EQ(view->CtrlBtnPanel->CountText->Caption(), std::to_string(list->Items->Count));
    EXPECT_NE(StatusText(view).find("Stop, SNMP Request is not active."), std::string::npos) << StatusText(view);
    Sim()->clearFaults();
    GuiTesting::UserClick(view->CtrlBtnPanel->RefreshBtn);
    ASSERT_TRUE(WaitUntil([&] { return Idle(binding) && list->Items->Count == 20; }));
    shown.Close();
  });
  form->ShowModal();
  Sim()->clearFaults();
  EXPECT_TRUE(script.Done());
  delete form;
}
