// The main window against the simulated switch: the front panel chosen by hardware revision,
// the first activation, the sizing, Refresh, closing and the menu.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include <unistd.h>

#include "Dialogs.h"
#include "Mainunit.h"
#include "CommandRunner.h"
#include "MenuTree.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPRequest2Leds.h"
#include "PanelNVS7030B1Form.h"
#include "PanelNVS7030Form.h"
#include "PanelTestSupport.h"
#include "ProgramEntry.h"
#include "Oid_device.h"

using namespace paneltest;
namespace fs = std::filesystem;

namespace {

// A registry naming a MIB configuration folder whose "127.0.0.1.cfg" gives the switch's port.
class MainWindow : public SwitchSimSuite {
 protected:
  void SetUp() override {
    SwitchSimSuite::SetUp();
    dir_ = fs::temp_directory_path() / ("nv-mainwin-" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "Conf" / "MBF");
    fs::create_directories(dir_ / "bin");
    std::ofstream(dir_ / "registry.reg") << "REGEDIT4\n\n"
                                         << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Norvane\\Vistrel5.1\\ExePath]\n"
                                         << "\"Path\"=\"" << (dir_ / "bin").string() << "\\\\\"\n";
    std::ofstream(dir_ / "Conf" / "MBF" / "127.0.0.1.cfg")
        << "[Program Information]\nAgentPort=" << sim_->port()
        << "\nVersion=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
    ::setenv("NV_REGISTRY_FILE", (dir_ / "registry.reg").c_str(), 1);
    DeviceAddress.clear();
  }
  void TearDown() override {
    form_.reset();
    ::unsetenv("NV_REGISTRY_FILE");
    fs::remove_all(dir_);
  }

  // The window as program entry makes it: constructed, then its creation handler.
  TMainForm* Make(int timeout = 100) {
    ProgramParameters = {"/I127.0.0.1", "/Rquorra", "/Wventhal"};
    form_ = std::make_unique<TMainForm>(nullptr);
    NvSNMPDefaultTimeout = timeout;
    form_->DoCreate();
    return form_.get();
  }
  static void Activate(TMainForm* form) {
    form->FormActivate(form);
    auto* panel = dynamic_cast<TFrontPanelForm*>(form->CurrentPanel);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(GuiTesting::ProcessUntil([panel] { return !panel->PortRequest->Busy && !panel->LedRequest->Busy; }));
  }

  fs::path dir_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(MainWindow, OnlyRevisionA1GetsTheA1Panel) {
  const struct {
    const char* revision;
    bool a1;
  } cases[] = {{"A1", true}, {"a1", false}, {"A2", false}, {"B1", false}, {"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.revision);
    SetRevision(c.revision);
    TMainForm* form = Make();
    EXPECT_EQ(form->Caption(), "127.0.0.1");
    EXPECT_EQ(form->ST_HWVersion->Caption(), c.revision);
    Activate(form);
    EXPECT_EQ(dynamic_cast<TPanelNVS7030Form*>(form->CurrentPanel) != nullptr, c.a1);
    EXPECT_EQ(dynamic_cast<TPanelNVS7030B1Form*>(form->CurrentPanel) != nullptr, !c.a1);
    EXPECT_EQ(form->CurrentPanel->Parent, form->ScrollBox1);
  }
}

TEST_F(MainWindow, A1PanelGivesA798By132ClientAreaAndB1One802By132) {
  SetRevision("A1");
  TMainForm* form = Make();
  EXPECT_EQ(form->ClientWidth, 787);
  EXPECT_EQ(form->ClientHeight, 120);
  Activate(form);
  EXPECT_EQ(form->ClientWidth, 798);
  EXPECT_EQ(form->ClientHeight, 132);
  EXPECT_EQ(form->CurrentPanel->Left, 0);
  EXPECT_EQ(form->CurrentPanel->Top, 0);
  EXPECT_EQ(form->ScrollBox1->Align, alClient);

  SetRevision("B1");
  form = Make();
  Activate(form);
  EXPECT_EQ(form->ClientWidth, 802);
  EXPECT_EQ(form->ClientHeight, 132);
}

TEST_F(MainWindow, SwitchThatNeverAnsweredGetsTheB1PanelAndAFailedReadKeepsTheLastAnswer) {
  sim_->setDropReplies(true);
  TMainForm* form = Make(20);
  EXPECT_EQ(form->ST_HWVersion->Caption(), "ST_HWVersion");
  form->FormActivate(form);
  EXPECT_NE(dynamic_cast<TPanelNVS7030B1Form*>(form->CurrentPanel), nullptr);

  sim_->setDropReplies(false);
  SetRevision("A1");
  form = Make(20);
  sim_->setDropReplies(true);
  form->FormActivate(form);
  EXPECT_EQ(form->ST_HWVersion->Caption(), "A1");
  EXPECT_NE(dynamic_cast<TPanelNVS7030Form*>(form->CurrentPanel), nullptr);
}

TEST_F(MainWindow, HiddenStaticTextsStartWithTheirNamesAndTheVersionTextIsLeftAlone) {
  TMainForm* form = Make();
  Activate(form);
  for (TStaticText* text : {form->ST_HWVersion, form->ST_RmonState, form->ST_Version}) {
    EXPECT_FALSE(text->Visible());
    EXPECT_EQ(text->Parent, form);
  }
  EXPECT_EQ(form->ST_RmonState->Caption(), "ST_RmonState");
  EXPECT_EQ(form->ST_Version->Caption(), "ST_Version");
  EXPECT_EQ(form->FindComponent("ST_Version"), form->ST_Version);
  EXPECT_FALSE(form->ScrollBox1->AutoScroll());
}

TEST_F(MainWindow, LaterActivationsKeepThePanel) {
  TMainForm* form = Make();
  Activate(form);
  TForm* first = form->CurrentPanel;
  SetRevision("A1");
  form->FormActivate(form);
  form->FormActivate(form);
  EXPECT_EQ(form->CurrentPanel, first);
  EXPECT_EQ(form->PanelList->Count, 1);
  EXPECT_EQ(form->ClientWidth, 802);
}

// Start against a silent switch: the revision is read once, so creating and first showing the
// window is held for one exchange (a try and its retry), not two.
TEST_F(MainWindow, StartOnASilentSwitchReadsTheRevisionOnceAndShowsTheB1Panel) {
  sim_->setDropReplies(true);
  const auto start = std::chrono::steady_clock::now();
  TMainForm* form = Make(100);
  form->FormActivate(form);
  const auto held = std::chrono::steady_clock::now() - start;
  EXPECT_NE(dynamic_cast<TPanelNVS7030B1Form*>(form->CurrentPanel), nullptr);
  EXPECT_GE(held, std::chrono::milliseconds(1900));  // the one exchange was waited for
  EXPECT_LT(held, std::chrono::milliseconds(3500))
      << std::chrono::duration_cast<std::chrono::milliseconds>(held).count() << " ms";
  form_.reset();  // its panel's reads go before the switch answers again
  sim_->setDropReplies(false);
}

// A name server that takes 1.5 s and knows the switch by one name.
std::string SlowNameServer(const std::string& name) {
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  return name == "slow-panel.lab" ? "127.0.0.1" : "";
}

// The switch named by a host name that takes 1.5 s to look up: no window waits for it; the
// revision is read once the name has answered, and the panel follows.
TEST_F(MainWindow, ASlowNameServerDelaysNoWindowAndThePanelFollowsTheLookUp) {
  SetRevision("A1");
  std::ofstream(dir_ / "Conf" / "MBF" / "slow-panel.lab.cfg")
      << "[Program Information]\nAgentPort=" << sim_->port()
      << "\nVersion=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
  const HostResolver system = set_host_resolver(&SlowNameServer);
  ProgramParameters = {"/Islow-panel.lab", "/Rquorra", "/Wventhal"};
  const auto start = std::chrono::steady_clock::now();
  form_ = std::make_unique<TMainForm>(nullptr);
  NvSNMPDefaultTimeout = 100;
  form_->DoCreate();
  TMainForm* form = form_.get();
  form->FormActivate(form);
  const auto held = std::chrono::steady_clock::now() - start;
  EXPECT_LT(held, std::chrono::milliseconds(1200))  // the name server alone takes 1.5 s
      << std::chrono::duration_cast<std::chrono::milliseconds>(held).count() << " ms";
  EXPECT_EQ(form->CurrentPanel, nullptr);  // the revision is not known yet
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->CurrentPanel != nullptr; }, 10000));
  EXPECT_EQ(form->ST_HWVersion->Caption(), "A1");
  EXPECT_NE(dynamic_cast<TPanelNVS7030Form*>(form->CurrentPanel), nullptr);
  EXPECT_EQ(form->PanelList->Count, 1);
  set_host_resolver(system);
}

TEST_F(MainWindow, RefreshAsksFirstAndOnOkBuildsThePanelAgainFromAFreshRead) {
  TMainForm* form = Make();
  Activate(form);
  TForm* first = form->CurrentPanel;
  SetRevision("A1");

  answers_.Answer(IDCANCEL);
  form->Refresh1->Click();
  ASSERT_EQ(answers_.Calls().size(), 1u);
  EXPECT_EQ(answers_.Calls()[0].kind, GuiTesting::BoxKind::MessageDlg);
  EXPECT_EQ(answers_.Calls()[0].text, "Refresh panel may take a long time. Are you sure?");
  EXPECT_EQ(answers_.Calls()[0].buttons, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(form->CurrentPanel, first);
  EXPECT_EQ(form->ST_HWVersion->Caption(), "B1");
  // The command row of the item reaches the same handler.
  answers_.Answer(IDCANCEL);
  NvCommandHost host{.MainWindow = form, .CommandTitle = &form->CommandTitle, .Texts = form};
  NvRunMenuCommand(*NvFindMenuCommand("Refresh1"), host);
  ASSERT_EQ(answers_.Calls().size(), 2u);
  EXPECT_EQ(form->CurrentPanel, first);

  answers_.Answer(IDOK);
  form->Refresh1->Click();
  EXPECT_EQ(answers_.Calls().size(), 3u);
  EXPECT_NE(dynamic_cast<TPanelNVS7030Form*>(form->CurrentPanel), nullptr);
  EXPECT_EQ(form->PanelList->Count, 1);
  EXPECT_EQ(form->FindComponent("PanelNVS7030B1Form"), nullptr);
  EXPECT_EQ(form->ClientWidth, 798);
  EXPECT_EQ(form->ClientHeight, 132);
}

TEST_F(MainWindow, LedStatusLinesGoToTheFirstStatusPanel) {
  TMainForm* form = Make();
  Activate(form);
  const std::string text = form->StatusBar->Panels->Items[0]->Text();
  EXPECT_NE(text.find("Led Status"), std::string::npos) << text;
}

TEST_F(MainWindow, ClosingFreesTheWindowAndItsPanelList) {
  TMainForm* form = Make();
  Activate(form);
  TCloseAction action = caHide;
  form->FormClose(form, action);
  EXPECT_EQ(action, caFree);
  EXPECT_EQ(form->PanelList, nullptr);
  form_.reset();  // the panel goes with the window, its LED request stopped first
}

TEST_F(MainWindow, MenuHoldsEveryItemOfTheTableWithItsVisibilityAndOnlyBuiltCommandsEnabled) {
  TMainForm* form = Make();
  ASSERT_EQ(form->MainMenu1->Items->Count, 11);
  const char* const tops[] = {"Basic Configuration", "RMON", "Bridge",    "VLAN", "SNMP v3", "Security",
                              "Layer 2",             "Layer 3", "Single IP", "Help", "Refresh"};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(form->MainMenu1->Items->Items[i]()->Caption(), tops[i]);
  int items = 0;
  for (const NvMenuItem& entry : NvMainMenuItems()) {
    ++items;
    if (!entry.Name) continue;
    TMenuItem* item = form->MenuItem(entry.Name);
    ASSERT_NE(item, nullptr) << entry.Name;
    EXPECT_EQ(item->Caption(), entry.Caption);
    EXPECT_EQ(item->Visible, !entry.Hidden) << entry.Name;
    if (entry.Handler && item->Count == 0) {
      const NvMenuCommand* command = NvFindMenuCommand(entry.Name);
      const bool built = TMainForm::CommandHandlers().count(entry.Handler) == 1 ||
                         (command && NvMenuCommandBuilt(*command));
      EXPECT_EQ(item->Enabled, built) << entry.Name;
      if (built) {
        EXPECT_TRUE(item->OnClick) << entry.Name;
      }
    }
    if (entry.Parent) {
      EXPECT_EQ(item->Parent->Name(), entry.Parent);
    }
  }
  EXPECT_GT(items, 300);
  EXPECT_TRUE(form->Refresh1->Enabled);
  EXPECT_TRUE(NvMenuCommandBuilt(*NvFindMenuCommand("Refresh1")));
  EXPECT_TRUE(NvMenuCommandBuilt(*NvFindMenuCommand("Menu_RMON")));
  EXPECT_FALSE(form->SNMPv31->Enabled);  // version 2c
}

TEST_F(MainWindow, ChoosingABuiltCommandOpensItsWindowCaptionedWithTheAddress) {
  TMainForm* form = Make();
  TMenuItem* item = form->MenuItem("RMONSetting1");
  ASSERT_TRUE(item->Enabled);
  std::string caption;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    caption = shown.Caption;
    shown.ModalResult = mrCancel;
  });
  item->Click();
  EXPECT_EQ(driver.Runs(), 1);
  EXPECT_EQ(caption, "RMON State: 127.0.0.1");
  EXPECT_EQ(form->CommandTitle, "RMON State: 127.0.0.1");
}

TEST_F(MainWindow, OpeningTheRmonMenuOffersTheViewersOnlyWhileRmonIsOn) {
  TMainForm* form = Make();
  TMenuItem* viewers[] = {form->MenuItem("Statistics1"), form->MenuItem("History1"), form->MenuItem("AlarmEvent1")};
  const char* const rmonState = "1.3.6.1.4.1.32473.11.113.1.3.2.1.2.16.0";
  Write(rmonState, "2:2");
  form->Menu_RMON->Click();
  EXPECT_EQ(form->ST_RmonState->Caption(), "disabled");
  for (TMenuItem* item : viewers) EXPECT_FALSE(item->Enabled) << item->Name();
  EXPECT_TRUE(form->MenuItem("RMONSetting1")->Enabled);

  Write(rmonState, "2:3");
  form->Menu_RMON->Click();
  EXPECT_EQ(form->ST_RmonState->Caption(), "enabled");
  for (TMenuItem* item : viewers) EXPECT_TRUE(item->Enabled) << item->Name();

  // A read that cannot be sent leaves the items and tells why in the status bar.
  Write(rmonState, "2:2");
  NvSNMPDevice::Address = "not an address";
  form->Menu_RMON->Click();
  for (TMenuItem* item : viewers) EXPECT_TRUE(item->Enabled) << item->Name();
  EXPECT_FALSE(form->StatusBar->Panels->Items[0]->Text().empty());
}

TEST_F(MainWindow, ProgramShowsTheFrontPanelAndEndsCleanlyWhenTheWindowCloses) {
  bool panelShown = false;
  int ticks = 0;
  TTimer closer(nullptr);
  closer.Interval = 50;
  closer.OnTimer = [&](TObject*) {
    // Closes the window once its panel is there; should that never happen, after 5 s.
    if (!MainForm || (!MainForm->CurrentPanel && ++ticks < 100)) return;
    panelShown = MainForm->CurrentPanel && MainForm->CurrentPanel->Visible;
    MainForm->Close();
  };
  closer.Enabled = true;
  char name[] = "nvs7000d", address[] = "/I127.0.0.1", read[] = "/Rquorra", write[] = "/Wventhal";
  char* argv[] = {name, address, read, write, nullptr};
  EXPECT_EQ(ProgramEntry(4, argv), 0);
  EXPECT_TRUE(panelShown);
  EXPECT_EQ(MainForm, nullptr);
  EXPECT_TRUE(answers_.Calls().empty());
  EXPECT_NE(LedMapSystem, nullptr);  // the suite's own start-up still holds the maps
}

}  // namespace
