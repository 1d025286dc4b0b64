// Front-panel LEDs: small shapes that follow the bytes of one polled OCTET STRING, each byte
// decoded through a colour map; blinking LEDs alternate with their off colour for a few
// 60 ms ticks after each reading.
//
//   Leds = new NvSNMPRequest2Leds(this);
//   Leds->Request.Vars = NvSNMPVarList(LedStatusTable, SVT_SV, 0);
//   Leds->SetDecodeMode(2, 2);
//   Leds->AddLeds(0, "0", LedMapSystem, PowerLedPanel, 1, 10, 0, 5, 5);
//   Leds->StartPolling(500);    // every 5 s, and once now
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "NvSNMPLedColorMap.h"
#include "NvSNMPRequest2Controls.h"

class TObject;
class TPanel;
class TShape;
class TTimer;

struct NvSNMPLed {
  int32_t VarIndex = 0;
  int32_t ByteOffset = 0;
  NvSNMPLedColorMapList* ColorMap = nullptr;  // not owned
  TShape* Shape = nullptr;                    // owned by the owner window
  uint8_t Blinking = 0;
  int32_t Color = 0;
};

class NvSNMPRequest2Leds : public NvSNMPRequest2Controls {
 public:
  explicit NvSNMPRequest2Leds(TForm* owner);
  ~NvSNMPRequest2Leds() override;

  void ShowRow() override;
  void OnGetError(NvSNMPError* error) override;
  void DetachFromWindow() override;
  virtual void DecodeLed(NvSNMPLed* led);

  // mode 1: one byte per LED; mode 2: one byte each below the prefix, then a flag byte and a
  // state byte per LED. Values of 0 or below give 1 and 4.
  void SetDecodeMode(int mode, int prefix);
  void AddLed(int index, int offset, NvSNMPLedColorMapList* colorMap, TShape* shape);
  // One rectangle (shape kind 0) per ","-separated byte offset, side by side on the panel.
  void AddLeds(int index, const std::string& offsets, NvSNMPLedColorMapList* colorMap, TPanel* panel,
               int left, int gap, int shapeKind, int width, int height);
  // Polls every ticks x 10 ms, and reads once at once.
  void StartPolling(int ticks);
  void StopPolling();
  void Refresh();
  void ResetLeds();
  void DecodeAll();
  void PaintLeds();
  void OnPollTimer(TObject* Sender);
  void OnBlinkTimer(TObject* Sender);

  std::vector<std::unique_ptr<NvSNMPLed>> Leds;
  TTimer* PollTimer;
  TTimer* BlinkTimer;
  int32_t BlinkLimit = 6;
  int32_t BlinkCount = 0;
  int32_t DecodeMode = 1;
  int32_t SingleBytePrefix = 4;

 private:
  static void Paint(NvSNMPLed& led, int32_t color);
};
