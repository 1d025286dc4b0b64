// The time and mail settings dialogs against the simulated switch: network time (ticked rows
// only), summer time (modes, packed points, the rows the user sees), current time (clock and
// capabilities) and the SMTP settings with their test mail.
#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <string>
#include <vector>

#include "Currenttime.h"
#include "DialogDriving.h"
#include "DialogTestSupport.h"
#include "Networktimeunit.h"
#include "NvSNMPConvert.h"
#include "Progress.h"
#include "Smtpcontorlunit.h"
#include "StackingPortUitForm.h"
#include "Startup.h"
#include "Summertimeunit.h"
#include "SystemDialogFixture.h"

namespace {

using namespace dialogtest;
using GuiTesting::ProcessUntil;
using GuiTesting::UserChoose;
using GuiTesting::UserClick;
using Log = std::vector<std::string>;

const std::string kSntp = "1.3.6.1.4.1.32473.12.10.11.";
const std::string kSummer = "1.3.6.1.4.1.32473.12.10.12.";
const std::string kTime = "1.3.6.1.4.1.32473.12.10.";
const std::string kSmtp = "1.3.6.1.4.1.32473.12.29.1.";

std::vector<NvSNMPRequest2Controls*> RequestsOf(TfrmNetwroktime* f) { return {f->Request}; }
std::vector<NvSNMPRequest2Controls*> RequestsOf(TCurrentTimeForm* f) { return {f->Request}; }
std::vector<NvSNMPRequest2Controls*> RequestsOf(TSMTPControlForm* f) { return {f->Request}; }
std::vector<NvSNMPRequest2Controls*> RequestsOf(TfrmSummerTime* f) {
  return {f->StatusRequest, f->RepeatRequest, f->AnnualRequest};
}

void Choose(TComboBox* combo, const std::string& item) {
  const int index = combo->Items->IndexOf(item);
  ASSERT_GE(index, 0) << item;
  UserChoose(combo, index);
}

// The dialog F shown on a fresh switch, its first reads ended (all its requests idle).
template <class F>
class OnSwitch : public SystemDialog {
 protected:
  void SetUp() override {
    SystemDialog::SetUp();
    form = new F(nullptr);
    form->Show();
    WaitIdle();
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  void WaitIdle() {
    ASSERT_TRUE(ProcessUntil(
        [&] {
          for (NvSNMPRequest2Controls* request : RequestsOf(form))
            if (request && (request->Busy || request->Request.PendingReplies != 0)) return false;
          return true;
        },
        15000));
  }
  void Press(TButton* button) {
    UserClick(button);
    WaitIdle();
  }
  std::string Status() const { return form->StatusBar1->Panels->Items[0]->Text; }

  F* form = nullptr;
};

// ---------------------------------------------------------------------------------------
// Opened from the menu

using TimeMailMenu = SystemDialog;

TEST_F(TimeMailMenu, each_dialog_opens_from_its_menu_item_with_its_caption_owner_and_global) {
  TForm mainWindow(nullptr);
  std::string shown;
  const Opened sntp = RunAndClose<TfrmNetwroktime>(MenuCommand("NetworkTime1", mainWindow), nullptr, &frmNetwroktime,
                                                   [&](TfrmNetwroktime* f) {
                                                     ASSERT_TRUE(ProcessUntil([&] { return !f->Request->Busy; }));
                                                     shown = f->ED_Server1IPAddress->Text;
                                                     UserClick(f->Button_Close);
                                                   });
  EXPECT_EQ(sntp.runs, 1);
  EXPECT_EQ(sntp.caption, "Network Time: 127.0.0.1");
  EXPECT_TRUE(sntp.global);
  EXPECT_EQ(sntp.owner, &mainWindow);
  EXPECT_EQ(shown, "10.90.90.5");

  const Opened summer = RunAndClose<TfrmSummerTime>(MenuCommand("SummerTime1", mainWindow), nullptr, nullptr,
                                                    [&](TfrmSummerTime* f) {
                                                      shown = f->cbxTimeStatus->Text;
                                                      UserClick(f->btnClose);
                                                    });
  EXPECT_EQ(summer.caption, "Summer Time: 127.0.0.1");
  EXPECT_EQ(summer.owner, Application);
  EXPECT_EQ(shown, "repeating");

  const Opened clock = RunAndClose<TCurrentTimeForm>(MenuCommand("Time1", mainWindow), nullptr, &CurrentTimeForm,
                                                     [&](TCurrentTimeForm* f) {
                                                       shown = f->timecapacityEdit->Text;
                                                       UserClick(f->CloseButton);
                                                     });
  EXPECT_EQ(clock.caption, "Current Time: 127.0.0.1");
  EXPECT_TRUE(clock.global);
  EXPECT_EQ(shown, " systemTime,SNTP,SummerTime,realTimeClock");

  const Opened smtp = RunAndClose<TSMTPControlForm>(MenuCommand("SMTPControlTable1", mainWindow), nullptr, nullptr,
                                                    [&](TSMTPControlForm* f) {
                                                      ASSERT_TRUE(ProcessUntil([&] { return !f->Request->Busy; }));
                                                      shown = f->Ed_SelfMailAddress->Text;
                                                      UserClick(f->Button1);
                                                    });
  EXPECT_EQ(smtp.caption, "SMTP Control Table :" + TitleSuffix);
  EXPECT_EQ(shown, "sw-core-3f@plant.example.net");
}

// ---------------------------------------------------------------------------------------
// Network time

using NetworkTime = OnSwitch<TfrmNetwroktime>;

TEST_F(NetworkTime, shows_the_switchs_sntp_settings_and_a_time_source_that_cannot_be_edited) {
  EXPECT_EQ(form->CBox_TimeSate->Text(), "enabled");
  EXPECT_EQ(form->ED_TimeSource->Text(), "server1");
  EXPECT_FALSE(form->ED_TimeSource->Enabled);
  EXPECT_EQ(form->ED_Server1IPAddress->Text(), "10.90.90.5");
  EXPECT_EQ(form->ED_ServerIPAddress2->Text(), "192.168.1.123");
  EXPECT_EQ(form->ED_PollInterval->Text(), "720");
}

TEST_F(NetworkTime, set_checked_writes_the_ticked_rows_alone_and_unticks_them) {
  struct Case {
    const char* name;
    std::vector<TCheckBox*> ticked;  // empty: Check All
    Log expected;
  };
  const Case cases[] = {
      {"state", {form->CheckBox_TimeState}, {kSntp + "1.0=2:2"}},
      {"second server and poll, a bad first server not looked at",
       {form->CheckBox_Server2IP, form->CheckBox_PollInterval},
       {kSntp + "4.0=64:10.90.90.6 ; " + kSntp + "5.0=2:900"}},
      {"check all",
       {},
       {kSntp + "1.0=2:2 ; " + kSntp + "3.0=64:10.90.90.7 ; " + kSntp + "4.0=64:10.90.90.6 ; " + kSntp + "5.0=2:900"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim->clearSetLog();
    Choose(form->CBox_TimeSate, "disabled");
    Retype(form->ED_Server1IPAddress, c.ticked.empty() ? "10.90.90.7" : "10.90.90");
    Retype(form->ED_ServerIPAddress2, "10.90.90.6");
    Retype(form->ED_PollInterval, "900");
    if (c.ticked.empty()) UserClick(form->Button_CheckAll);
    for (TCheckBox* box : c.ticked) UserClick(box);
    Press(form->Button_SetChecked);
    EXPECT_EQ(sim->setLog(), c.expected);
    EXPECT_FALSE(form->Rows.AnyTicked());
    EXPECT_TRUE(boxes.Calls().empty());
  }
  EXPECT_EQ(form->ED_Server1IPAddress->Text(), "10.90.90.7");  // read again after the last write
}

TEST_F(NetworkTime, a_bad_ticked_server_address_is_refused_and_nothing_is_sent) {
  UserClick(form->Button_CheckAll);
  Retype(form->ED_ServerIPAddress2, "192.168.1.1234");
  Press(form->Button_SetChecked);
  EXPECT_EQ(BoxTexts(boxes), (Log{"Please input a valid ip"}));
  EXPECT_TRUE(sim->setLog().empty());
  for (int var : {0, 2, 3, 4}) EXPECT_EQ(form->Request->Request.Vars.GetVar(var)->Access, NvAccess::readwrite) << var;
  UserClick(form->Button_ClearAll);
  EXPECT_FALSE(form->Rows.AnyTicked());
}

// ---------------------------------------------------------------------------------------
// Summer time

using SummerTime = OnSwitch<TfrmSummerTime>;

TEST_F(SummerTime, shows_the_repeating_points_and_hides_the_annual_rows) {
  EXPECT_EQ(form->cbxTimeStatus->Text(), "repeating");
  EXPECT_EQ(form->edtTimeOffset->Text(), "60");
  const std::vector<std::string> start = {form->cbxRepeatWeekS->Text(), form->cbxRepeatWeekdayS->Text(),
                                          form->cbxRepeatMonthS->Text(), form->edtRepeatHS->Text(),
                                          form->edtRepeatMS->Text()};
  EXPECT_EQ(start, (Log{"2nd", "Sun", "Mar", "2", "0"}));
  EXPECT_EQ(form->cbxRepeatWeekE->Text(), "last");
  EXPECT_EQ(form->cbxRepeatMonthE->Text(), "Oct");
  EXPECT_TRUE(form->CheckBox3->Visible && form->cbxRepeatMonthE->Visible);
  EXPECT_FALSE(form->CheckBox5->Visible || form->edtAnnualDayS->Visible || form->edt_RepeatStart->Visible);
}

TEST_F(SummerTime, points_pack_as_upper_case_hexadecimal_and_out_of_range_values_pack_nothing) {
  const TfrmSummerTime::RepeatPoint repeat{form->cbxRepeatMonthS, form->cbxRepeatWeekS, form->cbxRepeatWeekdayS,
                                           form->edtRepeatHS, form->edtRepeatMS};
  struct RepeatCase { const char *week, *weekday, *month, *hour, *minute, *packed; };
  const RepeatCase repeats[] = {
      {"last", "Sat", "Dec", "23", "59", "0000070C173B"},
      {"2nd", "Sun", "Mar", "2", "0", "020001030200"},
      {"4th", "Wed", "none", "24", "0", ""},
      {"1st", "Mon", "Jan", "0", "60", ""},
  };
  for (const RepeatCase& c : repeats) {
    Choose(repeat.Week, c.week);
    Choose(repeat.Weekday, c.weekday);
    Choose(repeat.Month, c.month);
    Retype(repeat.Hour, c.hour);
    Retype(repeat.Minute, c.minute);
    EXPECT_EQ(TfrmSummerTime::PackRepeat(repeat), c.packed) << c.packed;
  }
  const TfrmSummerTime::AnnualPoint annual{form->edtAnnualDayS, form->cbxAnnualMonthS, form->edtAnnualHS,
                                           form->edtAnnualMS};
  TfrmSummerTime::UnpackAnnual("1f0a173b", annual);
  EXPECT_EQ(form->edtAnnualDayS->Text(), "31");
  EXPECT_EQ(form->cbxAnnualMonthS->Text(), "Oct");
  EXPECT_EQ(TfrmSummerTime::PackAnnual(annual), "1F0A173B");
  form->edtAnnualDayS->Text = "32";  // its row is hidden in the repeating mode
  EXPECT_EQ(TfrmSummerTime::PackAnnual(annual), "");
  form->edtAnnualDayS->Text = "x";
  EXPECT_THROW(TfrmSummerTime::PackAnnual(annual), Exception);
}

TEST_F(SummerTime, the_status_alone_is_written_when_only_its_box_is_ticked) {
  Choose(form->cbxTimeStatus, "annual");
  EXPECT_TRUE(form->CheckBox5->Visible);
  EXPECT_FALSE(form->CheckBox3->Visible);
  EXPECT_EQ(form->CheckBox5->Top(), form->CheckBox3->Top());  // in the first repeat row's place
  UserClick(form->CheckBox1);
  Press(form->btnSet);
  EXPECT_EQ(sim->setLog(), (Log{kSummer + "1.0=2:2"}));
  EXPECT_TRUE(form->CheckBox1->Checked);  // writing unticks nothing
}

// Check All in the annual mode: the annual pair the user sees is written, never the hidden
// repeat pair.
TEST_F(SummerTime, check_all_writes_the_rows_the_user_sees) {
  Choose(form->cbxTimeStatus, "annual");
  Retype(form->edtAnnualDayS, "29");
  Choose(form->cbxAnnualMonthS, "Mar");
  Retype(form->edtAnnualHS, "2");
  Retype(form->edtAnnualMS, "0");
  Retype(form->edtAnnualDayE, "25");
  Choose(form->cbxAnnualMonthE, "Oct");
  Retype(form->edtAnnualHE, "3");
  Retype(form->edtAnnualME, "0");
  UserClick(form->btnCheckAll);
  EXPECT_FALSE(form->CheckBox3->Checked || form->CheckBox4->Checked);
  Press(form->btnSet);
  EXPECT_EQ(sim->setLog(), (Log{kSummer + "1.0=2:2 ; " + kSummer + "2.0=2:60",
                                kSummer + "5.0=4x:1D030200 ; " + kSummer + "6.0=4x:190A0300"}));
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SummerTime, refusals_give_their_message_and_send_nothing) {
  struct Case {
    const char* name;
    const char* mode;
    std::vector<TCheckBox*> ticked;
    const char* offset;
    const char* annualDay;
    const char* message;
  };
  const Case cases[] = {
      {"offset 45", "repeating", {form->CheckBox2}, "45", "1", "Time Offset error!"},
      {"offset not a number", "repeating", {form->CheckBox1, form->CheckBox2}, "x", "1", "Time Offset error!"},
      {"one repeat box", "repeating", {form->CheckBox3}, "45", "1",
       "The Repeat Summer Time Start and Repeat Summer Time End should be set together!"},
      {"one annual box", "annual", {form->CheckBox6}, "45", "1",
       "The Annual Summer Time Start and Annual Summer Time End should be set together!"},
      {"30 February", "annual", {form->CheckBox5, form->CheckBox6}, "45", "30", "time error!!"},
      // The mode and the offset are fine, but they go only with points that are.
      {"30 February with the mode", "annual", {form->CheckBox1, form->CheckBox2, form->CheckBox5, form->CheckBox6},
       "60", "30", "time error!!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GuiTesting::ScriptedAnswerer answered;
    Choose(form->cbxTimeStatus, c.mode);
    Retype(form->edtTimeOffset, c.offset);
    TfrmSummerTime::UnpackAnnual("01020200", {form->edtAnnualDayS, form->cbxAnnualMonthS, form->edtAnnualHS,
                                              form->edtAnnualMS});
    TfrmSummerTime::UnpackAnnual("010A0300", {form->edtAnnualDayE, form->cbxAnnualMonthE, form->edtAnnualHE,
                                              form->edtAnnualME});
    form->edtAnnualDayS->Text = c.annualDay;
    for (TCheckBox* box : c.ticked) box->Checked = true;
    Press(form->btnSet);
    EXPECT_EQ(BoxTexts(answered), (Log{c.message}));
    EXPECT_TRUE(sim->setLog().empty());
    UserClick(form->btnClearChecks);
  }
  EXPECT_EQ(form->StatusRequest->Request.Vars.GetVar(0)->Access, NvAccess::readwrite);
}

TEST_F(SummerTime, an_hour_that_is_no_number_is_reported_in_the_status_bar) {
  UserClick(form->btnCheckAll);
  Retype(form->edtRepeatHE, "3h");
  Press(form->btnSet);
  EXPECT_EQ(Status(), "'3h' is not a valid integer value");
  EXPECT_TRUE(sim->setLog().empty());  // the points are checked before the status goes
}

// The mode and the points of one press: a refused or unanswered mode ends it, so no points go
// out under a mode the switch does not hold, the press is told once and nothing says Ok.
TEST_F(SummerTime, a_mode_the_switch_does_not_take_ends_the_write) {
  struct Case {
    const char* name;
    std::function<void()> fault;
  };
  const Case cases[] = {
      {"refused", [&] { sim->refuseSet(1, 5); }},
      {"never answered", [&] { sim->setDropReplies(true); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GuiTesting::ScriptedAnswerer answered;
    for (NvSNMPRequest2Controls* request : RequestsOf(form)) request->Request.TimeOut = 30;
    form->StatusBar1->Panels->Items[0]->Text = "";
    Choose(form->cbxTimeStatus, "annual");
    TfrmSummerTime::UnpackAnnual("1D030200", {form->edtAnnualDayS, form->cbxAnnualMonthS, form->edtAnnualHS,
                                              form->edtAnnualMS});
    TfrmSummerTime::UnpackAnnual("190A0300", {form->edtAnnualDayE, form->cbxAnnualMonthE, form->edtAnnualHE,
                                              form->edtAnnualME});
    UserClick(form->btnCheckAll);
    sim->clearSetLog();
    c.fault();
    Press(form->btnSet);
    sim->clearFaults();
    // The mode, sent again only by the retry of an unanswered try; the points never went.
    const Log sent = sim->setLog();
    ASSERT_FALSE(sent.empty());
    for (const std::string& line : sent) EXPECT_EQ(line, kSummer + "1.0=2:2 ; " + kSummer + "2.0=2:60");
    ASSERT_EQ(answered.Calls().size(), 1u);
    EXPECT_NE(answered.Calls()[0].text.find("Annual Summer Time Start, Annual Summer Time End."), std::string::npos)
        << answered.Calls()[0].text;
    EXPECT_EQ(Status().find("Ok"), std::string::npos) << Status();
    EXPECT_EQ(SwitchValue(kSummer + "5", "0", NvSyntax::octetstr), "1F030200");  // the seed's annual start
    UserClick(form->btnClearChecks);
  }
}

// ---------------------------------------------------------------------------------------
// Current time

using CurrentTime = OnSwitch<TCurrentTimeForm>;

TEST_F(CurrentTime, shows_the_clock_the_capabilities_and_the_reset_rule) {
  EXPECT_EQ(form->timecapacityEdit->Text(), " systemTime,SNTP,SummerTime,realTimeClock");
  EXPECT_FALSE(form->timecapacityEdit->Enabled || form->cbxReset->Enabled);
  EXPECT_EQ(form->currentclockEdit->Text(), "2026-12-10,8:30:15.0");
  EXPECT_EQ(form->cbxReset->Text(), "false");
  form->tempText->Caption = "50";
  form->GetCompleted(form->Request, nullptr);
  EXPECT_EQ(form->timecapacityEdit->Text(), " ,SNTP,realTimeClock");
}

TEST_F(CurrentTime, set_writes_the_clock_alone_and_an_empty_clock_is_refused) {
  Retype(form->currentclockEdit, "");
  Press(form->SetButton);
  EXPECT_EQ(BoxTexts(boxes), (Log{"The Current Edit should not be empty!"}));
  EXPECT_TRUE(sim->setLog().empty());
  // The switch's clock has no offset: neither has the one typed without one.
  EXPECT_EQ(form->clockOffsetLabel->Caption(), "No offset as read");
  Retype(form->currentclockEdit, "2027-1-2,3:04:05.0");
  Press(form->SetButton);
  EXPECT_EQ(sim->setLog(), (Log{kTime + "2.0=4x:07EB010203040500"}));
}

// Each typed clock reaches the switch as exactly that date, time and offset.
TEST_F(CurrentTime, a_typed_clock_is_sent_as_typed) {
  const struct {
    const char* typed;
    const char* sent;
  } cases[] = {
      {"2026-12-31,23:59:59.9", "07EA0C1F173B3B09"},
      {"2024-2-29,0:0:0.0", "07E8021D00000000"},
      {"2026-12-10,9:00:00", "07EA0C0A09000000"},
      {"2026-12-10,9:00:00.0,+8:0", "07EA0C0A090000002B0800"},
      {"2026-12-10,9:00:00.0,-5:30", "07EA0C0A090000002D051E"},
      {"65535-12-31,23:59:59.9,+14:59", "FFFF0C1F173B3B092B0E3B"},
  };
  for (const auto& c : cases) {
    sim->clearSetLog();
    Retype(form->currentclockEdit, c.typed);
    Press(form->SetButton);
    EXPECT_EQ(sim->setLog(), (Log{kTime + "2.0=4x:" + c.sent})) << c.typed;
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

// No impossible clock is written: the message says what a clock looks like, and the edit
// keeps the focus to be corrected.
TEST_F(CurrentTime, an_impossible_clock_is_refused_and_nothing_is_sent) {
  for (const char* typed : {"2026-2-30,0:0:0.0", "2026-4-31,12:0:0.0", "2026-13-1,0:0:0.0", "2026-1-1,24:0:0.0",
                            "2026-1-1,0:60:0.0", "2026-1-1,0:0:61.0", "2026-1-1,0:0:60.0", "2026-12-31 23:59:59",
                            "now", "31.12.2026,23:59:59.0", "2026-1-1,0:0:0.0,+15:0", "2026-1-1,0:0:0.0,8:0"}) {
    const size_t before = boxes.Calls().size();
    Retype(form->currentclockEdit, typed);
    Press(form->SetButton);
    ASSERT_EQ(boxes.Calls().size(), before + 1) << typed;
    EXPECT_EQ(boxes.Calls().back().text, NvDateTimeHint) << typed;
    EXPECT_TRUE(form->currentclockEdit->Focused()) << typed;
  }
  EXPECT_TRUE(sim->setLog().empty());
}

// Read and set again untouched, the clock goes back as the eight octets it came as.
TEST_F(CurrentTime, an_unedited_clock_is_written_back_octet_for_octet) {
  Press(form->SetButton);
  EXPECT_EQ(sim->setLog(), (Log{kTime + "2.0=4x:07EA0C0A081E0F00"}));
}

// A switch whose clock runs at UTC+8:00.
class CurrentTimeAtUtc8 : public OnSwitch<TCurrentTimeForm> {
 protected:
  std::vector<std::string> ExtraSeeds() const override { return {std::string(NV_TEST_DIR) + "/clock-utc8.snmprec"}; }
};

TEST_F(CurrentTimeAtUtc8, a_clock_typed_without_offset_goes_with_the_switchs_own) {
  EXPECT_EQ(form->currentclockEdit->Text(), "2026-12-10,8:30:15.0,+8:0");
  EXPECT_EQ(form->clockOffsetLabel->Caption(), "Offset +8:0 as read");
  Press(form->SetButton);  // untouched: as read
  Retype(form->currentclockEdit, "2026-12-10,9:00:00.0");
  Press(form->SetButton);
  EXPECT_EQ(form->currentclockEdit->Text(), "2026-12-10,9:00:00.0,+8:0");
  Retype(form->currentclockEdit, "2026-12-10,1:00:00.0,+0:0");
  Press(form->SetButton);
  EXPECT_EQ(sim->setLog(), (Log{kTime + "2.0=4x:07EA0C0A081E0F002B0800", kTime + "2.0=4x:07EA0C0A090000002B0800",
                                kTime + "2.0=4x:07EA0C0A010000002B0000"}));
}

// A read that ends with an error says so; the capabilities stay as they were.
TEST_F(CurrentTime, a_failed_read_is_reported_in_the_status_bar) {
  const std::string before = Status();
  sim->setSubtreeError(kTime + "2", 5);  // genErr
  Press(form->GetButton);
  EXPECT_NE(Status(), before);
  EXPECT_FALSE(Status().empty());
  EXPECT_EQ(form->timecapacityEdit->Text(), " systemTime,SNTP,SummerTime,realTimeClock");
}

// ---------------------------------------------------------------------------------------
// SMTP

class Smtp : public OnSwitch<TSMTPControlForm> {
 protected:
  // Progress windows shown: caption and prompt; each is closed at once.
  std::vector<std::string> progress;
  GuiTesting::ModalDriver driver{[this](TCustomForm& shown) {
    auto* window = dynamic_cast<TProgressForm*>(&shown);
    if (!window) return;
    progress.push_back(window->Caption() + " / " + window->LB_Prompt->Caption());
    window->Close();
  }};
};

TEST_F(Smtp, no_action_writes_the_six_settings_without_the_test_mail) {
  EXPECT_EQ(form->CB_Status->Text(), "enabled");
  EXPECT_EQ(form->Ed_SourceAddress->Text(), "10.90.90.25");
  EXPECT_EQ(form->CB_SendTest->Text(), "noAction");
  Retype(form->ED_Subject, "Port 7 down");
  Press(form->Btn_Set);
  EXPECT_EQ(sim->setLog(), (Log{kSmtp + "1.0=2:3 ; " + kSmtp + "2.0=64:10.90.90.25 ; " + kSmtp + "3.0=2:25 ; " +
                                kSmtp + "4.0=4:sw-core-3f@plant.example.net ; " + kSmtp + "5.0=4:Port 7 down ; " +
                                kSmtp + "6.0=4:Test mail from the 3rd floor core switch"}));
  EXPECT_TRUE(progress.empty());
  EXPECT_EQ(form->Request->Request.Vars.GetVar(6)->Access, NvAccess::readwrite);
}

TEST_F(Smtp, a_test_mail_is_sent_with_every_setting_once_confirmed_behind_the_progress_window) {
  Choose(form->CB_SendTest, "send");
  Press(form->Btn_Set);
  ASSERT_EQ(BoxTexts(boxes), (Log{"To Send the mail may take a long time. Do you want to go on?"}));
  EXPECT_EQ(progress, (Log{"Send the mail Progress / Send the mail is processing..."}));
  const Log log = sim->setLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find(kSmtp + "1.0=2:3 ; "), std::string::npos);
  EXPECT_NE(log[0].find(" ; " + kSmtp + "7.0=2:1"), std::string::npos);
}

TEST_F(Smtp, refusals_send_nothing) {
  struct Case {
    const char* name;
    const char* state;
    const char* sendTest;
    const char* port;
    int answer;
    Log boxTexts;
    const char* status;  // "" when the status bar is not the place
  };
  const char* confirm = "To Send the mail may take a long time. Do you want to go on?";
  const Case cases[] = {
      {"confirmation cancelled", "enabled", "send", "25", mrCancel, {confirm}, ""},
      {"mail while disabled", "disabled", "send", "25", mrOk, {"Enable SMTP first if you want send a mail"}, ""},
      {"no port", "enabled", "noAction", "", mrOk, {}, "Please Input Value!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GuiTesting::ScriptedAnswerer answered;
    answered.Answer(c.answer);
    Choose(form->CB_Status, c.state);
    Choose(form->CB_SendTest, c.sendTest);
    Retype(form->Ed_SourcePort, c.port);
    Press(form->Btn_Set);
    EXPECT_EQ(BoxTexts(answered), c.boxTexts);
    if (*c.status) EXPECT_EQ(Status(), c.status);
    EXPECT_TRUE(sim->setLog().empty());
    EXPECT_TRUE(progress.empty());
  }
}

}  // namespace
