#include "PanelNVS7030B1Form.h"

#include <string>

#include "Oid_device.h"
#include "Windows.h"

TPanelNVS7030B1Form* PanelNVS7030B1Form = nullptr;

namespace {

using enum TLinkPicture;
// "0101", "8201", "0201", "8202", "0202", "8203", "0203"
const TLinkPictureRule CopperSlots = {None, Green, Green, Green, Green, Keep, Keep};
const TLinkPictureRule ComboSlots = {None, Orange, Keep, Orange, Orange, Green, Green};

}  // namespace

// Positions match the background picture drawn by scripts/panel-pictures.
TPanelNVS7030B1Form::TPanelNVS7030B1Form(TComponent* Owner) : TFrontPanelForm(Owner) {
  Name = "PanelNVS7030B1Form";
  MakeBackground(799, 109, "PanelNVS7030B1.jpg");
  CopperRule = &CopperSlots;
  ComboRule = &ComboSlots;
  OnShow = Handler(this, &TPanelNVS7030B1Form::FormShow);

  // Copper ports in columns of two, odd ports above, in two blocks of six columns; their LEDs
  // side by side in one row above.
  PowerLedPanel = MakeLedPanel("PowerLedPanel", 44, 60, 5);
  ConsoleLedPanel = MakeLedPanel("ConsoleLedPanel", 44, 74, 5);
  for (int n = 1; n <= 24; ++n) {
    const int column = (n - 1) / 2;
    const int left = 146 + column * 30 + (column >= 6 ? 6 : 0);
    const int top = n % 2 ? 42 : 62;
    AddSlot("Port", n, left, top, false);
    PortLedPanel[n - 1] = MakeLedPanel("Port" + std::to_string(n) + "LedPanel", left + (n % 2 ? 4 : 13), 23, 6);
  }

  // Combo LEDs: copper and fibre of ports 25 and 26, then ports 27 and 28, two a row.
  struct ComboSlot {
    int Left, Top;
    bool Fibre;
    const char* Led;
    int LedLeft, LedTop;
  };
  const ComboSlot combos[] = {
      {552, 42, false, "Port25LedPanel", 520, 33}, {586, 42, true, "Port25LedPanelF", 528, 33},
      {552, 62, false, "Port26LedPanel", 520, 43}, {586, 62, true, "Port26LedPanelF", 528, 43},
      {628, 42, true, "Port27LedPanel", 520, 53},  {628, 62, true, "Port28LedPanel", 528, 53},
  };
  std::vector<TPanel*> comboLeds;
  for (int i = 0; i < 6; ++i) {
    const ComboSlot& c = combos[i];
    TPanel* led = MakeLedPanel(c.Led, c.LedLeft, c.LedTop, 5);
    comboLeds.push_back(led);
    AddSlot("Port", 25 + i, c.Left, c.Top, c.Fibre, led);
  }
  PortLedPanel[24] = comboLeds[0];
  PortLedPanelF[0] = comboLeds[1];
  PortLedPanel[25] = comboLeds[2];
  PortLedPanelF[1] = comboLeds[3];
  PortLedPanel[26] = comboLeds[4];
  PortLedPanel[27] = comboLeds[5];

  LedGroups.push_back({"0", LedMapSystem, PowerLedPanel, 10, 5, 5});
  LedGroups.push_back({"1", LedMapSystem, ConsoleLedPanel, 10, 5, 5});
  for (int n = 1; n <= 24; ++n)
    LedGroups.push_back({std::to_string(2 * n), LedMapPortB1, PortLedPanel[n - 1], 6, 6, 6});
  for (int i = 0; i < 6; ++i)
    LedGroups.push_back({std::to_string(50 + 2 * i), LedMapComboPortB1, comboLeds[static_cast<std::size_t>(i)], 10, 5, 5});

  DoCreate();
}

void TPanelNVS7030B1Form::FormShow(TObject*) { ShapePortLeds(); }

void TPanelNVS7030B1Form::ShapePortLeds() {
  static const POINT up[3] = {{3, 0}, {0, 6}, {6, 6}};
  static const POINT down[3] = {{0, 0}, {6, 0}, {3, 6}};
  for (int n = 1; n <= 24; ++n) {
    const bool odd = n % 2 == 1;
    HRGN region = CreatePolygonRgn(odd ? up : down, 3, ALTERNATE);
    SetWindowRgn(PortLedPanel[n - 1]->Handle, region, odd ? FALSE : TRUE);
  }
}
