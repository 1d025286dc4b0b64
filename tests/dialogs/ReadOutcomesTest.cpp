// Every outcome of a dialog's reads is told: a blocking read the switch refuses says why in the
// status line, a write stands on no failed read, a write that cannot be sent says so, and a
// silent switch holds the window for one read's time-out at most.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommandRunner.h"
#include "DialogDriving.h"
#include "DialogRegistry.h"
#include "DialogTestSupport.h"
#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "Guestvlanformunit.h"
#include "NvSNMPError.h"
#include "Portmirror.h"
#include "Startup.h"
#include "StdCtrls.h"

namespace {

using namespace dialogtest;
using Clock = std::chrono::steady_clock;

constexpr int kGenErr = 5;

std::string GenErrText() {
  int code = 0;
  std::string message;
  NvSNMPMapError(kGenErr, code, message);
  return message;
}

std::string StatusText(TFeatureDialog* form) { return form->StatusBar1->Panels->Items[0]->Text; }

TButton* RefreshButton(TForm* form) {
  for (int i = 0; i < form->ComponentCount; ++i) {
    auto* button = dynamic_cast<TButton*>(form->GetComponent(i));
    if (button && (button->Caption() == "Refresh" || button->Caption() == "Get")) return button;
  }
  return nullptr;
}

// Runs the item's command for the device and hands its dialog, once shown, to whileShown; then
// closes it as a user would.
void OpenByMenu(const char* item, const std::function<void(TFeatureDialog*)>& whileShown) {
  DeviceAddress = "127.0.0.1";
  NvRegisterFeatureDialogs();
  const NvMenuCommand* command = NvFindMenuCommand(item);
  ASSERT_NE(command, nullptr) << item;
  TForm mainWindow(nullptr);
  std::string title;
  NvCommandHost host{.MainWindow = &mainWindow, .CommandTitle = &title};
  int runs = 0;
  GuiTesting::ModalDriver driver([&](TCustomForm& shown) {
    auto* form = dynamic_cast<TFeatureDialog*>(&shown);
    ++runs;
    if (form) whileShown(form);
    GuiTesting::UserCloseWindow(&shown);
  });
  NvRunMenuCommand(*command, host);
  EXPECT_EQ(runs, 1) << item;
}

// ---------------------------------------------------------------------------------------
// A blocking read answered with genErr

// The menu items whose dialogs read with blocking requests, at opening or on Refresh.
const char* const kBlockingReaders[] = {
    "EthernetMask1", "RuleOfEthernetInformation1", "IPMaskInformation1", "IPRule1", "IPv6MaskInformation1",
    "EthernetMaskCPUFilter1", "EthernetRuleCPUFilter1", "IPMaskCPUFilter1", "IPRuleCPUFilter1",
    "PacketContentMaskCPUFilter1", "PacketContentRuleCPUFilter1", "PortSecurityDeleteTable1", "PortTrunk2",
    "PortMirrorTable1", "IGMPSnoopingClearDynamicIPMulticastTable1", "ARPSpoofingPrevent1", "PortCapbility1",
    "GuestVLAN1", "LoginMethodControl1", "EnableMethodControl1", "ServerInformation1", "ServerControl1",
    "SSLCertificateLevel1", "ProtectControl1", "BindingTable1", "PortGlobalSettings1", "PermitTable1",
    "IPv6StaticRoute1", "Information2", "SummerTime1"};

// The menu items whose dialogs chain blocking reads when they open.
const char* const kChainedReaders[] = {"PortGlobalSettings1", "GuestVLAN1", "Information2", "PortTrunk2",
                                       "PortMirrorTable1"};

class BlockingReadFailure : public ::testing::TestWithParam<const char*> {};

void ExpectFailureTold(TFeatureDialog* form, const char* when) {
  ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 60000));
  const std::string status = StatusText(form);
  EXPECT_NE(status.find(GenErrText()), std::string::npos) << when << ": " << status;
  EXPECT_EQ(status.find("Ok!"), std::string::npos) << when << ": " << status;
  ASSERT_NE(form->ReadFailure(), nullptr) << when;
  if (form->CountBox) {
    EXPECT_NE(form->CountBox->Caption(), "0") << when;
  }
}

TEST_P(BlockingReadFailure, is_told_in_the_status_line_and_never_as_ok) {
  SwitchSim sim;
  PointSessionAt(sim);
  GuiTesting::ScriptedAnswerer boxes;
  OpenByMenu(GetParam(), [&](TFeatureDialog* form) {
    // A good line before, as after an earlier read, must not stand.
    form->StatusBar1->Panels->Items[0]->Text = "Get: Ok! Receive at 00:00:00";
    sim.setSubtreeError("1.3.6.1", kGenErr);
    if (TButton* refresh = RefreshButton(form)) {
      GuiTesting::UserClick(refresh);
      ExpectFailureTold(form, "Refresh");
    }
  });
  // Opened while the switch refuses.
  OpenByMenu(GetParam(), [&](TFeatureDialog* form) { ExpectFailureTold(form, "opening"); });
}

INSTANTIATE_TEST_SUITE_P(Dialogs, BlockingReadFailure, ::testing::ValuesIn(kBlockingReaders));

// ---------------------------------------------------------------------------------------
// Writes

TEST(WriteAfterFailedRead, sends_nothing_until_a_read_has_succeeded) {
  SwitchSim sim;
  PointSessionAt(sim);
  GuiTesting::ScriptedAnswerer boxes;
  sim.setSubtreeError("1.3.6.1", kGenErr);
  std::unique_ptr<TGuestVlanForm> form(new TGuestVlanForm(nullptr));
  form->Show();
  sim.clearFaults();
  sim.clearSetLog();

  GuiTesting::UserClick(form->SetBtn);
  EXPECT_TRUE(sim.setLog().empty());
  ASSERT_FALSE(boxes.Calls().empty());
  EXPECT_EQ(boxes.Calls().front().text, GenErrText());

  GuiTesting::UserClick(form->BT_Get);
  EXPECT_EQ(form->ReadFailure(), nullptr);
  GuiTesting::UserClick(form->SetBtn);
  EXPECT_FALSE(sim.setLog().empty());  // the values read now go back
  EXPECT_EQ(boxes.Calls().size(), 1u);
}

TEST(UnsendableWrite, says_so_where_the_read_after_it_cannot_overwrite_it) {
  SwitchSim sim;
  PointSessionAt(sim);
  GuiTesting::ScriptedAnswerer boxes;
  std::unique_ptr<TPortMirrorForm> form(new TPortMirrorForm(nullptr));
  form->Show();
  sim.clearSetLog();

  TypeInto(form->PortEdit, "");
  GuiTesting::UserClick(form->BT_Set);
  EXPECT_TRUE(sim.setLog().empty());
  ASSERT_EQ(boxes.Calls().size(), 1u);
  EXPECT_FALSE(boxes.Calls().front().text.empty());
}

// ---------------------------------------------------------------------------------------
// A silent switch

class ChainedBlockingReads : public ::testing::TestWithParam<const char*> {};

// Every read of these dialogs waits 3 s a try, with one retry.
constexpr auto kOneRead = std::chrono::milliseconds(2 * 3000);
constexpr auto kMargin = std::chrono::milliseconds(2500);

TEST_P(ChainedBlockingReads, hold_the_window_for_one_read_at_most) {
  SwitchSim sim;
  PointSessionAt(sim);
  sim.setDropReplies(true);
  GuiTesting::ScriptedAnswerer boxes;
  Clock::time_point last = Clock::now();
  Clock::duration longest{};
  TTimer ticker(nullptr);
  ticker.Interval = 50;
  ticker.OnTimer = [&](TObject*) {
    const Clock::time_point now = Clock::now();
    longest = std::max(longest, now - last);
    last = now;
  };
  OpenByMenu(GetParam(), [&](TFeatureDialog* form) {
    const Clock::time_point shown = Clock::now();
    GuiTesting::ProcessUntil([&] { return Clock::now() - shown > std::chrono::milliseconds(300); }, 5000);
    ticker.Enabled = false;  // closing lets go of the replies still awaited: not the opening
    EXPECT_NE(form->ReadFailure(), nullptr);
    EXPECT_EQ(StatusText(form).find("Ok!"), std::string::npos) << StatusText(form);
  });
  EXPECT_LE(longest, kOneRead + kMargin)
      << std::chrono::duration_cast<std::chrono::milliseconds>(longest).count() << " ms";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ChainedBlockingReads, ::testing::ValuesIn(kChainedReaders));

// ---------------------------------------------------------------------------------------
// Refresh after a failed read

// The choices a new entry starts from as shown: every combo box's text and chosen item, every
// edit's text and every check box's tick, by name, the port pickers' boxes included.
void CollectChoices(TComponent* owner, std::vector<std::string>& shown) {
  for (int i = 0; i < owner->ComponentCount; ++i) {
    TComponent* c = owner->GetComponent(i);
    if (auto* combo = dynamic_cast<TComboBox*>(c))
      shown.push_back(combo->Name() + "=" + combo->Text() + "#" + std::to_string(combo->ItemIndex()));
    else if (auto* edit = dynamic_cast<TEdit*>(c))
      shown.push_back(edit->Name() + "=" + edit->Text());
    else if (auto* box = dynamic_cast<TCheckBox*>(c))
      shown.push_back(box->Name() + (box->Checked() ? "=ticked" : "=clear"));
    CollectChoices(c, shown);
  }
}
std::vector<std::string> StartingChoices(TForm* form) {
  std::vector<std::string> shown;
  CollectChoices(form, shown);
  return shown;
}

class RefreshAfterFailedRead : public ::testing::TestWithParam<const char*> {};

// A new entry starts from the same choices after Refresh as on a fresh open.
TEST_P(RefreshAfterFailedRead, shows_the_starting_choices_of_a_fresh_open) {
  SwitchSim sim;
  PointSessionAt(sim);
  GuiTesting::ScriptedAnswerer boxes;
  sim.setSubtreeError("1.3.6.1", kGenErr);
  OpenByMenu(GetParam(), [&](TFeatureDialog* form) {
    ASSERT_TRUE(GuiTesting::ProcessUntil([&] { return form->DataComplete == 1; }, 60000));
    const std::vector<std::string> fresh = StartingChoices(form);
    TButton* refresh = RefreshButton(form);
    ASSERT_NE(refresh, nullptr);
    GuiTesting::UserClick(refresh);
    ExpectFailureTold(form, "Refresh");
    EXPECT_EQ(StartingChoices(form), fresh);
  });
}

INSTANTIATE_TEST_SUITE_P(Dialogs, RefreshAfterFailedRead,
                         ::testing::Values("RuleOfEthernetInformation1", "EthernetRuleCPUFilter1", "GuestVLAN1",
                                           "LoginMethodControl1", "EnableMethodControl1"));

}  // namespace
