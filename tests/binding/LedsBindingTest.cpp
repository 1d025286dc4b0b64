// LED shapes painted from colour maps: decoding, blinking, and a reading from the switch.
#include <vector>

#include "Catalogue.h"
#include "ExtCtrls.h"
#include "NvSNMPRequest2Leds.h"
#include "Oid_device.h"
#include "binding_test_support.h"

using namespace bindingtest;

namespace {

constexpr int kGreen = 0x00FF00, kAmber = 0x00BFFF, kBlue = 0xFF0000, kRed = 0x0000FF;

class LedsBinding : public ::testing::Test {
 protected:
  void SetUp() override { NvCatalogueStartup(); }
  void TearDown() override { NvCatalogueShutdown(); }

  // LEDs at the given byte offsets of one octet-string variable whose value the test sets.
  void AddLeds(NvSNMPRequest2Leds& leds, const std::string& offsets, NvSNMPLedColorMapList* map) {
    if (leds.Request.Vars.GetCount() == 0)
      leds.Request.Vars.AddVar((kLeds + ".1").c_str(), "LED Status", NvSyntax::octetstr, NvAccess::readonly, nullptr);
    leds.AddLeds(0, offsets, map, panel, 1, 10, 0, 5, 5);
  }
  static std::vector<int> Colors(const NvSNMPRequest2Leds& leds) {
    std::vector<int> colors;
    for (const auto& led : leds.Leds) colors.push_back(led->Shape->Brush->Color);
    return colors;
  }

  TForm form{nullptr};
  TPanel* panel = new TPanel(&form);
};

TEST_F(LedsBinding, ColourMapsOfTheDeviceModule) {
  struct Case {
    NvSNMPLedColorMapList* map;
    int blinkMask;
    std::vector<int> colors;  // states 0 to 5
  } cases[] = {
      {LedMapSystem, 0x80, {0, 0, kGreen, kGreen, kBlue, kRed}},
      {LedMapComboPortA1, 0x80, {0, kAmber, kAmber, kGreen, kGreen, kRed}},
      {LedMapPortA1, 7, {0, kAmber, kGreen, kGreen, kGreen, kRed}},
      {LedMapPortB1, 7, {0, kGreen, kGreen, kGreen, kGreen, kRed}},
      {LedMapComboPortB1, 7, {0, kAmber, kAmber, kGreen, kGreen, kRed}},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.map, nullptr);
    EXPECT_EQ(c.map->ValueMask, 7);
    EXPECT_EQ(c.map->BlinkMask, c.blinkMask);
    EXPECT_EQ(c.map->OffColor, 0);
    EXPECT_EQ(c.map->DefaultColor, 0);
    ASSERT_EQ(c.map->GetCount(), 6);
    for (int state = 0; state < 6; ++state) EXPECT_EQ(c.map->GetColor(uint8_t(state)), c.colors[size_t(state)]);
  }
  EXPECT_EQ(LedMapSystem->IndexOf(6), -1);
  EXPECT_EQ(LedMapSystem->GetColor(6), 0);
}

TEST_F(LedsBinding, StateBytesAreMaskedAndBlinkingLedsAlternateSevenPaintsThenHold) {
  NvSNMPRequest2Leds leds(&form);
  AddLeds(leds, "0,1,2", LedMapSystem);
  EXPECT_EQ(Colors(leds), (std::vector<int>{0, 0, 0}));
  // 0x84: blue and blinking; 0x05: red; 0x0E: state 6, no entry, black.
  *leds.Request.Vars.GetVar(0)->Value = "84050E";
  leds.ShowRow();
  EXPECT_EQ(Colors(leds), (std::vector<int>{kBlue, kRed, 0}));
  std::vector<int> first;
  for (int tick = 0; tick < 8; ++tick) {
    leds.OnBlinkTimer(nullptr);
    first.push_back(Colors(leds)[0]);
    EXPECT_EQ(Colors(leds)[1], kRed);
  }
  EXPECT_EQ(first, (std::vector<int>{0, kBlue, 0, kBlue, 0, kBlue, kBlue, kBlue}));
  leds.ShowRow();  // the next reading alternates again, from the colour it found
  EXPECT_EQ(Colors(leds)[0], 0);
  leds.OnBlinkTimer(nullptr);
  EXPECT_EQ(Colors(leds)[0], kBlue);
}

TEST_F(LedsBinding, PairDecodingAfterTheSingleBytePrefixAndShortValues) {
  NvSNMPRequest2Leds leds(&form);
  leds.SetDecodeMode(2, 2);
  AddLeds(leds, "0,2,4,6,8", LedMapPortA1);
  // power 02; port 1 flag 01 (off: default colour); port 2 flag 00 colour 05; port 3 flag 00
  // colour 01; port 4 missing: default colour.
  *leds.Request.Vars.GetVar(0)->Value = "0200010200050001";
  leds.ShowRow();
  EXPECT_EQ(Colors(leds), (std::vector<int>{kGreen, 0, kRed, kAmber, 0}));

  leds.SetDecodeMode(0, 0);
  EXPECT_EQ(leds.DecodeMode, 1);
  EXPECT_EQ(leds.SingleBytePrefix, 4);

  NvSNMPLedColorMapList noDefault(nullptr, 7, 0, 0, -1);
  NvSNMPRequest2Leds strict(&form);
  AddLeds(strict, "3", &noDefault);
  *strict.Request.Vars.GetVar(0)->Value = "0102";
  try {
    strict.ShowRow();
    ADD_FAILURE() << "a missing byte without default colour is refused";
  } catch (const Exception& e) {
    EXPECT_EQ(e.HelpContext, -519);
  }
}

TEST_F(LedsBinding, ReadingFromTheSwitchPaintsAndBlinks) {
  NvSNMPRequest2Leds leds(&form);
  Point(leds);
  leds.SetDecodeMode(2, 2);
  leds.Request.Vars.AddVar((kLeds + ".1").c_str(), "LED Status", NvSyntax::octetstr, NvAccess::readonly, nullptr);
  leds.AddLeds(0, "0,1", LedMapSystem, panel, 1, 10, 0, 5, 5);
  leds.AddLeds(0, "2,4,6", LedMapPortA1, panel, 30, 6, 0, 5, 5);
  EXPECT_EQ(panel->BevelOuter(), bvNone);
  ASSERT_EQ(leds.Leds.size(), 5u);
  EXPECT_EQ(leds.Leds[3]->Shape->Left(), 30 + 11);
  leds.StartPolling(500);
  ASSERT_TRUE(WaitUntil([&] { return !leds.Busy; }));
  // power and console green; port 1 green and blinking (82 02); port 2 off; port 3 red.
  const std::vector<int> read = {kGreen, kGreen, kGreen, 0, kRed};
  EXPECT_EQ(leds.Leds[2]->Color, kGreen);
  EXPECT_TRUE(leds.Leds[2]->Blinking);
  EXPECT_FALSE(leds.Leds[4]->Blinking);
  ASSERT_TRUE(WaitUntil([&] { return leds.BlinkCount > leds.BlinkLimit; }));
  EXPECT_EQ(Colors(leds), read);
  EXPECT_EQ(leds.PollTimer->Interval(), 5000);
  leds.StopPolling();
  EXPECT_EQ(Colors(leds), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_FALSE(leds.BlinkTimer->Enabled);
}

}  // namespace
