// What the two front-panel forms share: the background picture, a green and an orange link
// picture per port slot, the LED panels, the port read that drives the pictures every 5 s and
// the LED request that polls the same object. Each form gives its layout and picture rule.
//
// The port read goes out through the event pump rather than blocking: an unreachable switch
// would otherwise hold the window for the whole time-out on every tick. Its reply applies the
// picture rule; a read that fails leaves the pictures as they are, and a tick that finds the
// previous read still outstanding sends no second one.
#pragma once

#include <string>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "LayoutPictures.h"
#include "StdCtrls.h"

class NvSNMPLedColorMapList;
class NvSNMPRequest2Controls;
class NvSNMPRequest2Edits;
class NvSNMPRequest2Leds;
struct NvSNMPError;

// What a slot's four status characters do to its two pictures.
enum class TLinkPicture { Keep, None, Green, Orange };

// The four characters of port slot k (1 to 32) in the status value as hexadecimal text;
// shorter, or empty, where the value ends before them.
std::string PanelSlotCode(const std::string& statusText, int slot);

// The picture rule of one group of slots: the codes "0101", "8201", "0201", "8202", "0202",
// "8203", "0203" in this order; any other text keeps the pictures.
using TLinkPictureRule = TLinkPicture[7];
TLinkPicture PanelPictureFor(const TLinkPictureRule& rule, const std::string& code);

class TFrontPanelForm : public TForm {
 public:
  explicit TFrontPanelForm(TComponent* Owner);

  TImage* Image1 = nullptr;
  TLabel* portspeedled = nullptr;
  TTimer* Timer1 = nullptr;
  TPanel* PowerLedPanel = nullptr;
  TPanel* ConsoleLedPanel = nullptr;

  // The port read (its one variable shown in portspeedled) and the LED request.
  NvSNMPRequest2Edits* PortRequest = nullptr;
  NvSNMPRequest2Leds* LedRequest = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormDestroy(TObject* Sender);
  void Timer1Timer(TObject* Sender);

  // Slot n's pictures (1-based; null outside the form's slots).
  TImage* GreenPicture(int slot) const;
  TImage* OrangePicture(int slot) const;
  // Last slot with pictures: 32 for A1, 30 for B1.
  int SlotCount() const { return static_cast<int>(slots_.size()); }

 protected:
  struct Slot {
    TImage* Green = nullptr;
    TImage* Orange = nullptr;
    TPanel* LedPanel = nullptr;  // combo slots: the panel the timer shows and hides
  };
  struct LedGroup {
    std::string Offsets;
    NvSNMPLedColorMapList* Map;
    TPanel* Panel;
    int Gap, Width, Height;
  };

  // Layout helpers for the derived constructors.
  void MakeBackground(int width, int height, const char* picture);
  TImage* MakePicture(const std::string& name, int left, int top, bool fibre, bool green);
  TPanel* MakeLedPanel(const std::string& name, int left, int top, int size);
  // The slot's green and orange pictures, named <prefix>green<number> and
  // <prefix>Orange<number>, one over the other.
  void AddSlot(const std::string& prefix, int number, int left, int top, bool fibre, TPanel* ledPanel = nullptr);

  // The LEDs in binding order, and the picture rules of the two groups of slots.
  std::vector<LedGroup> LedGroups;
  const TLinkPictureRule* CopperRule = nullptr;
  const TLinkPictureRule* ComboRule = nullptr;

 private:
  void ApplyPictureRule(bool comboPanelsToo);
  void PortReadDone(NvSNMPRequest2Controls* sender, NvSNMPError* error);
  void LedReadDone(NvSNMPError* error);
  void HideAllPictures();
  void ReleaseRequests();

  std::vector<Slot> slots_;
  bool tickRead_ = false;   // the outstanding port read came from the timer
  bool closing_ = false;
};
