// How reads and writes follow one another in the feature dialogs, against a slow or silent
// simulated switch: no read is lost, doubled or run inside a write's wait, a write during a
// read is refused, and a window closed while a write waits closes at once and safely.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Bootctrltableformunit.h"
#include "Cosbrandctrltable.h"
#include "DialogTestSupport.h"
#include "ExtCtrls.h"
#include "Igmpmulticastvlangroupunit.h"
#include "Ipv6ruleinfoformunit.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "Lldpdot3portconfigtable.h"
#include "Lldpportconfigtable.h"
#include "Msinfortable.h"
#include "Networktimeunit.h"
#include "Newbootpctrlformunit.h"
#include "Nlbfdbformunits.h"
#include "NvSNMPRequest2Edits.h"
#include "Smtpcontorlunit.h"
#include "Snoopinggroupviewunits.h"
#include "Snoopingrouterportsunits.h"
#include "SwitchValues.h"
#include "Systemlogserverunit.h"
#include "TableDialogDriver.h"
#include "Trafficforwardunit1.h"

namespace {

using dialogtest::Retype;
using GuiTesting::ProcessUntil;
using GuiTesting::UserClick;

std::vector<std::string> Captions(TListView* list) {
  std::vector<std::string> captions;
  for (int i = 0; i < list->Items->Count; ++i) captions.push_back(list->Items->Item[i]->Caption);
  return captions;
}

std::vector<std::string> BoxTexts(const GuiTesting::ScriptedAnswerer& boxes) {
  std::vector<std::string> texts;
  for (const auto& call : boxes.Calls()) texts.push_back(call.text);
  return texts;
}

// Runs action once, from the window's message handling, as soon as ready holds: a user acting
// while a handler further up still waits for the switch.
class WhenReady {
 public:
  WhenReady(std::function<bool()> ready, std::function<void()> action) : timer_(nullptr) {
    timer_.Interval = 5;
    timer_.OnTimer = [this, ready = std::move(ready), action = std::move(action)](TObject*) {
      if (done_ || !ready()) return;
      done_ = true;
      timer_.Enabled = false;
      action();
    };
    timer_.Enabled = true;
  }
  bool Done() const { return done_; }

 private:
  TTimer timer_;
  bool done_ = false;
};

class Flow : public ::testing::Test {
 protected:
  void SetUp() override {
    sim = std::make_unique<SwitchSim>();
    dialogtest::PointSessionAt(*sim);
  }
  void TearDown() override { delete form; }
  template <class F>
  F* Open() {
    auto* shown = new F(nullptr);
    form = shown;
    form->Show();
    EXPECT_TRUE(ProcessUntil([&] { return Idle(); }, dialogtest::kLongWait));
    sim->clearSetLog();
    return shown;
  }
  void Open(const std::function<TFeatureDialog*()>& make) {
    form = make();
    form->Show();
    ASSERT_TRUE(ProcessUntil([&] { return Idle(); }, dialogtest::kLongWait));
    sim->clearSetLog();
  }
  bool Idle() const {
    return form->DataComplete == 1 &&
           (!form->Table || (!form->Table->Busy && form->Table->Request.PendingReplies == 0));
  }
  void WaitIdle() { ASSERT_TRUE(ProcessUntil([&] { return Idle(); }, dialogtest::kLongWait)); }

  std::unique_ptr<SwitchSim> sim;
  TFeatureDialog* form = nullptr;
  GuiTesting::ScriptedAnswerer boxes;
};

// ---------------------------------------------------------------------------------------
// Stop, then Refresh: the walk starts again once the stopped one has had its last reply.

struct ListDialog {
  const char* Name;
  std::function<TFeatureDialog*()> Make;
  std::function<TButton*(TFeatureDialog*)> Refresh, Stop;
  int Rows;
};

template <class F>
ListDialog LldpTlv(const char* name, int rows) {
  return {name, [] { return new F(nullptr); }, [](TFeatureDialog* f) { return static_cast<F*>(f)->GetButton; },
          [](TFeatureDialog* f) { return static_cast<F*>(f)->StopButton; }, rows};
}

template <class F>
ListDialog LldpDot1(const char* name, int rows) {
  return {name, [] { return new F(nullptr); }, [](TFeatureDialog* f) { return static_cast<F*>(f)->RefreshButton; },
          [](TFeatureDialog* f) { return static_cast<F*>(f)->StopButton; }, rows};
}

class StopThenRefresh : public Flow, public ::testing::WithParamInterface<ListDialog> {};

TEST_P(StopThenRefresh, lists_every_row) {
  Open(GetParam().Make);
  sim->setDelay(60);
  UserClick(GetParam().Refresh(form));
  ASSERT_TRUE(ProcessUntil([&] { return form->List->Items->Count >= 3; }, dialogtest::kLongWait));
  UserClick(GetParam().Stop(form));
  UserClick(GetParam().Refresh(form));  // the stopped walk's last reply is still out
  sim->setDelay(0);
  WaitIdle();
  EXPECT_EQ(form->List->Items->Count, GetParam().Rows);
  EXPECT_TRUE(boxes.Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, StopThenRefresh,
    ::testing::Values(LldpTlv<TLLDPPortConfigForm>("lldp_port_config", 28),
                      LldpTlv<TLLDPDot3PortConfigForm>("lldp_dot3", 28),
                      LldpDot1<TLLDPConfigProtocolForm>("lldp_dot1_protocol", 5),
                      LldpDot1<TLLDPConfigProtocolVLANForm>("lldp_dot1_protocol_vlan", 5),
                      LldpDot1<TLLDPConfigVLANNameForm>("lldp_dot1_vlan_name", 44),
                      LldpTlv<TCoSBrandwidthctrlForm>("cos_bandwidth", 224)),
    [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------------------------------
// A read asked for while another of the same request is out runs after it.

TEST_F(Flow, a_scalar_read_after_a_write_during_a_read_shows_the_written_value) {
  auto* time = Open<TfrmNetwroktime>();
  ASSERT_TRUE(ProcessUntil([&] { return !time->Request->Busy; }, dialogtest::kLongWait));
  ASSERT_EQ(time->ED_PollInterval->Text(), "720");
  sim->setDelay(300);
  UserClick(time->Button_Refresh);  // its reply comes after the SET's
  UserClick(time->CheckBox_PollInterval);
  Retype(time->ED_PollInterval, "900");
  UserClick(time->Button_SetChecked);
  ASSERT_TRUE(ProcessUntil([&] { return !time->Request->Busy; }, dialogtest::kLongWait));
  EXPECT_EQ(time->ED_PollInterval->Text(), "900");
  EXPECT_EQ(sim->setLog().size(), 1u);
}

TEST_F(Flow, a_walk_asked_for_during_a_walk_lists_what_the_write_left) {
  auto* members = Open<TMSInformationForm>();
  sim->setDelay(200);
  UserClick(members->GetButton);
  ASSERT_TRUE(ProcessUntil([&] { return members->ListView1->Items->Count == 3; }, dialogtest::kLongWait));
  dialogtest::ChooseRow(members->ListView1, {"5"});  // before the walk's last reply
  UserClick(members->ListView1);
  UserClick(members->DeleteButton);
  WaitIdle();
  EXPECT_EQ(Captions(members->ListView1), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(sim->setLog().size(), 1u);
}

// ---------------------------------------------------------------------------------------
// A write pressed while its request is read is refused with the not-complete text.

TEST_F(Flow, a_write_during_a_read_is_refused_and_sends_nothing) {
  auto* hosts = Open<TSystemLogServerForm>();
  const int rows = hosts->LV_SystemLogServerEntry->Items->Count;
  sim->setDelay(200);
  UserClick(hosts->Btn_Refresh);
  Retype(hosts->Ed_Index, "4");
  Retype(hosts->Ed_IP, "10.0.0.9");
  UserClick(hosts->Btn_Add);
  EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{NvDialogText::GetNotComplete});
  sim->setDelay(0);
  WaitIdle();
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(hosts->LV_SystemLogServerEntry->Items->Count, rows);
}

// The DHCP relay pop-up counts the interface's servers on the list: never on one that a read
// under way has not finished.
TEST_F(Flow, a_relay_server_added_during_a_read_is_refused_and_the_list_stays_whole) {
  auto* relay = Open<TBOOTCtrlTableForm>();
  const int rows = relay->ListView1->Items->Count;
  ASSERT_GT(rows, 2);
  sim->setDelay(150);
  UserClick(relay->RefreshBtn);
  ASSERT_TRUE(ProcessUntil([&] { return relay->ListView1->Items->Count >= 2; }, dialogtest::kLongWait));
  GuiTesting::ModalDriver driver([&](TCustomForm&) {
    Retype(relay->Popup->Edit2, "10.9.9.9");
    UserClick(relay->Popup->DeleteBtn);  // "Set"
    if (relay->Popup->ModalResult == mrNone) UserClick(relay->Popup->BitBtn1);
  });
  UserClick(relay->AddBtn);
  EXPECT_EQ(BoxTexts(boxes), std::vector<std::string>{NvDialogText::GetNotComplete});
  sim->setDelay(0);
  WaitIdle();
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_EQ(relay->ListView1->Items->Count, rows);
}

// ---------------------------------------------------------------------------------------
// Stop and Refresh while a write waits for its answer: the walk runs after the write, with
// every column.

TEST_F(Flow, stop_and_refresh_during_a_writes_wait_read_after_it_with_every_column) {
  auto* rules = Open<TIpv6RuleForm>();
  sim->setDelay(300);
  Retype(rules->edtRuleID, "1");
  Retype(rules->edtRuleAccessID, "4");
  UserClick(rules->cbxPermit);
  UserClick(rules->cbxRow);
  WhenReady user([&] { return !sim->setLog().empty(); },
                 [&] {
                   UserClick(rules->StopButton);
                   UserClick(rules->GetButton);
                 });
  UserClick(rules->AddButton);  // returns once the SET is answered
  ASSERT_TRUE(user.Done());
  sim->setDelay(0);
  WaitIdle();
  std::vector<std::string> keys;
  for (int i = 0; i < rules->ListView1->Items->Count; ++i) {
    const std::vector<std::string> cells = dialogtest::Cells(rules->ListView1->Items->Item[i]);
    keys.push_back(cells[0] + "/" + cells[1]);
    for (const std::string& cell : cells) EXPECT_EQ(cell.find("NOTDONE"), std::string::npos) << keys.back();
    EXPECT_FALSE(cells[2].empty()) << keys.back();
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"1/1", "1/4", "5/2"}));
  EXPECT_EQ(sim->setLog().size(), 1u);
}

// ---------------------------------------------------------------------------------------
// Close (the frame's close box) while a write waits for its answer: the window closes, the one
// SET sent stands, and nothing touches what the close let go of.

struct WriteDialog {
  const char* Name;
  std::function<TFeatureDialog*()> Make;
  std::function<TButton*(TFeatureDialog*)> Write;
};

template <class F, class Base, TButton* Base::*button>
WriteDialog Writes(const char* name) {
  return {name, [] { return new F(nullptr); }, [](TFeatureDialog* f) { return static_cast<F*>(f)->*button; }};
}

class CloseDuringWrite : public Flow, public ::testing::WithParamInterface<WriteDialog> {};

TEST_P(CloseDuringWrite, closes_and_the_sent_set_stands) {
  Open(GetParam().Make);
  ASSERT_GT(form->List->Items->Count, 0);
  GuiTesting::UserClickItem(form->List, form->List->Items->Item[0]);
  UserClick(form->List);
  sim->setDelay(400);
  WhenReady user([&] { return !sim->setLog().empty(); }, [&] { GuiTesting::UserCloseWindow(form); });
  UserClick(GetParam().Write(form));
  ASSERT_TRUE(ProcessUntil([&] { return user.Done(); }, dialogtest::kLongWait));
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->Table, nullptr);
  sim->setDelay(0);
  // The late reply, and whatever the write would have done after it, reach nothing.
  ProcessUntil([] { return false; }, 900);
  EXPECT_EQ(sim->setLog().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CloseDuringWrite,
    ::testing::Values(
        Writes<TIGMPRouterPortsForm, TSnoopingRouterPortsForm, &TSnoopingRouterPortsForm::btnSet>("igmp_router_ports"),
        Writes<TNLBMulticastFDBForm, TNLBMulticastFDBForm, &TNLBMulticastFDBForm::SetBtn>("nlb_multicast"),
        Writes<TIGMPSnoopingDataDrivenLearingGroupForm, TSnoopingGroupView, &TSnoopingGroupView::btnSet>(
            "data_driven_groups"),
        Writes<TTrafficSegmentationForm, TTrafficSegmentationForm, &TTrafficSegmentationForm::BT_Set>(
            "traffic_segmentation"),
        Writes<TIGMPMulticastVlanForm, TIGMPMulticastVlanForm, &TIGMPMulticastVlanForm::btnDelete>(
            "multicast_vlan_group")),
    [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------------------------------
// Close on a silent switch lets go of the request under way at once.

TEST_F(Flow, close_with_a_read_unanswered_ends_at_once) {
  const std::function<TFeatureDialog*()> dialogs[] = {[] { return new TSMTPControlForm(nullptr); },
                                                      [] { return new TMSInformationForm(nullptr); }};
  for (const auto& make : dialogs) {
    Open(make);
    SCOPED_TRACE(form->GetName());
    sim->setDropReplies(true);
    GuiTesting::UserClick(dynamic_cast<TButton*>(form->FindComponent(
        dynamic_cast<TSMTPControlForm*>(form) ? "Btn_Refresh" : "GetButton")));
    const auto start = std::chrono::steady_clock::now();
    GuiTesting::UserCloseWindow(form);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_TRUE(form->Closed());
    sim->setDropReplies(false);
    delete form;
    form = nullptr;
  }
}

}  // namespace
