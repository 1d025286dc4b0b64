// What the view tests share: the program's session, one simulated switch per test program,
// the descriptor lists of the view test subtree and a driver for nested modal windows.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

#include "Forms.h"
#include "GuiTestGuards.h"
#include "GuiTesting.h"
#include "Guiconfigform.h"
#include "NvOptionList.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPSession.h"
#include "SessionSupport.h"
#include "SwitchSim.h"

namespace viewstest {

inline const std::string kScalars = "1.3.6.1.4.1.32473.999.30";
inline const std::string kTable = "1.3.6.1.4.1.32473.999.31.1";
inline const std::string kLongTable = "1.3.6.1.4.1.32473.999.32.1";

inline const NvOptionPair kStateNames[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
inline const NvOptionPair kRowStatusNames[] = {{1, "active"},      {2, "notInService"}, {3, "notReady"},
                                               {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                               {0, nullptr}};
inline NvOptionList& StateList() {
  static NvOptionList list(kStateNames);
  return list;
}
inline NvOptionList& RowStatusList() {
  static NvOptionList list(kRowStatusNames);
  return list;
}

// Per try, in hundredths of a second: a slow reply is waited for, not sent again.
inline constexpr int kRequestTimeOut = 300;

inline SwitchSim*& Sim() {
  static SwitchSim* sim = nullptr;
  return sim;
}

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application->Initialize();
    Application->Title = "NVS-7000-D";
    GuardAgainstUnscriptedWindows();
    StartSessionInScratchFolder("views");
    Sim() = new SwitchSim();
  }
  void TearDown() override {
    delete Sim();
    Sim() = nullptr;
  }
};

inline ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

// A binding of the window pointed at the simulated switch over SNMPv2c.
inline NvSNMPRequest2Edits* NewBinding(TForm* form) {
  auto* binding = new NvSNMPRequest2Edits(form);
  binding->Request.Port = Sim()->port();
  binding->Request.Version = 1;
  binding->Request.TimeOut = kRequestTimeOut;
  return binding;
}

// State (combo), Name, Address, Interval, Counter (read-only), Ports.
inline void UseScalars(NvSNMPRequest& request) {
  request.Vars.AddVar((kScalars + ".1").c_str(), "State", NvSyntax::integer, NvAccess::readwrite, &StateList());
  request.Vars.AddVar((kScalars + ".2").c_str(), "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kScalars + ".3").c_str(), "Address", NvSyntax::ipaddress, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kScalars + ".4").c_str(), "Interval", NvSyntax::integer, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kScalars + ".5").c_str(), "Counter", NvSyntax::counter, NvAccess::readonly, nullptr);
  request.Vars.AddVar((kScalars + ".6").c_str(), "Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
  request.Vars.Kind = SVT_SV;
  request.Vars.Caption = "Scalars";
}

// Index, Name, Ports, Status (row status).
inline void UseTable(NvSNMPRequest& request) {
  request.Vars.AddVar(" ", "Index", NvSyntax::integer, NvAccess::notaccess, nullptr);
  request.Vars.AddVar((kTable + ".2").c_str(), "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kTable + ".3").c_str(), "Ports", NvSyntax::bitlist, NvAccess::readwrite, nullptr);
  request.Vars.AddVar((kTable + ".4").c_str(), "Status", NvSyntax::integer, NvAccess::readwrite, &RowStatusList());
  request.Vars.Kind = MVT_FMV;
  request.Vars.IndexCount = 1;
  request.Vars.Caption = "Table";
}

inline void UseLongTable(NvSNMPRequest& request) {
  request.Vars.AddVar(" ", "Row", NvSyntax::integer, NvAccess::notaccess, nullptr);
  request.Vars.AddVar((kLongTable + ".2").c_str(), "Text", NvSyntax::displaystr, NvAccess::readonly, nullptr);
  request.Vars.Kind = MVT_FMV;
  request.Vars.IndexCount = 1;
  request.Vars.Caption = "Long Table";
}

// Runs one step per modal window in the order the windows open (a pop-up's step runs
// inside the step of the window that opened it).
class ModalScript {
 public:
  using Step = std::function<void(TCustomForm&)>;
  ModalScript() : driver_([this](TCustomForm& form) { Run(form); }) {}
  void Then(Step step) { steps_.push_back(std::move(step)); }
  int Runs() const { return driver_.Runs(); }
  bool Done() const { return steps_.empty(); }

 private:
  void Run(TCustomForm& form) {
    ASSERT_FALSE(steps_.empty()) << "an unexpected modal window: " << form.Caption();
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(form);
    // A step that failed half-way must not leave its window open for ever.
    if (form.ModalResult == mrNone) form.ModalResult = mrCancel;
  }
  std::deque<Step> steps_;
  GuiTesting::ModalDriver driver_;
};

// Shows the view modally: step runs in its modal loop once ready holds, then the view closes.
inline void ShowModalStep(TCustomForm* form, ModalScript& script, const std::function<bool()>& ready,
                          const std::function<void()>& step) {
  script.Then([&, ready, step](TCustomForm& shown) {
    ASSERT_TRUE(WaitUntil(ready));
    step();
    shown.Close();
  });
  form->ShowModal();
  EXPECT_TRUE(script.Done());
}

// The frame of a pop-up: its one TSNMPPanel.
inline TSNMPPanel* FrameOf(TCustomForm& popup) {
  for (int i = 0; i < popup.ComponentCount; ++i)
    if (auto* frame = dynamic_cast<TSNMPPanel*>(popup.Components[i]())) return frame;
  return nullptr;
}

// Writes the seed's value back to a scalar of the subtree that a test has changed.
inline void RestoreScalar(const std::string& suffix, int syntax, const std::string& value) {
  NvSNMPRequest2Controls binding(nullptr);
  binding.Request.Port = Sim()->port();
  binding.Request.Version = 1;
  binding.Request.TimeOut = kRequestTimeOut;
  binding.Asynchronous = 0;
  binding.Request.Vars.AddVar((kScalars + suffix).c_str(), "Restored", syntax, NvAccess::readwrite, nullptr);
  *binding.Request.Vars.GetVar(0)->Value = value;
  ASSERT_TRUE(binding.Set(false, false));
}

inline std::string StatusText(TSNMPPanel* panel) { return panel->MsgPanel->StatusBar->SimpleText; }

inline bool Idle(NvSNMPRequest2Edits* binding) { return !binding->Busy; }

// A table view in a config form of its own, over one binding the test fills: Made takes the
// view once the binding is ready.
struct ListWindow {
  explicit ListWindow(const char* caption) : form(new TConfigForm(Application)), binding(NewBinding(form)) {
    form->Caption = caption;
  }
  ~ListWindow() { delete form; }
  ListWindow(const ListWindow&) = delete;
  ListWindow& operator=(const ListWindow&) = delete;

  void Made(TSNMPListViewPanel* made) {
    view = made;
    list = view->ListPanel->ListView;
  }
  // Shows the window modally; step runs once its walk has ended with that many rows.
  void ShowRows(int rows, const std::function<void()>& step) {
    ShowModalStep(form, script, [this, rows] { return Idle(binding) && list->Items->Count == rows; }, step);
  }
  TEdit* Edit(int row) const { return static_cast<TEdit*>(view->EditsPanel->Rows[row].Control); }

  TConfigForm* form;
  NvSNMPRequest2Edits* binding;
  TSNMPListViewPanel* view = nullptr;
  TListView* list = nullptr;
  ModalScript script;
};

}  // namespace viewstest
