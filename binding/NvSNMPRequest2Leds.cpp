#include "NvSNMPRequest2Leds.h"

#include "ExtCtrls.h"
#include "Forms.h"
#include "NvNumList.h"
#include "NvOptionList.h"
#include "NvValueOctets.h"

NvSNMPRequest2Leds::NvSNMPRequest2Leds(TForm* owner)
    : NvSNMPRequest2Controls(owner), PollTimer(new TTimer(owner)), BlinkTimer(new TTimer(owner)) {
  PollTimer->Enabled = false;
  PollTimer->OnTimer = [this](TObject* sender) { OnPollTimer(sender); };
  BlinkTimer->Interval = 60;
  BlinkTimer->OnTimer = [this](TObject* sender) { OnBlinkTimer(sender); };
  BlinkTimer->Enabled = true;
}

NvSNMPRequest2Leds::~NvSNMPRequest2Leds() {
  DetachFromWindow();
  if (!Owner) {  // nobody else frees them
    delete PollTimer;
    delete BlinkTimer;
  }
}

void NvSNMPRequest2Leds::DetachFromWindow() {
  if (PollTimer) StopPolling();
  Leds.clear();
  if (!PollTimer) return;
  // The timers belong to the window and may outlive this binding.
  PollTimer->OnTimer = nullptr;
  BlinkTimer->OnTimer = nullptr;
  if (Owner) PollTimer = BlinkTimer = nullptr;
}

void NvSNMPRequest2Leds::SetDecodeMode(int mode, int prefix) {
  DecodeMode = mode > 0 ? mode : 1;
  SingleBytePrefix = prefix > 0 ? prefix : 4;
}

void NvSNMPRequest2Leds::Paint(NvSNMPLed& led, int32_t color) {
  led.Shape->Brush->Color = color;
  led.Shape->Pen->Color = color;
  led.Shape->Show();
}

void NvSNMPRequest2Leds::AddLed(int index, int offset, NvSNMPLedColorMapList* colorMap, TShape* shape) {
  auto led = std::make_unique<NvSNMPLed>();
  led->VarIndex = index;
  led->ByteOffset = offset;
  led->ColorMap = colorMap;
  led->Shape = shape;
  led->Color = colorMap->OffColor;
  Paint(*led, led->Color);
  Leds.push_back(std::move(led));
}

void NvSNMPRequest2Leds::AddLeds(int index, const std::string& offsets, NvSNMPLedColorMapList* colorMap,
                                 TPanel* panel, int left, int gap, int shapeKind, int width, int height) {
  NvNumList<int> list;
  list.Delimiter = ',';
  list = offsets;
  for (int k = 0; k < list.Count; ++k) {
    auto* shape = new TShape(Owner);
    shape->Parent = panel;
    shape->Shape = static_cast<TShapeType>(shapeKind);
    shape->SetBounds(left + k * (width + gap), 0, width, height);
    shape->Visible = true;
    AddLed(index, list.Items[size_t(k)], colorMap, shape);
  }
  panel->BevelInner = bvNone;
  panel->BevelOuter = bvNone;
}

void NvSNMPRequest2Leds::ShowRow() {
  BlinkCount = 0;
  DecodeAll();
  PaintLeds();
}

void NvSNMPRequest2Leds::OnGetError(NvSNMPError* error) {
  ResetLeds();
  ShowStatus(error->Message);
}

void NvSNMPRequest2Leds::DecodeLed(NvSNMPLed* led) {
  const NvSNMPVar* var = Request.Vars.GetVar(led->VarIndex);
  const std::string text = var->Options ? var->Options->NameToValue(*var->Value) : *var->Value;
  const NvOctets bytes = NvValueTextToOctets(text, var->Syntax);
  const NvSNMPLedColorMapList& map = *led->ColorMap;
  const size_t offset = size_t(led->ByteOffset);
  const bool pair = DecodeMode == 2 && led->ByteOffset >= SingleBytePrefix;
  // A flag byte without its state byte counts as missing, like a byte past the end.
  if (offset >= bytes.size() || (pair && offset + 1 >= bytes.size())) {
    if (map.DefaultColor == -1) NvThrowError(NvErr::PartialIndexRange);
    led->Color = map.DefaultColor;
    led->Blinking = 0;
    return;
  }
  const uint8_t b = bytes[offset];
  if (DecodeMode == 1 || (DecodeMode == 2 && !pair)) {
    led->Color = map.GetColor(uint8_t(b & map.ValueMask));
    led->Blinking = (b & map.BlinkMask) != 0;
  } else if (pair) {
    if (b == 1) {
      led->Color = map.DefaultColor;
      led->Blinking = 0;
    } else {
      led->Blinking = (b & map.BlinkMask) != 0;
      led->Color = map.GetColor(uint8_t(bytes[offset + 1] & map.ValueMask));
    }
  }
}

void NvSNMPRequest2Leds::DecodeAll() {
  for (auto& led : Leds) DecodeLed(led.get());
}

void NvSNMPRequest2Leds::PaintLeds() {
  bool anyBlinking = false;
  for (auto& led : Leds) {
    if (led->Blinking) {
      anyBlinking = true;
      const bool showsOff = led->Shape->Brush->Color == led->ColorMap->OffColor;
      Paint(*led, showsOff || BlinkCount > BlinkLimit ? led->Color : led->ColorMap->OffColor);
    } else {
      Paint(*led, led->Color);
    }
  }
  if (anyBlinking) ++BlinkCount;
}

void NvSNMPRequest2Leds::ResetLeds() {
  for (auto& led : Leds) {
    led->Color = led->ColorMap->OffColor;
    led->Blinking = 0;
    Paint(*led, led->Color);
  }
}

void NvSNMPRequest2Leds::StartPolling(int ticks) {
  PollTimer->Interval = ticks * 10;
  PollTimer->Enabled = true;
  Refresh();
}

void NvSNMPRequest2Leds::StopPolling() {
  PollTimer->Enabled = false;
  BlinkTimer->Enabled = false;
  ResetLeds();
}

void NvSNMPRequest2Leds::Refresh() {
  try {
    Get();
  } catch (const Exception& e) {
    ResetLeds();
    throw Exception(e.Message, e.HelpContext);
  }
}

void NvSNMPRequest2Leds::OnPollTimer(TObject*) {
  try {
    Get();
  } catch (const Exception& e) {
    ResetLeds();
    ShowStatus(e.Message);
  }
}

void NvSNMPRequest2Leds::OnBlinkTimer(TObject*) { PaintLeds(); }
