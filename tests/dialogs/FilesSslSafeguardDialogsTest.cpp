// The settings dialogs of the SSL and safeguard areas and the agent's update files against the
// simulated switch: what they show when opened from their menu items, what their writes carry
// (switchsim's SET log) and what they refuse.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommandRunner.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "NvSNMPRequest2Edits.h"
#include "Sslmanagementtable.h"

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
        [&] { return form->DataComplete == 1 && !form->Request->Busy && form->Request->Request.PendingReplies == 0; },
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

}  // namespace
