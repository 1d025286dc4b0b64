// The front panel of hardware revision B1 (and any revision other than A1): 24 copper ports
// with triangular LEDs, two combo ports with copper and fibre, and two fibre ports.
#pragma once

#include "FrontPanel.h"

class TPanelNVS7030B1Form : public TFrontPanelForm {
 public:
  explicit TPanelNVS7030B1Form(TComponent* Owner);

  // Port1LedPanel..Port28LedPanel at [0..27]; Port25LedPanelF, Port26LedPanelF.
  TPanel* PortLedPanel[28] = {};
  TPanel* PortLedPanelF[2] = {};

  void FormShow(TObject* Sender);
  // Ports 1-24: odd ports' LEDs point up, even ports' down.
  void ShapePortLeds();
};

extern TPanelNVS7030B1Form* PanelNVS7030B1Form;
