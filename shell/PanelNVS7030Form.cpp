#include "PanelNVS7030Form.h"

#include <string>

#include "Oid_device.h"

TPanelNVS7030Form* PanelNVS7030Form = nullptr;

namespace {

using enum TLinkPicture;
// "0101", "8201", "0201", "8202", "0202", "8203", "0203"
const TLinkPictureRule CopperSlots = {None, Orange, Orange, Green, Green, Keep, Keep};
const TLinkPictureRule ComboSlots = {None, Orange, Keep, Orange, Orange, Green, Green};

}  // namespace

// Positions match the background picture drawn by scripts/panel-pictures.
TPanelNVS7030Form::TPanelNVS7030Form(TComponent* Owner) : TFrontPanelForm(Owner) {
  Name = "PanelNVS7030Form";
  MakeBackground(795, 109, "PanelNVS7030.jpg");
  CopperRule = &CopperSlots;
  ComboRule = &ComboSlots;

  // Copper ports in columns of two, odd ports above.
  for (int n = 1; n <= 24; ++n) {
    const int column = (n - 1) / 2;
    const int left = n % 2 ? 271 + column * 34 : 272 + column * 34;
    const int top = n % 2 ? 40 : 61;
    AddSlot("Port", n, left, top, false);
  }

  // LEDs in columns of four ports; a combo port's fibre LED sits on its copper LED.
  PowerLedPanel = MakeLedPanel("PowerLedPanel", 44, 60, 5);
  ConsoleLedPanel = MakeLedPanel("ConsoleLedPanel", 44, 74, 5);
  for (int n = 1; n <= 28; ++n)
    PortLedPanel[n - 1] = MakeLedPanel("Port" + std::to_string(n) + "LedPanel", 88 + (n - 1) / 4 * 22,
                                       37 + (n - 1) % 4 * 10, 5);
  for (int n = 25; n <= 28; ++n)
    PortLedPanelF[n - 25] = MakeLedPanel("Port" + std::to_string(n) + "LedPanelF", PortLedPanel[n - 1]->Left,
                                         PortLedPanel[n - 1]->Top, 5);

  // Combo slots 25-32: copper and fibre of ports 25-28 in turn. Ports 25 and 27 above, with
  // their fibre cage at the top edge; 26 and 28 below, with theirs at the bottom edge.
  for (int slot = 25; slot <= 32; ++slot) {
    const int port = 25 + (slot - 25) / 2;
    const bool fibre = (slot - 25) % 2 == 1;
    const bool upper = (port - 25) % 2 == 0;
    const int left = 679 + (port - 25) / 2 * 37;
    const int top = fibre ? (upper ? 18 : 84) : (upper ? 40 : 61);
    AddSlot("CPort", slot, left, top, fibre, fibre ? PortLedPanelF[port - 25] : PortLedPanel[port - 1]);
  }

  LedGroups.push_back({"0", LedMapSystem, PowerLedPanel, 10, 5, 5});
  LedGroups.push_back({"1", LedMapSystem, ConsoleLedPanel, 10, 5, 5});
  for (int n = 1; n <= 24; ++n)
    LedGroups.push_back({std::to_string(2 * n), LedMapPortA1, PortLedPanel[n - 1], 6, 5, 5});
  for (int slot = 25; slot <= 32; ++slot) {
    const int port = 25 + (slot - 25) / 2;
    TPanel* panel = (slot - 25) % 2 ? PortLedPanelF[port - 25] : PortLedPanel[port - 1];
    LedGroups.push_back({std::to_string(2 * slot), LedMapComboPortA1, panel, 10, 5, 5});
  }

  DoCreate();
}
