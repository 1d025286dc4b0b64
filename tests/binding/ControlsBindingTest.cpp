// The request bound to a window: notifications, status lines, completion handlers, and the
// ends of a walk, against the simulated switch.
#include <algorithm>
#include <functional>
#include <vector>

#include "ComCtrls.h"
#include "ScriptedAgent.h"
#include "StdCtrls.h"
#include "binding_test_support.h"

using namespace bindingtest;

namespace {

// Records every notification; onRow runs inside ShowRow.
class Recorder : public NvSNMPRequest2Controls {
 public:
  using NvSNMPRequest2Controls::NvSNMPRequest2Controls;
  void BeforeGet() override { calls.push_back("BeforeGet"); }
  void BeforeSet() override { calls.push_back("BeforeSet"); }
  void ShowRow() override {
    calls.push_back("ShowRow");
    ++rows;
    if (onRow) onRow();
  }
  void CollectValues() override { calls.push_back("CollectValues"); }
  void OnGetError(NvSNMPError* e) override {
    calls.push_back("OnGetError");
    NvSNMPRequest2Controls::OnGetError(e);
  }
  void OnSetDone(NvSNMPError* e) override {
    calls.push_back("OnSetDone");
    NvSNMPRequest2Controls::OnSetDone(e);
  }
  void AfterGet() override { calls.push_back("AfterGet"); }
  void AfterSet() override { calls.push_back("AfterSet"); }

  std::vector<std::string> calls;
  int rows = 0;
  std::function<void()> onRow;
};

using Calls = std::vector<std::string>;

class ControlsBinding : public ::testing::Test {
 protected:
  void TearDown() override { Sim()->clearFaults(); }
  TForm form{nullptr};
  TStatusBar* bar = new TStatusBar(&form);
  GuiTesting::ScriptedAnswerer answers;
};

TEST_F(ControlsBinding, GoodReadShowsTheGetTemplateWithOrWithoutCaption) {
  struct Case {
    const char* caption;
    const char* prefix;
  } cases[] = {{"", "Get: Ok!"}, {"Binding Test", "Get: Ok! Request:Binding Test."}};
  for (const Case& c : cases) {
    Recorder binding(&form);
    Point(binding);
    UseScalars(binding.Request);
    binding.Request.Vars.Caption = c.caption;
    binding.Asynchronous = 0;
    binding.SetStatusControl(bar);
    EXPECT_TRUE(binding.Get());
    EXPECT_TRUE(IsStatusLine(bar->SimpleText, c.prefix)) << bar->SimpleText();
    EXPECT_EQ(binding.calls, (Calls{"BeforeGet", "ShowRow", "AfterGet"}));
    EXPECT_EQ(*binding.Request.Vars.GetVar(1)->Value, "switch-a");
  }
}

TEST_F(ControlsBinding, MemoCollectsOneLinePerReportAndPanelKeepsTheLast) {
  TMemo& memo = *new TMemo(&form);
  bar->Panels->Add();
  Recorder toMemo(&form), toPanel(&form);
  for (Recorder* binding : {&toMemo, &toPanel}) {
    Point(*binding);
    UseScalars(binding->Request);
    binding->Asynchronous = 0;
  }
  toMemo.SetStatusControl(&memo);
  toPanel.SetStatusPanel(bar->Panels->Items[0]);
  for (int i = 0; i < 2; ++i) {
    toMemo.Get();
    toPanel.Get();
  }
  ASSERT_EQ(memo.Lines->Count, 2);
  EXPECT_TRUE(IsStatusLine(memo.Lines->Get(1), "Get: Ok!"));
  EXPECT_TRUE(IsStatusLine(bar->Panels->Items[0]->Text, "Get: Ok!"));
}

TEST_F(ControlsBinding, FailedReadIsReportedBlockingOrNot) {
  Sim()->setSubtreeError(kScalars, 5);  // genErr
  Recorder binding(&form);
  Point(binding);
  UseScalars(binding.Request);
  binding.SetStatusControl(bar);

  binding.Asynchronous = 0;
  EXPECT_FALSE(binding.Get());
  EXPECT_EQ(binding.calls, (Calls{"BeforeGet", "AfterGet"}));
  EXPECT_TRUE(IsStatusLine(bar->SimpleText, "Get: " + NvErrorText(-105))) << bar->SimpleText();
  EXPECT_EQ(binding.LastReadError().Code, -105);
  bar->SimpleText = "";

  binding.calls.clear();
  binding.Asynchronous = 1;
  ASSERT_TRUE(binding.Get());
  ASSERT_TRUE(WaitUntil([&] { return !binding.Busy; }));
  EXPECT_EQ(binding.calls, (Calls{"BeforeGet", "OnGetError"}));
  EXPECT_TRUE(IsStatusLine(bar->SimpleText, "Get: " + NvErrorText(-105))) << bar->SimpleText();
  EXPECT_TRUE(answers.Calls().empty());
}

// An agent that goes back to row 2 after row 4: the walk ends there, its four rows shown, and
// the status line says the table may be incomplete, never "Ok!"; asynchronous or blocking.
TEST_F(ControlsBinding, WalkCutShortByAnAgentAnsweringOutOfOrderIsNotOk) {
  const std::string column = "1.3.6.1.4.1.32473.999.2.1.2";
  ScriptedAgent agent([&](const ScriptedAgent::Request& r) -> std::optional<ScriptedAgent::Reply> {
    const auto& asked = r.bindings[0].oid;
    const uint32_t last = asked == ScriptedAgent::Ids(column) ? 0 : asked.back();
    ScriptedAgent::Reply reply;
    reply.bindings = {{ScriptedAgent::Ids(column + "." + std::to_string(last < 4 ? last + 1 : 2)), 7}};
    return reply;
  });
  for (const uint8_t asynchronous : {uint8_t(1), uint8_t(0)}) {
    SCOPED_TRACE(asynchronous ? "asynchronous" : "blocking");
    Recorder binding(&form);
    binding.Request.Port = agent.port();
    binding.Request.Version = 1;
    binding.Request.TimeOut = 100;
    binding.Request.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
    binding.Request.Vars.AddVar(column.c_str(), "Value", NvSyntax::integer, NvAccess::readonly, nullptr);
    binding.Request.Vars.Kind = MVT_FMV;
    binding.Request.Vars.IndexCount = 1;
    binding.Asynchronous = asynchronous;
    binding.SetStatusControl(bar);
    binding.Get();
    ASSERT_TRUE(WaitUntil([&] { return !binding.Busy; }));
    EXPECT_EQ(binding.rows, 4);
    EXPECT_EQ(binding.LastReadError().Code, NvErr::WalkOutOfOrder);
    EXPECT_TRUE(IsStatusLine(bar->SimpleText, "Get: " + NvErrorText(NvErr::WalkOutOfOrder))) << bar->SimpleText();
    EXPECT_TRUE(answers.Calls().empty());
  }
}

TEST_F(ControlsBinding, StoppedWalkEndsWithTheStopLine) {
  Recorder binding(&form);
  Point(binding);
  UseTable(binding.Request);
  binding.SetStatusControl(bar);
  int done = 0;
  binding.GetDoneHandler = [&](NvSNMPRequest2Controls*, NvSNMPError*) { ++done; };
  binding.onRow = [&] { binding.Stop(); };
  ASSERT_TRUE(binding.Get());
  ASSERT_TRUE(WaitUntil([&] { return done > 0; }));
  EXPECT_EQ(binding.calls, (Calls{"BeforeGet", "ShowRow", "AfterGet"}));
  EXPECT_TRUE(IsStatusLine(bar->SimpleText, "Get: Stop, SNMP Request is not active.")) << bar->SimpleText();
  EXPECT_EQ(binding.Busy, 0);
  EXPECT_EQ(done, 1);
}

TEST_F(ControlsBinding, AsynchronousReadAndWriteRunTheNotificationsInOrder) {
  TMemo& memo = *new TMemo(&form);
  Recorder binding(&form);
  Point(binding);
  UseTable(binding.Request);
  binding.SetStatusControl(&memo);
  ASSERT_TRUE(binding.Get());
  ASSERT_TRUE(WaitUntil([&] { return !binding.Busy; }));
  EXPECT_EQ(binding.calls, (Calls{"BeforeGet", "ShowRow", "ShowRow", "ShowRow", "AfterGet"}));
  EXPECT_TRUE(IsStatusLine(memo.Lines->Get(0), "Get: Ok!"));

  Recorder writer(&form);
  Point(writer);
  UseScalars(writer.Request);
  writer.SetStatusControl(&memo);
  ASSERT_TRUE(writer.Asynchronous);
  ASSERT_TRUE(writer.Get());
  ASSERT_TRUE(WaitUntil([&] { return !writer.Busy; }));
  writer.calls.clear();
  ASSERT_TRUE(writer.Set(false, true));
  EXPECT_EQ(writer.Busy, 1);
  ASSERT_TRUE(WaitUntil([&] { return !writer.Busy; }));
  EXPECT_EQ(writer.calls, (Calls{"BeforeSet", "CollectValues", "AfterSet", "OnSetDone"}));
  EXPECT_TRUE(IsStatusLine(memo.Lines->Get(memo.Lines->Count - 1), "Set: Ok!"));
}

// Every way a walk ends leaves the binding idle and tells the window once.
TEST_F(ControlsBinding, EveryEndOfAWalkClearsBusyAndCallsTheDoneHandlerOnce) {
  struct Case {
    const char* name;
    std::function<void(Recorder&)> atFirstRow;
    int code;  // of the record the handler gets
  } cases[] = {
      {"last reply", nullptr, 0},
      {"error reply", [](Recorder&) { Sim()->setSubtreeError(kTable, 5); }, -105},
      {"exception in a row", [](Recorder&) { throw Exception("row refused", -519); }, -519},
      {"stop", [](Recorder& b) { b.Stop(); }, 0},
      // A send refused before it goes out tells its own reason: the transport failed.
      {"failed continuation", [](Recorder& b) { b.Request.Port = 0; }, -422},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recorder binding(&form);
    Point(binding);
    UseTable(binding.Request);
    binding.SetStatusControl(bar);
    int done = 0, busyAtDone = -1, code = 99;
    binding.GetDoneHandler = [&](NvSNMPRequest2Controls* b, NvSNMPError* e) {
      ++done;
      busyAtDone = b->Busy;
      code = e->Code;
    };
    binding.onRow = [&] {
      if (binding.rows == 1 && c.atFirstRow) c.atFirstRow(binding);
    };
    ASSERT_TRUE(binding.Get());
    ASSERT_TRUE(WaitUntil([&] { return done > 0 && binding.Request.PendingReplies == 0; }));
    GuiTesting::ProcessUntil([] { return false; }, 50);  // nothing more may come
    EXPECT_EQ(done, 1);
    EXPECT_EQ(busyAtDone, 0);
    EXPECT_EQ(binding.Busy, 0);
    EXPECT_EQ(code, c.code);
    Sim()->clearFaults();
  }
  EXPECT_TRUE(answers.Calls().empty());
}

TEST_F(ControlsBinding, StopAndWaitEndsAnAsynchronousWalk) {
  Recorder binding(&form);
  Point(binding);
  UseTable(binding.Request);
  Sim()->setDelay(20);
  int done = 0;
  binding.GetDoneHandler = [&](NvSNMPRequest2Controls*, NvSNMPError*) { ++done; };
  ASSERT_TRUE(binding.Get());
  EXPECT_TRUE(binding.StopAndWait());
  EXPECT_EQ(binding.Busy, 0);
  EXPECT_EQ(done, 1);
  EXPECT_LE(binding.rows, 1);
}

TEST_F(ControlsBinding, WindowClosedDuringBlockingWalkClosesOnceTheWalkHasReturned) {
  Recorder binding(&form);
  Point(binding);
  UseTable(binding.Request);
  binding.Asynchronous = 0;
  int queries = 0, closes = 0;
  int busyAtClose = -1;
  std::string lastCallAtClose;
  form.OnCloseQuery = [&](TObject*, bool& canClose) {
    ++queries;
    canClose = binding.StopAndWait([&] { form.Close(); });
  };
  form.OnClose = [&](TObject*, TCloseAction&) {
    ++closes;
    busyAtClose = binding.Busy;
    lastCallAtClose = binding.calls.back();
  };
  form.Show();
  // The close arrives among the window messages a walk lets through after a row.
  binding.onRow = [&] { form.Close(); };
  EXPECT_FALSE(binding.Get());
  EXPECT_EQ(binding.rows, 1);
  EXPECT_EQ(binding.calls.back(), "AfterGet");
  EXPECT_EQ(binding.Busy, 0);
  EXPECT_EQ(queries, 2);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(busyAtClose, 0);  // the walk had ended when the close went ahead
  EXPECT_EQ(lastCallAtClose, "AfterGet");
  EXPECT_FALSE(form.Visible);
}

TEST_F(ControlsBinding, ReleasedBeneathItsOwnRowGoesWithItsLastReplyAndNotifiesNoMore) {
  auto* binding = new Recorder(&form);
  Point(*binding);
  UseTable(binding->Request);
  const std::shared_ptr<const bool> alive = binding->Lifetime();
  int done = 0;
  binding->GetDoneHandler = [&](NvSNMPRequest2Controls*, NvSNMPError*) { ++done; };
  // The window closes while the binding shows a row: it cannot be freed beneath that call.
  binding->onRow = [&] { NvSNMPRequest2Controls::Release(binding); };
  ASSERT_TRUE(binding->Get());
  ASSERT_TRUE(WaitUntil([&] { return !*alive; }));
  EXPECT_EQ(done, 0);  // nothing reached the window after it let go
}

TEST_F(ControlsBinding, ASetsReadAgainWaitsForTheWalkUnderWayAndRunsOnce) {
  Recorder binding(&form);
  Point(binding);
  UseTable(binding.Request);
  Sim()->setDelay(50);
  int walks = 0;
  binding.GetDoneHandler = [&](NvSNMPRequest2Controls*, NvSNMPError*) { ++walks; };
  ASSERT_TRUE(binding.Get());
  ASSERT_TRUE(binding.Reading());
  EXPECT_TRUE(binding.Get());  // a refresh during the walk does nothing
  binding.ReadAgain();
  binding.ReadAgain();
  ASSERT_TRUE(WaitUntil([&] { return walks == 2 && !binding.Busy; }));
  GuiTesting::ProcessUntil([] { return false; }, 300);  // nothing more may come
  Sim()->clearFaults();
  EXPECT_EQ(walks, 2);
  EXPECT_EQ(std::count(binding.calls.begin(), binding.calls.end(), "BeforeGet"), 2);
  EXPECT_EQ(binding.rows, 6);
}

}  // namespace
