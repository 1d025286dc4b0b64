// The front panel of hardware revision A1: 24 copper ports and four combo ports, each combo
// port with a copper and a fibre picture and LED.
#pragma once

#include "FrontPanel.h"

class TPanelNVS7030Form : public TFrontPanelForm {
 public:
  explicit TPanelNVS7030Form(TComponent* Owner);

  // Port1LedPanel..Port28LedPanel at [0..27]; Port25LedPanelF..Port28LedPanelF.
  TPanel* PortLedPanel[28] = {};
  TPanel* PortLedPanelF[4] = {};
};

extern TPanelNVS7030Form* PanelNVS7030Form;
