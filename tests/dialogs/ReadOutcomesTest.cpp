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

struct FailedReadCase {
  const char* item;
};

void PrintTo(const FailedReadCase& c, std::ostream* os) { *os << c.item; }

class BlockingReadFailure : public ::testing::TestWithParam<FailedReadCase> {};

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
  OpenByMenu(GetParam().item, [&](TFeatureDialog* form) {
    // A good line before, as after an earlier read, must not stand.
    form->StatusBar1->Panels->Items[0]->Text = "Get: Ok! Receive at 00:00:00";
    sim.setSubtreeError("1.3.6.1", kGenErr);
    if (TButton* refresh = RefreshButton(form)) {
      GuiTesting::UserClick(refresh);
      ExpectFailureTold(form, "Refresh");
    }
  });
  // Opened while the switch refuses.
  OpenByMenu(GetParam().item, [&](TFeatureDialog* form) { ExpectFailureTold(form, "opening"); });
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, BlockingReadFailure,
    ::testing::Values(FailedReadCase{"EthernetMask1"}, FailedReadCase{"RuleOfEthernetInformation1"},
                      FailedReadCase{"IPMaskInformation1"}, FailedReadCase{"IPRule1"},
                      FailedReadCase{"IPv6MaskInformation1"}, FailedReadCase{"EthernetMaskCPUFilter1"},
                      FailedReadCase{"EthernetRuleCPUFilter1"}, FailedReadCase{"IPMaskCPUFilter1"},
                      FailedReadCase{"IPRuleCPUFilter1"}, FailedReadCase{"PacketContentMaskCPUFilter1"},
                      FailedReadCase{"PacketContentRuleCPUFilter1"}, FailedReadCase{"PortSecurityDeleteTable1"},
                      FailedReadCase{"PortTrunk2"}, FailedReadCase{"PortMirrorTable1"},
                      FailedReadCase{"IGMPSnoopingClearDynamicIPMulticastTable1"},
                      FailedReadCase{"ARPSpoofingPrevent1"}, FailedReadCase{"PortCapbility1"},
                      FailedReadCase{"GuestVLAN1"}, FailedReadCase{"LoginMethodControl1"},
                      FailedReadCase{"EnableMethodControl1"}, FailedReadCase{"ServerInformation1"},
                      FailedReadCase{"ServerControl1"}, FailedReadCase{"SSLCertificateLevel1"},
                      FailedReadCase{"ProtectControl1"}, FailedReadCase{"BindingTable1"},
                      FailedReadCase{"PortGlobalSettings1"}, FailedReadCase{"PermitTable1"},
                      FailedReadCase{"IPv6StaticRoute1"}, FailedReadCase{"Information2"},
                      FailedReadCase{"SummerTime1"}));

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

struct ChainedReadCase {
  const char* item;
};

void PrintTo(const ChainedReadCase& c, std::ostream* os) { *os << c.item; }

class ChainedBlockingReads : public ::testing::TestWithParam<ChainedReadCase> {};

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
  OpenByMenu(GetParam().item, [&](TFeatureDialog* form) {
    const Clock::time_point shown = Clock::now();
    GuiTesting::ProcessUntil([&] { return Clock::now() - shown > std::chrono::milliseconds(300); }, 5000);
    ticker.Enabled = false;  // closing lets go of the replies still awaited: not the opening
    EXPECT_NE(form->ReadFailure(), nullptr);
    EXPECT_EQ(StatusText(form).find("Ok!"), std::string::npos) << StatusText(form);
  });
  EXPECT_LE(longest, kOneRead + kMargin)
      << std::chrono::duration_cast<std::chrono::milliseconds>(longest).count() << " ms";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ChainedBlockingReads,
                         ::testing::Values(ChainedReadCase{"PortGlobalSettings1"}, ChainedReadCase{"GuestVLAN1"},
                                           ChainedReadCase{"Information2"}, ChainedReadCase{"PortTrunk2"},
                                           ChainedReadCase{"PortMirrorTable1"}));

}  // namespace
