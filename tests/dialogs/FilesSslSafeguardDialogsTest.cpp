// The settings dialogs of the SSL and safeguard areas and the agent's update files against the
// simulated switch: what they show when opened from their menu items, what their writes carry
// (switchsim's SET log) and what they refuse.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Agentsupportedupdatefiles.h"
#include "CommandRunner.h"
#include "DialogDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "Mainunit.h"
#include "NvSNMPRequest2Edits.h"
#include "ProgramEntry.h"
#include "Safeguardctrlformunit.h"
#include "Sslcertificatefileunit.h"
#include "Sslmanagementtable.h"
#include "Startup.h"

namespace {

using namespace dialogtest;

class SettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }
  void Start(const SwitchSim::Options& options = {}) {
    sim = std::make_unique<SwitchSim>(options);
    PointSessionAt(*sim);
    DeviceAddress = "127.0.0.1";
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& call : boxes.Calls()) texts.push_back(call.text);
    return texts;
  }
  std::unique_ptr<SwitchSim> sim;
  GuiTesting::ScriptedAnswerer boxes;
};

// What a menu command showed: the caption, whether the form global held the dialog, its owner.
struct Opened {
  std::string caption;
  bool global = false;
  TComponent* owner = nullptr;
  int runs = 0;
};

// Runs the menu item's command with mainWindow as the main window; shown runs on the dialog F
// once its first read has ended, then the dialog is closed.
template <class F>
Opened OpenFromMenu(const char* item, TForm& mainWindow, F* const& global, const std::function<void(F*)>& shown) {
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand(item);
  EXPECT_NE(command, nullptr);
  Opened opened;
  if (!command) return opened;
  EXPECT_TRUE(NvMenuCommandBuilt(*command));
  GuiTesting::ModalDriver driver([&](TCustomForm& form) {
    auto* dialog = dynamic_cast<F*>(&form);
    ASSERT_NE(dialog, nullptr);
    opened.caption = dialog->Caption;
    opened.global = global == dialog;
    opened.owner = dialog->Owner();
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return dialog->DataComplete == 1; }, 15000));
    shown(dialog);
    dialog->Close();
  });
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  NvRunMenuCommand(*command, host);
  opened.runs = driver.Runs();
  return opened;
}

// The dialog F shown on the switch, its first read ended.
template <class F>
class DialogOnSwitch : public SettingsDialog {
 protected:
  void SetUp() override {
    SettingsDialog::SetUp();
    Show();
  }
  void Show() {
    form = new F(nullptr);
    form->Show();
    WaitIdle();
    sim->clearSetLog();
  }
  void TearDown() override { delete form; }
  // Until the dialog's request has nothing outstanding and its read has ended.
  void WaitIdle() {
    ASSERT_TRUE(GuiTesting::ProcessUntil(
        [&] {
          NvSNMPRequest2Edits* request;
          if constexpr (requires { form->Request; }) request = form->Request;
          else request = form->Table;
          return form->DataComplete == 1 && !request->Busy && request->Request.PendingReplies == 0;
        },
        15000));
  }
  F* form = nullptr;
};

// ---------------------------------------------------------------------------------------
// SSL settings

const std::string kSslState = "1.3.6.1.4.1.32473.12.7.1.1.0";
const std::string kCipherSuites = "1.3.6.1.4.1.32473.12.7.1.2.0";
const std::string kCacheTimeout = "1.3.6.1.4.1.32473.12.7.1.3.0";

using Suites = std::array<int, 4>;  // item index of each cipher-suite choice

class SslDialog : public DialogOnSwitch<TSSLManagementForm> {
 protected:
  Suites Shown() const {
    return {form->cbxciphersuites1->ItemIndex, form->cbxciphersuites2->ItemIndex,
            form->cbxciphersuites3->ItemIndex, form->cbxciphersuites4->ItemIndex};
  }
  void Choose(const Suites& suites) {
    TComboBox* combos[] = {form->cbxciphersuites1, form->cbxciphersuites2, form->cbxciphersuites3,
                           form->cbxciphersuites4};
    for (int i = 0; i < 4; ++i) GuiTesting::UserChoose(combos[i], suites[size_t(i)]);
  }
};

TEST_F(SettingsDialog, ssl_settings_open_from_their_menu_item_showing_the_switchs_values) {
  TForm mainWindow(nullptr);
  std::string state, timeout;
  Suites suites{};
  const Opened opened = OpenFromMenu<TSSLManagementForm>(
      "SSLManagement1", mainWindow, SSLManagementForm, [&](TSSLManagementForm* form) {
        state = form->cbxSSLVersion->Text;
        timeout = form->edtCacheTimeOut->Text;
        suites = {form->cbxciphersuites1->ItemIndex, form->cbxciphersuites2->ItemIndex,
                  form->cbxciphersuites3->ItemIndex, form->cbxciphersuites4->ItemIndex};
      });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "SSL Management: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.owner, Application);
  EXPECT_EQ(state, "enabled");
  EXPECT_EQ(timeout, "600");
  EXPECT_EQ(suites, (Suites{1, 1, 1, 0}));  // E0
  EXPECT_EQ(SSLManagementForm, nullptr);
}

// Each choice of suites travels as the first digit of the octet, the second digit 0, and reads
// back into the same choices.
TEST_F(SslDialog, set_packs_the_four_suites_into_the_octet_and_a_read_unpacks_them) {
  const struct {
    Suites suites;
    const char* octet;  // as the SET log shows it: hex, or text when printable
  } cases[] = {
      {{1, 1, 1, 1}, "4x:F0"}, {{0, 0, 0, 0}, "4x:00"}, {{1, 0, 0, 0}, "4x:80"},
      {{0, 1, 0, 1}, "4:P"},  // 0x50
      {{1, 0, 1, 0}, "4x:A0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.octet);
    sim->clearSetLog();
    Choose(c.suites);
    GuiTesting::UserClick(form->btnSet);
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return sim->setLog().size() == 1; }, 15000));
    WaitIdle();
    EXPECT_EQ(sim->setLog()[0], kSslState + "=2:3 ; " + kCipherSuites + "=" + c.octet + " ; " + kCacheTimeout +
                                    "=66:600");
    Choose({c.suites[0] ^ 1, c.suites[1] ^ 1, c.suites[2] ^ 1, c.suites[3] ^ 1});
    GuiTesting::UserClick(form->btnGet);
    WaitIdle();
    EXPECT_EQ(Shown(), c.suites);
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

// A suite box takes no text of its own: typing picks an item or nothing, and what it shows
// is what is written.
TEST_F(SslDialog, typing_into_a_suite_picks_an_item_and_set_writes_what_is_shown) {
  const struct {
    const char* typed;
    const char* shown;
    const char* octet;
  } cases[] = {{"en", "enabled", "4x:F0"}, {"x", "disabled", "4x:E0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Choose({1, 1, 1, 0});
    sim->clearSetLog();
    GuiTesting::UserType(form->cbxciphersuites4, c.typed);
    EXPECT_EQ(form->cbxciphersuites4->Text(), c.shown);
    GuiTesting::UserClick(form->btnSet);
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return sim->setLog().size() == 1; }, 15000));
    WaitIdle();
    EXPECT_EQ(sim->setLog()[0], kSslState + "=2:3 ; " + kCipherSuites + "=" + c.octet + " ; " + kCacheTimeout +
                                    "=66:600");
  }
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(SslDialog, an_emptied_choice_is_refused_and_nothing_is_sent) {
  form->cbxciphersuites3->Text = "";
  GuiTesting::UserClick(form->btnSet);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Some items are empty."});
  EXPECT_TRUE(sim->setLog().empty());
}

// A failed read says so in the status bar and keeps the choices shown.
TEST_F(SslDialog, a_failed_read_is_reported_and_keeps_the_choices) {
  Choose({0, 1, 0, 1});
  sim->setSubtreeError("1.3.6.1.4.1.32473.12.7.1", 5);  // genErr
  GuiTesting::UserClick(form->btnGet);
  WaitIdle();
  EXPECT_EQ(Shown(), (Suites{0, 1, 0, 1}));
  EXPECT_NE(form->StatusBar1->Panels->Items[0]->Text().find("rror"), std::string::npos)
      << form->StatusBar1->Panels->Items[0]->Text();
}

// Before any read succeeded no suite shows a choice, so Set has nothing whole to write.
TEST_F(SettingsDialog, ssl_settings_never_read_refuse_set) {
  sim->setSubtreeError("1.3.6.1.4.1.32473.12.7.1", 5);
  auto* form = new TSSLManagementForm(nullptr);
  form->Show();
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1 && !form->Request->Busy; }, 15000));
  EXPECT_EQ(form->cbxciphersuites1->ItemIndex, -1);
  GuiTesting::UserClick(form->btnSet);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Some items are empty."});
  EXPECT_TRUE(sim->setLog().empty());
  delete form;
}

// ---------------------------------------------------------------------------------------
// Safeguard engine

const std::string kRising = "1.3.6.1.4.1.32473.12.19.2.1.0";
const std::string kFalling = "1.3.6.1.4.1.32473.12.19.2.2.0";
const std::string kMode = "1.3.6.1.4.1.32473.12.19.2.3.0";
const std::string kAlarm = "1.3.6.1.4.1.32473.12.19.2.4.0";

// Each box ticked by a click, as a user would.
void Tick(std::initializer_list<TCheckBox*> boxes) {
  for (TCheckBox* box : boxes)
    if (!box->Checked) GuiTesting::UserClick(box);
}

class SafeguardDialog : public DialogOnSwitch<TSafeguardCtrlForm> {};

TEST_F(SettingsDialog, safeguard_opens_from_its_menu_item_and_from_the_unbound_command) {
  struct Values {
    std::string rising, falling, mode, alarm, current;
    bool setEnabled = true;
  };
  const auto read = [](Values& v) {
    return [&v](TSafeguardCtrlForm* form) {
      v = {form->edtRising->Text, form->edtFalling->Text, form->cbxMode->Text, form->cbxAlarm->Text,
           form->cbxCurrentState->Text, form->btnSet->Enabled};
    };
  };
  TForm mainWindow(nullptr);
  Values fromMenu;
  const Opened menu = OpenFromMenu<TSafeguardCtrlForm>("ProtectControl1", mainWindow, SafeguardCtrlForm, read(fromMenu));
  EXPECT_EQ(menu.runs, 1);
  EXPECT_EQ(menu.caption, "Safeguard Control: 127.0.0.1");
  EXPECT_TRUE(menu.global);
  EXPECT_EQ(menu.owner, &mainWindow);
  EXPECT_EQ(fromMenu.rising, "80");
  EXPECT_EQ(fromMenu.falling, "70");
  EXPECT_EQ(fromMenu.mode, "fuzzy");
  EXPECT_EQ(fromMenu.alarm, "enabled");
  EXPECT_EQ(fromMenu.current, "normal");
  EXPECT_FALSE(fromMenu.setEnabled);

  ProgramParameters = {"/I127.0.0.1", "/Rquorra", "/Wventhal"};
  auto main = std::make_unique<TMainForm>(nullptr);
  PointSessionAt(*sim);  // the window's start took the session to its parameters
  Values unboundValues;
  Opened unbound;
  {
    GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
      auto* form = dynamic_cast<TSafeguardCtrlForm*>(&shown);
      ASSERT_NE(form, nullptr);
      unbound.caption = form->Caption;
      unbound.global = SafeguardCtrlForm == form;
      unbound.owner = form->Owner();
      read(unboundValues)(form);
      form->Close();
    });
    main->SafeGuardControl1Click(nullptr);
    unbound.runs = driver.Runs();
  }
  EXPECT_EQ(unbound.runs, 1);
  EXPECT_EQ(unbound.caption, "Safeguard Control: 127.0.0.1");
  EXPECT_TRUE(unbound.global);
  EXPECT_EQ(unbound.owner, Application);
  EXPECT_EQ(unboundValues.rising, "80");
  EXPECT_EQ(SafeguardCtrlForm, nullptr);
  EXPECT_EQ(NvFindMenuCommand("SafeGuardControl1"), nullptr);  // no menu item of its own
}

// Each ticked row in a SET of its own; lowering falling goes first so that it stays below
// rising at every step (the switch read rising 80, falling 70).
TEST_F(SafeguardDialog, set_writes_each_ticked_row_alone_in_threshold_order) {
  const struct {
    const char* name;
    const char* rising;
    const char* falling;
    bool thresholds;
    std::vector<std::string> log;
  } cases[] = {
      {"both lower", "50", "40", true, {kFalling + "=2:40", kRising + "=2:50"}},
      {"both higher", "95", "90", true, {kRising + "=2:95", kFalling + "=2:90"}},
      {"mode and alarm", "", "", false, {kMode + "=2:1", kAlarm + "=2:2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    form->btnClearCheckClick(nullptr);
    GuiTesting::UserClick(form->btnGet);
    sim->clearSetLog();
    if (c.thresholds) {
      Retype(form->edtRising, c.rising);
      Retype(form->edtFalling, c.falling);
      Tick({form->ckRising, form->ckFalling});
    } else {
      GuiTesting::UserChoose(form->cbxMode, 0);   // strict
      GuiTesting::UserChoose(form->cbxAlarm, 0);  // disabled
      Tick({form->ckMode, form->ckAlarm});
    }
    GuiTesting::UserClick(form->btnSet);
    EXPECT_EQ(sim->setLog(), c.log);
    // Back to the start for the next case; what the switch holds now is shown.
    if (c.thresholds) {
      EXPECT_EQ(form->edtRising->Text(), c.rising);
      EXPECT_EQ(form->lbFalling->Caption(), c.falling);
      Retype(form->edtRising, "80");
      Retype(form->edtFalling, "70");
      Tick({form->ckRising, form->ckFalling});
      GuiTesting::UserClick(form->btnSet);
    }
  }
  EXPECT_TRUE(boxes.Calls().empty()) << BoxTexts()[0];
}

TEST_F(SafeguardDialog, thresholds_out_of_range_are_refused_before_anything_is_sent) {
  const struct {
    TEdit* TSafeguardCtrlForm::*edit;
    TCheckBox* TSafeguardCtrlForm::*box;
    const char* text;
    const char* message;
  } cases[] = {
      {&TSafeguardCtrlForm::edtRising, &TSafeguardCtrlForm::ckRising, "19", "Rising Threshold should between 20-100"},
      {&TSafeguardCtrlForm::edtFalling, &TSafeguardCtrlForm::ckFalling, "101",
       "Falling Threshold should between 20-100"},
      {&TSafeguardCtrlForm::edtFalling, &TSafeguardCtrlForm::ckFalling, "x7", "Falling Threshold should between 20-100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    GuiTesting::UserClick(form->btnGet);
    (form->*c.edit)->Text = c.text;
    Tick({form->*c.box, form->ckMode});
    const size_t before = boxes.Calls().size();
    GuiTesting::UserClick(form->btnSet);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
    EXPECT_TRUE(sim->setLog().empty());
    form->btnClearCheckClick(nullptr);
  }
}

TEST_F(SafeguardDialog, set_is_enabled_exactly_while_a_box_is_ticked) {
  EXPECT_FALSE(form->btnSet->Enabled);
  GuiTesting::UserClick(form->ckAlarm);
  EXPECT_TRUE(form->btnSet->Enabled);
  GuiTesting::UserClick(form->ckAlarm);
  EXPECT_FALSE(form->btnSet->Enabled);
  GuiTesting::UserClick(form->btnCheckAll);
  EXPECT_TRUE(form->ckRising->Checked && form->ckFalling->Checked && form->ckMode->Checked && form->ckAlarm->Checked);
  EXPECT_TRUE(form->btnSet->Enabled);
  GuiTesting::UserClick(form->btnClearCheck);
  EXPECT_FALSE(form->ckRising->Checked || form->ckFalling->Checked || form->ckMode->Checked || form->ckAlarm->Checked);
  EXPECT_FALSE(form->btnSet->Enabled);
}

// A refused row is reported and the rows after it are still written.
TEST_F(SafeguardDialog, a_refused_row_does_not_stop_the_rows_after_it) {
  sim->setSubtreeError(kRising.substr(0, kRising.size() - 2), 17);  // notWritable
  Retype(form->edtRising, "90");
  GuiTesting::UserChoose(form->cbxAlarm, 0);
  Tick({form->ckRising, form->ckAlarm});
  GuiTesting::UserClick(form->btnSet);
  EXPECT_EQ(sim->setLog(), (std::vector<std::string>{kRising + "=2:90", kAlarm + "=2:2"}));
  EXPECT_EQ(boxes.Calls().size(), 1u);
  sim->clearFaults();
  EXPECT_EQ(SwitchValue(kAlarm.substr(0, kAlarm.size() - 2), "0", NvSyntax::integer), "2");
}

// ---------------------------------------------------------------------------------------
// SSL certificate file

const std::string kCertAddress = "1.3.6.1.4.1.32473.12.7.2.1.0";
const std::string kCertPath = "1.3.6.1.4.1.32473.12.7.2.2.0";
const std::string kKeyPath = "1.3.6.1.4.1.32473.12.7.2.3.0";
const std::string kCertControl = "1.3.6.1.4.1.32473.12.7.2.4.0";

class CertificateDialog : public DialogOnSwitch<TCertificateFileForm> {
 protected:
  bool AnyTicked() const {
    return form->CheckBox_IPAddress->Checked || form->CheckBox_FilePath->Checked ||
           form->CheckBox_KeyFilePath->Checked || form->CheckBox_FileControl->Checked;
  }
};

TEST_F(SettingsDialog, certificate_file_opens_from_its_menu_item_showing_the_switchs_values) {
  TForm mainWindow(nullptr);
  std::vector<std::string> shown;
  const Opened opened = OpenFromMenu<TCertificateFileForm>(
      "SSLCertificateLevel1", mainWindow, CertificateFileForm, [&](TCertificateFileForm* form) {
        shown = {form->ED_IPAddress->Text, form->ED_FilePath->Text, form->ED_KeyFilePath->Text,
                 form->Combox_FileControl->Text, form->ED_Status->Text};
      });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "SSL Certificate File: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.owner, Application);
  EXPECT_EQ(shown, (std::vector<std::string>{"10.90.90.120", "ssl/nvs7000d-cert.der", "ssl/nvs7000d-key.der",
                                             "inactive", "rsa"}));
}

// One SET of the ticked rows only, then the group read again and the boxes unticked.
TEST_F(CertificateDialog, set_checked_writes_only_the_ticked_rows_in_one_set) {
  const struct {
    const char* name;
    std::vector<TCheckBox*> ticked;
    std::string log;
  } cases[] = {
      {"control alone", {form->CheckBox_FileControl}, kCertControl + "=2:3"},
      {"every row", {}, kCertAddress + "=64:10.90.90.121 ; " + kCertPath + "=4:ssl/new-cert.der ; " + kKeyPath +
                             "=4:ssl/new-key.der ; " + kCertControl + "=2:3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    sim->clearSetLog();
    Retype(form->ED_IPAddress, "10.90.90.121");
    Retype(form->ED_FilePath, "ssl/new-cert.der");
    Retype(form->ED_KeyFilePath, "ssl/new-key.der");
    GuiTesting::UserChoose(form->Combox_FileControl, 2);  // start
    if (c.ticked.empty()) GuiTesting::UserClick(form->Button_CheckAll);
    for (TCheckBox* box : c.ticked) GuiTesting::UserClick(box);
    GuiTesting::UserClick(form->Button_SetChecked);
    EXPECT_EQ(sim->setLog(), std::vector<std::string>{c.log});
    EXPECT_FALSE(AnyTicked());
    EXPECT_EQ(form->Combox_FileControl->Text(), "start");  // read again
  }
  EXPECT_EQ(form->ED_IPAddress->Text(), "10.90.90.121");
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(CertificateDialog, a_ticked_invalid_address_sends_nothing_and_leaves_no_row_out) {
  Retype(form->ED_IPAddress, "10.90.90.300");
  GuiTesting::UserClick(form->Button_CheckAll);
  GuiTesting::UserClick(form->Button_SetChecked);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Please input a valid ip"});
  EXPECT_TRUE(sim->setLog().empty());
  // Every row still travels once the address is right.
  Retype(form->ED_IPAddress, "10.90.90.122");
  GuiTesting::UserClick(form->Button_SetChecked);
  ASSERT_EQ(sim->setLog().size(), 1u);
  EXPECT_EQ(sim->setLog()[0].find(kCertAddress + "=64:10.90.90.122 ; " + kCertPath), 0u) << sim->setLog()[0];
}

TEST_F(CertificateDialog, refresh_reads_the_group_and_unticks_the_boxes) {
  Retype(form->ED_FilePath, "typed/but/not/sent");
  GuiTesting::UserClick(form->Button_CheckAll);
  GuiTesting::UserClick(form->Button_Refresh);
  EXPECT_EQ(form->ED_FilePath->Text(), "ssl/nvs7000d-cert.der");
  EXPECT_FALSE(AnyTicked());
  EXPECT_TRUE(sim->setLog().empty());
}

// ---------------------------------------------------------------------------------------
// Agent update files

const std::string kFileColumn = "1.3.6.1.4.1.32473.12.1.2.1.1.";

class UpdateFilesDialog : public DialogOnSwitch<TfrmAgentSupportedUpdateFiles> {
 protected:
  void Choose(const std::string& index) { ChooseRow(form->ListView1, index); }
  void SetAndWait() {
    GuiTesting::UserClick(form->EditButton);
    WaitIdle();
  }
};

TEST_F(SettingsDialog, update_files_open_from_their_menu_item_listing_the_switchs_files) {
  TForm mainWindow(nullptr);
  std::vector<std::string> rows;
  std::string count, third;
  bool setEnabled = true;
  const Opened opened = OpenFromMenu<TfrmAgentSupportedUpdateFiles>(
      "AgentSuportedUpdateFiles1", mainWindow, frmAgentSupportedUpdateFiles,
      [&](TfrmAgentSupportedUpdateFiles* form) {
        rows = Captions(form->ListView1);
        count = form->Static->Caption;
        third = Cell(form->ListView1, "3", 4);
        setEnabled = form->EditButton->Enabled;
      });
  EXPECT_EQ(opened.runs, 1);
  EXPECT_EQ(opened.caption, "Agent Supported Update Files: 127.0.0.1");
  EXPECT_TRUE(opened.global);
  EXPECT_EQ(opened.owner, &mainWindow);
  EXPECT_EQ(rows, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(count, "5");
  EXPECT_EQ(third, "cfg/nvs7000d-id1.cfg");
  EXPECT_FALSE(setEnabled);
}

// Only the ticked columns of the chosen row travel; afterwards the boxes are unticked, the
// details empty and Set waits for a row again.
TEST_F(UpdateFilesDialog, set_writes_only_the_ticked_columns_of_the_chosen_row) {
  Choose("3");
  EXPECT_TRUE(form->EditButton->Enabled);
  EXPECT_FALSE(form->ED_Index->Enabled);
  EXPECT_EQ(form->ED_Name->Text(), "cfg/nvs7000d-id1.cfg");
  GuiTesting::UserChoose(form->CBox_Control, 1);  // start
  Retype(form->ED_Description, "not ticked");
  GuiTesting::UserClick(form->chk_FileCtrl);
  SetAndWait();
  EXPECT_EQ(sim->setLog(), std::vector<std::string>{kFileColumn + "8.3=2:3"});
  EXPECT_FALSE(form->chk_FileCtrl->Checked);
  EXPECT_EQ(form->ED_Index->Text(), "");
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_EQ(Cell(form->ListView1, "3", 7), "start");
  EXPECT_EQ(Cell(form->ListView1, "3", 1), "Configuration 1");

  sim->clearSetLog();
  Choose("5");
  Retype(form->ED_Description, "Switch log");
  Retype(form->ED_IPAddress, "10.90.90.102");
  GuiTesting::UserClick(form->chk_FileDscr);
  GuiTesting::UserClick(form->chk_FileAddr);
  SetAndWait();
  EXPECT_EQ(sim->setLog(),
            std::vector<std::string>{kFileColumn + "2.5=4:Switch log ; " + kFileColumn + "3.5=64:10.90.90.102"});
  EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(UpdateFilesDialog, set_refuses_a_bad_address_or_an_empty_ticked_field) {
  const struct {
    const char* name;
    TCheckBox* TfrmAgentSupportedUpdateFiles::*box;
    TEdit* TfrmAgentSupportedUpdateFiles::*edit;
    const char* text;
    const char* message;
  } cases[] = {
      {"address", &TfrmAgentSupportedUpdateFiles::chk_FileAddr, &TfrmAgentSupportedUpdateFiles::ED_IPAddress,
       "10.90.90", "Please input a valid ip"},
      {"description", &TfrmAgentSupportedUpdateFiles::chk_FileDscr, &TfrmAgentSupportedUpdateFiles::ED_Description, "",
       "Some checked field is empty!"},
      {"IPv6 address", &TfrmAgentSupportedUpdateFiles::chk_FileIPv6Addr,
       &TfrmAgentSupportedUpdateFiles::edt_FileIPv6Addr, "", "Some checked field is empty!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Choose("2");
    (form->*c.edit)->Text = c.text;
    GuiTesting::UserClick(form->*c.box);
    const size_t before = boxes.Calls().size();
    GuiTesting::UserClick(form->EditButton);
    ASSERT_EQ(boxes.Calls().size(), before + 1);
    EXPECT_EQ(boxes.Calls().back().text, c.message);
    EXPECT_TRUE(sim->setLog().empty());
    GuiTesting::UserClick(form->*c.box);  // unticked again
  }
}

// With no box ticked there is nothing to write: no empty SET goes out.
TEST_F(UpdateFilesDialog, set_with_nothing_ticked_sends_nothing) {
  Choose("2");
  GuiTesting::UserClick(form->EditButton);
  WaitIdle();
  EXPECT_TRUE(sim->setLog().empty());
  EXPECT_TRUE(boxes.Calls().empty());
}

// After Refresh no row is chosen, so Set is off and the index open: a Set then would address
// whatever the index edit held.
TEST_F(UpdateFilesDialog, refresh_leaves_no_row_to_write) {
  Choose("4");
  GuiTesting::UserClick(form->GetButton);
  WaitIdle();
  EXPECT_FALSE(form->EditButton->Enabled);
  EXPECT_TRUE(form->ED_Index->Enabled);
  EXPECT_EQ(form->ED_Index->Text(), "");
  EXPECT_EQ(form->ListView1->Items->Count, 5);
  EXPECT_EQ(form->Static->Caption(), "5");
}

}  // namespace
