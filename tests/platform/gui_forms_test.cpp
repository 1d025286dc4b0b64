#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "GuiTesting.h"
#include "StdCtrls.h"
#include "Windows.h"

namespace {

constexpr UINT WM_REFRESH = WM_APP + 1234;

// A window that asks itself, from its constructor, to read once its modal loop runs.
class RefreshingForm : public TForm {
 public:
  explicit RefreshingForm(TComponent* owner) : TForm(owner) {
    PostMessage(Handle, WM_REFRESH, 0, 0);
  }
  void Dispatch(TMessage& message) override {
    if (message.Msg == WM_REFRESH) {
      refreshedWhileShown = Visible;
      ++refreshes;
      return;
    }
    TForm::Dispatch(message);
  }
  int refreshes = 0;
  bool refreshedWhileShown = false;
};

}  // namespace

TEST(Form, MessagePostedInConstructorArrivesInsideModalLoop) {
  Application->Initialize();
  RefreshingForm form(nullptr);
  EXPECT_EQ(form.refreshes, 0);
  GuiTesting::ModalDriver driver([](TCustomForm& shown) {
    auto& f = static_cast<RefreshingForm&>(shown);
    EXPECT_EQ(f.refreshes, 1);  // queued before the hook
    f.ModalResult = mrOk;
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(form.refreshes, 1);
  EXPECT_TRUE(form.refreshedWhileShown);
  EXPECT_FALSE(form.Visible);
}

TEST(Form, CloseQueryCanRefuseAndOnCloseSeesTheResult) {
  Application->Initialize();
  TForm form(nullptr);
  auto* ok = new TButton(&form);
  ok->Parent = &form;
  ok->ModalResult = mrOk;
  std::vector<std::string> events;
  form.OnCloseQuery = [&](TObject*, bool& canClose) {
    events.push_back("query " + std::to_string(form.ModalResult));
    canClose = events.size() > 1;
  };
  form.OnClose = [&](TObject*, TCloseAction& action) {
    events.push_back("close " + std::to_string(form.ModalResult));
    EXPECT_EQ(action, caHide);
  };
  // After the refusal the window stays open; then the user closes it with its frame.
  TTimer later(nullptr);
  later.Interval = 1;
  later.OnTimer = [&](TObject*) {
    if (events.size() != 1) return;
    later.Enabled = false;
    EXPECT_EQ(form.ModalResult, mrNone);
    EXPECT_TRUE(form.Visible);
    GuiTesting::UserCloseWindow(&form);
  };
  GuiTesting::ModalDriver driver([&](TCustomForm&) { GuiTesting::UserClick(ok); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(events, (std::vector<std::string>{"query 1", "query 2", "close 2"}));
}

TEST(Form, CreateRunsOnceBeforeShowAndDestroyWhileWholeOnDelete) {
  Application->Initialize();
  std::vector<std::string> events;
  struct Dialog : TForm {
    std::vector<std::string>& trail;
    std::string label = "mine";
    Dialog(TComponent* owner, std::vector<std::string>& trail) : TForm(owner), trail(trail) {
      OnCreate = [this](TObject*) { this->trail.push_back("create " + label); };
      OnShow = [this](TObject*) { this->trail.push_back("show"); };
      OnDestroy = [this](TObject*) { this->trail.push_back("destroy " + label); };
      trail.push_back("constructed");
    }
  };
  auto* dialog = new Dialog(nullptr, events);
  GuiTesting::ModalDriver driver([](TCustomForm& shown) { shown.Close(); });
  dialog->ShowModal();
  dialog->ShowModal();
  delete dialog;
  EXPECT_EQ(events, (std::vector<std::string>{"constructed", "create mine", "show", "show", "destroy mine"}));
}

TEST(Form, ExceptionInHandlerIsShownAndTheLoopGoesOn) {
  Application->Initialize();
  Application->Title = "NVS-7000-D";
  GuiTesting::ScriptedAnswerer answers;
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->Parent = &form;
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    if (++clicks == 1) throw Exception("Bad value");
    form.ModalResult = mrOk;
  };
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    GuiTesting::UserClick(button);
    GuiTesting::UserClick(button);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(answers.Calls().size(), 1u);
  EXPECT_EQ(answers.Calls()[0].kind, GuiTesting::BoxKind::Exception);
  EXPECT_EQ(answers.Calls()[0].title, "NVS-7000-D");
  EXPECT_EQ(answers.Calls()[0].text, "Bad value");
}

TEST(Form, TerminateBeforeRunReturnsAtOnceAndFreesTheForms) {
  TApplication app;
  bool destroyed = false;
  TForm* form = nullptr;
  app.CreateForm(form);
  form->OnDestroy = [&](TObject*) { destroyed = true; };
  app.Terminate();
  app.Run();
  EXPECT_TRUE(app.Terminated);
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(app.MainForm(), nullptr);
}

TEST(Form, AlignedChildrenFollowTheirParentsSize) {
  Application->Initialize();
  TForm form(nullptr);
  form.ClientWidth = 400;
  form.ClientHeight = 300;
  auto make = [&](TAlign align, int size) {
    auto* panel = new TPanel(&form);
    panel->Parent = &form;
    panel->BevelOuter = bvNone;
    panel->Width = size;
    panel->Height = size;
    panel->Align = align;
    return panel;
  };
  TPanel* bottom = make(alBottom, 20);
  TPanel* right = make(alRight, 100);
  TPanel* splitterSide = make(alRight, 3);  // made after: lies left of the first
  TPanel* client = make(alClient, 10);
  auto* inner = new TPanel(&form);
  inner->Parent = client;
  inner->BevelOuter = bvNone;
  inner->Align = alTop;
  inner->Height = 30;

  form.ClientWidth = 500;
  form.ClientHeight = 320;
  struct Box { int left, top, width, height; };
  auto box = [](TControl* c) { return Box{c->Left, c->Top, c->Width, c->Height}; };
  auto expect = [&](TControl* c, Box b, const char* name) {
    Box got = box(c);
    EXPECT_EQ(got.left, b.left) << name;
    EXPECT_EQ(got.top, b.top) << name;
    EXPECT_EQ(got.width, b.width) << name;
    EXPECT_EQ(got.height, b.height) << name;
  };
  expect(bottom, {0, 300, 500, 20}, "bottom");
  expect(right, {400, 0, 100, 300}, "right");
  expect(splitterSide, {397, 0, 3, 300}, "second right");
  expect(client, {0, 0, 397, 300}, "client");
  expect(inner, {0, 0, 397, 30}, "top inside client");

  bottom->Visible = false;
  expect(client, {0, 0, 397, 320}, "client without bottom");
}

TEST(Screen, PixelsPerInchCanBeForced) {
  setenv("NV_PIXELS_PER_INCH", "120", 1);
  EXPECT_EQ(Screen->PixelsPerInch, 120);
  unsetenv("NV_PIXELS_PER_INCH");
}

TEST(Form, ShownWindowIsActivatedOnceUntilHidden) {
  Application->Initialize();
  TForm form(nullptr);
  std::vector<std::string> events;
  form.OnShow = [&](TObject*) { events.push_back("show"); };
  form.OnActivate = [&](TObject*) { events.push_back("activate"); };
  form.Show();
  form.Show();
  form.Hide();
  form.Show();
  form.Hide();
  EXPECT_EQ(events, (std::vector<std::string>{"show", "activate", "show", "activate"}));
}

TEST(Form, EmbeddedFormShowsInsideItsParent) {
  Application->Initialize();
  TForm host(nullptr);
  auto* box = new TScrollBox(&host);
  box->Parent = &host;
  box->Align = alClient;
  auto* panel = new TForm(&host);
  panel->BorderStyle = bsNone;
  panel->ClientWidth = 795;
  panel->ClientHeight = 109;
  panel->Parent = box;
  panel->Left = 0;
  panel->Top = 0;
  panel->Visible = true;
  host.ClientWidth = panel->ClientWidth + 3;
  host.ClientHeight = panel->ClientHeight + 3;
  host.Show();
  EXPECT_EQ(panel->Parent(), box);
  EXPECT_EQ(box->Width, 798);
  EXPECT_EQ(panel->Width, 795);
  EXPECT_TRUE(GetParentForm(panel) == &host);
}

TEST(Form, CloseWithFreeActionDeletesTheFormLater) {
  Application->Initialize();
  bool destroyed = false;
  auto* form = new TForm(nullptr);
  form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  form->OnDestroy = [&](TObject*) { destroyed = true; };
  form->Show();
  form->Close();
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(GuiTesting::ProcessUntil([&] { return destroyed; }));
}

TEST(Menu, OpeningATopLevelMenuClicksItsItem) {
  Application->Initialize();
  TForm form(nullptr);
  auto* menu = new TMainMenu(&form);
  EXPECT_EQ(form.Menu(), menu);
  auto* rmon = new TMenuItem(&form);
  rmon->Caption = "RMON";
  menu->Items->Add(rmon);
  auto* statistics = new TMenuItem(&form);
  statistics->Caption = "Statistics";
  rmon->Add(statistics);
  std::vector<std::string> clicks;
  rmon->OnClick = [&](TObject*) { clicks.push_back("RMON"); };
  statistics->OnClick = [&](TObject*) { clicks.push_back("Statistics"); };

  GuiTesting::UserChooseMenuItem(rmon);
  GuiTesting::UserChooseMenuItem(statistics);
  statistics->Enabled = false;
  GuiTesting::UserChooseMenuItem(statistics);
  EXPECT_EQ(clicks, (std::vector<std::string>{"RMON", "Statistics"}));
}

TEST(Form, MessagesToAFreedWindowAreRefused) {
  Application->Initialize();
  auto* form = new TForm(nullptr);
  HWND handle = form->Handle;
  EXPECT_EQ(PostMessage(handle, WM_REFRESH, 0, 0), TRUE);
  delete form;  // the queued message goes with it
  EXPECT_EQ(PostMessage(handle, WM_REFRESH, 0, 0), FALSE);
  Application->ProcessMessages();
}
