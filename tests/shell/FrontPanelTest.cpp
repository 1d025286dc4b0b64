// The two front-panel forms against the simulated switch: link pictures per form and slot,
// LEDs, the combo LED panels on timer ticks, an unreachable switch, closing.
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPRequest2Leds.h"
#include "PanelNVS7030B1Form.h"
#include "PanelNVS7030Form.h"
#include "PanelTestSupport.h"

using namespace paneltest;

namespace {

constexpr int kGreen = 0x00FF00, kAmber = 0x00BFFF;

// What a slot shows: no picture, the green one or the orange one.
enum class Shown { None, Green, Orange };

Shown PictureOf(const TFrontPanelForm& panel, int slot) {
  const bool green = panel.GreenPicture(slot)->Visible;
  const bool orange = panel.OrangePicture(slot)->Visible;
  EXPECT_FALSE(green && orange) << "slot " << slot;
  return green ? Shown::Green : orange ? Shown::Orange : Shown::None;
}

class FrontPanel : public SwitchSimSuite {
 protected:
  void SetUp() override {
    SwitchSimSuite::SetUp();
    AimSession();
    host_ = std::make_unique<TForm>(nullptr);
    bar_ = new TStatusBar(host_.get());
    bar_->Name = "StatusBar";
    bar_->Parent = host_.get();
    bar_->Panels->Add();
  }
  void TearDown() override { host_.reset(); }

  template <class F>
  F* Make() {
    auto* panel = new F(host_.get());
    AwaitReads(panel);
    return panel;
  }
  static void AwaitReads(TFrontPanelForm* panel) {
    ASSERT_TRUE(GuiTesting::ProcessUntil([panel] {
      return !(panel->PortRequest && panel->PortRequest->Busy) && !(panel->LedRequest && panel->LedRequest->Busy);
    }));
  }
  static void Tick(TFrontPanelForm* panel) {
    panel->Timer1Timer(nullptr);
    AwaitReads(panel);
  }

  std::unique_ptr<TForm> host_;
  TStatusBar* bar_ = nullptr;
};

const char* const kCodes[] = {"0101", "8201", "0201", "8202", "0202", "8203", "0203", "0301"};

// The picture after a tick with kCodes[i], per form and group of slots; Keep: as before.
enum class After { None, Green, Orange, Keep };
const After kA1Copper[8] = {After::None, After::Orange, After::Orange, After::Green, After::Green, After::Keep, After::Keep, After::Keep};
const After kA1Combo[8] = {After::None, After::Orange, After::Keep, After::Orange, After::Orange, After::Green, After::Green, After::Keep};
const After kB1Copper[8] = {After::None, After::Green, After::Green, After::Green, After::Green, After::Keep, After::Keep, After::Keep};
const After (&kB1Combo)[8] = kA1Combo;

TEST_F(FrontPanel, LinkPicturesFollowTheRuleOfTheFormAndSlot) {
  struct Case {
    bool a1;
    int firstSlot;  // kCodes go to this slot and the ones after it, as far as the form has slots
  } cases[] = {{true, 1}, {true, 25}, {false, 9}, {false, 23}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a1 ? "A1" : "B1") + " from slot " + std::to_string(c.firstSlot));
    SetLeds(StatusValue({}));  // "8202" everywhere: copper green on both forms, combo orange
    TFrontPanelForm* panel =
        c.a1 ? static_cast<TFrontPanelForm*>(Make<TPanelNVS7030Form>()) : Make<TPanelNVS7030B1Form>();
    const int lastSlot = std::min(c.firstSlot + 7, panel->SlotCount());
    std::map<int, std::string> codes;
    for (int slot = c.firstSlot; slot <= lastSlot; ++slot) {
      ASSERT_EQ(PictureOf(*panel, slot), slot <= 24 ? Shown::Green : Shown::Orange) << "slot " << slot;
      codes[slot] = kCodes[slot - c.firstSlot];
    }
    SetLeds(StatusValue(codes));
    Tick(panel);
    for (int slot = c.firstSlot; slot <= lastSlot; ++slot) {
      const int i = slot - c.firstSlot;
      const After rule = slot <= 24 ? (c.a1 ? kA1Copper : kB1Copper)[i] : (c.a1 ? kA1Combo : kB1Combo)[i];
      const Shown before = slot <= 24 ? Shown::Green : Shown::Orange;
      const Shown expected = rule == After::Keep     ? before
                             : rule == After::None   ? Shown::None
                             : rule == After::Green  ? Shown::Green
                                                     : Shown::Orange;
      EXPECT_EQ(PictureOf(*panel, slot), expected) << "slot " << slot << " code " << codes[slot];
    }
    delete panel;
  }
}

TEST_F(FrontPanel, A1PortGoesFromOrangeToGreenOnALaterTick) {
  SetLeds(StatusValue({{3, "8201"}}));
  auto* panel = Make<TPanelNVS7030Form>();
  EXPECT_EQ(PictureOf(*panel, 3), Shown::Orange);
  SetLeds(StatusValue({{3, "0202"}}));
  Tick(panel);
  EXPECT_EQ(PictureOf(*panel, 3), Shown::Green);
}

TEST_F(FrontPanel, A1ComboFibreSlotKeepsItsPicturesFor0201) {
  SetLeds(StatusValue({{26, "0203"}}));
  auto* panel = Make<TPanelNVS7030Form>();
  EXPECT_EQ(PictureOf(*panel, 26), Shown::Green);
  SetLeds(StatusValue({{26, "0201"}}));
  Tick(panel);
  Tick(panel);
  EXPECT_EQ(PictureOf(*panel, 26), Shown::Green);
}

TEST_F(FrontPanel, ShortStatusValueLeavesTheMissingSlotsAsTheyWere) {
  auto* panel = Make<TPanelNVS7030Form>();
  ASSERT_EQ(PictureOf(*panel, 11), Shown::Green);
  ASSERT_EQ(PictureOf(*panel, 30), Shown::Orange);
  // Slots 1-10 down, and the value ends halfway through slot 11.
  SetLeds(StatusValue({}, "0101", 10) + "01");
  Tick(panel);
  for (int slot = 1; slot <= 10; ++slot) EXPECT_EQ(PictureOf(*panel, slot), Shown::None) << slot;
  for (int slot = 11; slot <= 24; ++slot) EXPECT_EQ(PictureOf(*panel, slot), Shown::Green) << slot;
  for (int slot = 25; slot <= 32; ++slot) EXPECT_EQ(PictureOf(*panel, slot), Shown::Orange) << slot;
}

TEST_F(FrontPanel, ComboLedPanelsFollowTheirSlotOnTimerTicksOnly) {
  SetLeds(StatusValue({{25, "0101"}, {26, "0101"}}));
  auto* panel = Make<TPanelNVS7030Form>();
  // At creation every combo panel shows, whatever its slot reads.
  EXPECT_TRUE(panel->PortLedPanel[24]->Visible);
  EXPECT_TRUE(panel->PortLedPanelF[0]->Visible);

  Tick(panel);
  EXPECT_FALSE(panel->PortLedPanel[24]->Visible);
  EXPECT_FALSE(panel->PortLedPanelF[0]->Visible);
  EXPECT_EQ(PictureOf(*panel, 25), Shown::None);

  SetLeds(StatusValue({{25, "8202"}, {26, "0201"}}));
  Tick(panel);
  EXPECT_TRUE(panel->PortLedPanel[24]->Visible);
  EXPECT_EQ(PictureOf(*panel, 25), Shown::Orange);
  EXPECT_FALSE(panel->PortLedPanelF[0]->Visible);  // "0201" leaves the panel as it is

  auto* b1 = Make<TPanelNVS7030B1Form>();
  SetLeds(StatusValue({{29, "0101"}, {30, "0203"}}));
  Tick(b1);
  EXPECT_FALSE(b1->PortLedPanel[26]->Visible);  // port 27, slot 29
  EXPECT_TRUE(b1->PortLedPanel[27]->Visible);   // port 28, slot 30
  EXPECT_EQ(PictureOf(*b1, 30), Shown::Green);
}

TEST_F(FrontPanel, LedsTakeTheColoursOfTheirMapsAndTheStatusGoesToTheMainStatusBar) {
  // Power 02 (green), console 01 (dark); port 1 state 82 code 02 (A1: green), port 2 code 01
  // (amber), port 3 state 01 (off: the map's default colour); slot 25 code 03 (combo: green),
  // slot 26 code 01 (combo: amber).
  SetLeds(StatusValue({{1, "8202"}, {2, "8201"}, {3, "0102"}, {25, "8203"}, {26, "0201"}}));
  auto* panel = Make<TPanelNVS7030Form>();
  const auto& leds = panel->LedRequest->Leds;
  ASSERT_EQ(leds.size(), 2u + 24u + 8u);
  EXPECT_EQ(leds[0]->Color, kGreen);
  EXPECT_EQ(leds[1]->Color, 0);
  EXPECT_EQ(leds[2]->Color, kGreen);
  EXPECT_EQ(leds[2]->Blinking, 1);
  EXPECT_EQ(leds[3]->Color, kAmber);
  EXPECT_EQ(leds[4]->Color, 0);
  EXPECT_EQ(leds[4]->Blinking, 0);
  EXPECT_EQ(leds[26]->Color, kGreen);
  EXPECT_EQ(leds[27]->Color, kAmber);
  EXPECT_EQ(leds[2]->Shape->Parent, panel->PortLedPanel[0]);
  EXPECT_EQ(leds[27]->Shape->Parent, panel->PortLedPanelF[0]);
  EXPECT_NE(bar_->Panels->Items[0]->Text().find("Led Status"), std::string::npos) << bar_->Panels->Items[0]->Text();
}

TEST_F(FrontPanel, UnreachableSwitchDoesNotHoldTheWindowAndKeepsThePictures) {
  SetLeds(StatusValue({{5, "8201"}}));
  NvSNMPDefaultTimeout = 100;  // a read that waited for its time-outs would hold the window 2 s
  auto* panel = Make<TPanelNVS7030B1Form>();
  ASSERT_EQ(PictureOf(*panel, 5), Shown::Green);
  ASSERT_EQ(PictureOf(*panel, 6), Shown::Green);

  sim_->setDropReplies(true);
  const auto start = std::chrono::steady_clock::now();
  panel->Timer1Timer(nullptr);
  panel->LedRequest->OnPollTimer(nullptr);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  EXPECT_TRUE(panel->PortRequest->Busy);
  panel->Timer1Timer(nullptr);  // the last read is still out: nothing more is sent
  AwaitReads(panel);

  EXPECT_EQ(PictureOf(*panel, 5), Shown::Green);
  EXPECT_EQ(PictureOf(*panel, 6), Shown::Green);
  for (const auto& led : panel->LedRequest->Leds) EXPECT_EQ(led->Shape->Brush->Color, 0);
  EXPECT_EQ(bar_->Panels->Items[0]->Text().find("Ok"), std::string::npos) << bar_->Panels->Items[0]->Text();
  EXPECT_FALSE(bar_->Panels->Items[0]->Text().empty());
}

// A switch without the LED status object: v2c says what v1 says, and every LED is dark.
TEST_F(FrontPanel, MissingLedStatusObjectIsReportedAlikeInEveryVersion) {
  const auto seed =
      std::filesystem::temp_directory_path() / ("nv-panel-noled-" + std::to_string(::getpid()) + ".snmprec");
  std::ofstream(seed) << kRevisionOid << "|4|B1\n";
  SwitchSim::Options options;
  options.defaultSeed = false;
  options.extraSeeds = {seed.string()};
  SwitchSim bare(options);
  std::filesystem::remove(seed);
  for (const uint8_t version : {uint8_t(0), uint8_t(1)}) {
    PointSessionAt(bare, version, 100);
    auto* panel = Make<TPanelNVS7030B1Form>();
    const std::string status = bar_->Panels->Items[0]->Text();
    EXPECT_NE(status.find("Led Status"), std::string::npos) << status;
    EXPECT_NE(status.find("(SNMP) Variable does not exist!"), std::string::npos) << int(version) << ": " << status;
    for (const auto& led : panel->LedRequest->Leds) EXPECT_EQ(led->Shape->Brush->Color, 0);
    delete panel;
  }
}

TEST_F(FrontPanel, ClosingStopsTheLedRequestAndWaitsForItsReply) {
  auto* panel = Make<TPanelNVS7030Form>();
  sim_->setDelay(300);
  panel->LedRequest->OnPollTimer(nullptr);
  panel->Timer1Timer(nullptr);
  ASSERT_TRUE(panel->LedRequest->Busy);
  TCloseAction action = caHide;
  panel->FormClose(panel, action);
  EXPECT_EQ(action, caFree);
  EXPECT_EQ(panel->LedRequest, nullptr);
  EXPECT_EQ(panel->PortRequest, nullptr);
  EXPECT_FALSE(panel->Timer1->Enabled);
  delete panel;
  // Destroying with a read still outstanding waits for it too.
  auto* other = Make<TPanelNVS7030B1Form>();
  other->Timer1Timer(nullptr);
  delete other;
}

TEST_F(FrontPanel, PortReadThatCannotBeSentHidesEveryPicture) {
  auto* panel = Make<TPanelNVS7030Form>();
  ASSERT_EQ(PictureOf(*panel, 1), Shown::Green);
  panel->PortRequest->Request.Address = "not an address";
  Tick(panel);
  for (int slot = 1; slot <= 32; ++slot) EXPECT_EQ(PictureOf(*panel, slot), Shown::None) << slot;
  EXPECT_TRUE(panel->PortLedPanel[24]->Visible);  // the LED panels stay as they are
}

}  // namespace

TEST_F(FrontPanel, B1PortLedsBecomeTrianglesWhenThePanelIsShown) {
  auto* panel = Make<TPanelNVS7030B1Form>();
  EXPECT_TRUE(GuiTesting::WindowRegion(panel->PortLedPanel[0]).empty());
  host_->Show();
  panel->Parent = host_.get();
  panel->Show();
  // Filled pixels in the top and the bottom pixel row of a region.
  auto ends = [](const std::vector<std::string>& rows) {
    auto filled = [](const std::string& row) { return std::count(row.begin(), row.end(), '#'); };
    return std::make_pair(filled(rows.front()), filled(rows.back()));
  };
  for (int n = 1; n <= 24; ++n) {
    SCOPED_TRACE(n);
    const std::vector<std::string> rows = GuiTesting::WindowRegion(panel->PortLedPanel[n - 1]);
    ASSERT_EQ(rows.size(), 6u);
    const auto [top, bottom] = ends(rows);
    if (n % 2 == 1)
      EXPECT_LT(top, bottom);  // apex up
    else
      EXPECT_GT(top, bottom);  // apex down
  }
  for (int n = 25; n <= 28; ++n) EXPECT_TRUE(GuiTesting::WindowRegion(panel->PortLedPanel[n - 1]).empty()) << n;
  EXPECT_TRUE(GuiTesting::WindowRegion(panel->PortLedPanelF[0]).empty());
}
