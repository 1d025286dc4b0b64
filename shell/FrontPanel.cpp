#include "FrontPanel.h"

#include <map>

#include "ComCtrls.h"
#include "Dialogs.h"
#include "Jpeg.h"
#include "NvSNMPRequest2Edits.h"
#include "NvSNMPRequest2Leds.h"
#include "NvSNMPVarList.h"
#include "Oid_device.h"

namespace {

const char* const kCodes[7] = {"0101", "8201", "0201", "8202", "0202", "8203", "0203"};

// Pictures are decoded once and shared by every form made later (Refresh makes new ones).
const TRgbPixels& Pixels(const char* name) {
  static std::map<std::string, TRgbPixels> cache;
  auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  TRgbPixels pixels;
  const std::string path = PanelResourcePath(name);
  if (!DecodeJpegFile(path, pixels)) {
    // The panel still works without its pictures; say so once rather than for every one.
    static bool told = false;
    if (!told) {
      told = true;
      ShowMessage("The picture \"" + path + "\" could not be read; the front panel is shown without it.");
    }
  }
  return cache.emplace(name, std::move(pixels)).first->second;
}

// Marks the request inactive and frees it once no reply is outstanding; the member is null.
template <class R>
void StopAndFree(R*& request) {
  R* r = request;
  request = nullptr;
  NvSNMPRequest2Controls::Release(r);
}

}  // namespace

std::string PanelSlotCode(const std::string& statusText, int slot) {
  const std::size_t at = static_cast<std::size_t>(4 * slot);
  if (slot < 1 || at >= statusText.size()) return "";
  return statusText.substr(at, 4);
}

TLinkPicture PanelPictureFor(const TLinkPictureRule& rule, const std::string& code) {
  for (int i = 0; i < 7; ++i)
    if (code == kCodes[i]) return rule[i];
  return TLinkPicture::Keep;
}


TFrontPanelForm::TFrontPanelForm(TComponent* Owner) : TForm(Owner) {
  BorderStyle = bsNone;
  Position = poDesigned;
  OnCreate = Handler(this, &TFrontPanelForm::FormCreate);
  OnClose = Handler(this, &TFrontPanelForm::FormClose);
  OnDestroy = Handler(this, &TFrontPanelForm::FormDestroy);
}

void TFrontPanelForm::MakeBackground(int width, int height, const char* picture) {
  ClientWidth = width;
  ClientHeight = height;
  Image1 = new TImage(this);
  Image1->Name = "Image1";
  Image1->Parent = this;
  Image1->Align = alClient;
  Image1->Picture->Assign(Pixels(picture));

  portspeedled = new TLabel(this);
  portspeedled->Name = "portspeedled";
  portspeedled->Parent = this;
  portspeedled->Visible = false;

  Timer1 = new TTimer(this);
  Timer1->Name = "Timer1";
  Timer1->Interval = 5000;
  Timer1->OnTimer = Handler(this, &TFrontPanelForm::Timer1Timer);
}

TImage* TFrontPanelForm::MakePicture(const std::string& name, int left, int top, bool fibre, bool green) {
  auto* image = new TImage(this);
  image->Name = name;
  image->Parent = this;
  image->SetBounds(left, top, fibre ? 33 : 26, 12);
  image->Visible = false;
  image->Picture->Assign(Pixels(green ? (fibre ? "PortGreenFibre.jpg" : "PortGreen.jpg")
                                      : (fibre ? "PortOrangeFibre.jpg" : "PortOrange.jpg")));
  return image;
}

TPanel* TFrontPanelForm::MakeLedPanel(const std::string& name, int left, int top, int size) {
  auto* panel = new TPanel(this);
  panel->Name = name;
  panel->Parent = this;
  panel->Caption = "";
  panel->SetBounds(left, top, size, size);
  panel->BevelOuter = bvNone;
  panel->Color = clBlack;
  return panel;
}

void TFrontPanelForm::AddSlot(const std::string& prefix, int number, int left, int top, bool fibre,
                              TPanel* ledPanel) {
  const std::string n = std::to_string(number);
  TImage* green = MakePicture(prefix + "green" + n, left, top, fibre, true);
  TImage* orange = MakePicture(prefix + "Orange" + n, left, top, fibre, false);
  slots_.push_back({green, orange, ledPanel});
}

TImage* TFrontPanelForm::GreenPicture(int slot) const {
  return slot >= 1 && slot <= SlotCount() ? slots_[static_cast<std::size_t>(slot - 1)].Green : nullptr;
}

TImage* TFrontPanelForm::OrangePicture(int slot) const {
  return slot >= 1 && slot <= SlotCount() ? slots_[static_cast<std::size_t>(slot - 1)].Orange : nullptr;
}

void TFrontPanelForm::FormCreate(TObject*) {
  try {
    PortRequest = new NvSNMPRequest2Edits(this);
    PortRequest->Request.Vars = NvSNMPVarList(FrontPanelLedStatusTable, MVT_SV, 0);
    PortRequest->Request.Vars.InstanceSuffix = "0";
    PortRequest->BindLabel(0, portspeedled);
    PortRequest->GetDoneHandler = [this](NvSNMPRequest2Controls* sender, NvSNMPError* error) {
      PortReadDone(sender, error);
    };
    tickRead_ = false;
    PortRequest->Get();

    LedRequest = new NvSNMPRequest2Leds(this);
    LedRequest->Request.Vars = NvSNMPVarList(FrontPanelLedStatusTable, MVT_SV, 0);
    LedRequest->Request.Vars.InstanceSuffix = "0";
    LedRequest->SetDecodeMode(2, 2);
    for (const LedGroup& group : LedGroups)
      LedRequest->AddLeds(0, group.Offsets, group.Map, group.Panel, 1, group.Gap, 0, group.Width, group.Height);

    if (auto* bar = Owner() ? dynamic_cast<TStatusBar*>(Owner()->FindComponent("StatusBar")) : nullptr)
      if (bar->Panels->Count > 0) LedRequest->SetStatusPanel(bar->Panels->Items[0]);
    LedRequest->Request.Vars.Caption = " Led Status";
    LedRequest->GetDoneHandler = [this](NvSNMPRequest2Controls*, NvSNMPError* error) { LedReadDone(error); };

    LedRequest->StartPolling(500);
    Timer1->Enabled = true;
  } catch (...) {
    // The panel stays as far as it got; the timer goes on trying the port read.
  }
}

void TFrontPanelForm::PortReadDone(NvSNMPRequest2Controls*, NvSNMPError* error) {
  if (closing_ || !error || error->Code != 0) return;
  ApplyPictureRule(tickRead_);
}

// A v2c or v3 reply without the LED status object says what a v1 reply says: the variable
// does not exist, every LED dark.
void TFrontPanelForm::LedReadDone(NvSNMPError* error) {
  if (!LedRequest || !error) return;
  if (error->Code != 0) {
    LedRequest->OnGetError(error);
    return;
  }
  if (!LedRequest->Request.Vars.GetVar(0)->Value->empty()) return;
  NvSNMPError missing = *error;
  NvSNMPMapError(2, missing.Code, missing.Message);  // noSuchName
  LedRequest->OnGetError(&missing);
}

void TFrontPanelForm::Timer1Timer(TObject*) {
  if (closing_) return;
  if (PortRequest && PortRequest->Busy) return;  // the last read has not come back yet
  try {
    if (!PortRequest) throw Exception("No port read");
    tickRead_ = true;
    PortRequest->Get();
  } catch (...) {
    HideAllPictures();
  }
}

void TFrontPanelForm::ApplyPictureRule(bool comboPanelsToo) {
  const std::string text = portspeedled->Caption;
  for (int slot = 1; slot <= SlotCount(); ++slot) {
    const Slot& s = slots_[static_cast<std::size_t>(slot - 1)];
    const std::string code = PanelSlotCode(text, slot);
    const TLinkPictureRule* rule = slot <= 24 ? CopperRule : ComboRule;
    switch (PanelPictureFor(*rule, code)) {
      case TLinkPicture::Keep:
        break;
      case TLinkPicture::None:
        s.Green->Visible = false;
        s.Orange->Visible = false;
        break;
      case TLinkPicture::Green:
        s.Green->Visible = true;
        s.Orange->Visible = false;
        break;
      case TLinkPicture::Orange:
        s.Orange->Visible = true;
        s.Green->Visible = false;
        break;
    }
    if (comboPanelsToo && s.LedPanel) {
      if (code == "0101")
        s.LedPanel->Visible = false;
      else if (code == "8201" || code == "8202" || code == "0202" || code == "8203" || code == "0203")
        s.LedPanel->Visible = true;
    }
  }
}

void TFrontPanelForm::HideAllPictures() {
  for (const Slot& s : slots_) {
    s.Green->Visible = false;
    s.Orange->Visible = false;
  }
}

void TFrontPanelForm::ReleaseRequests() {
  closing_ = true;
  if (Timer1) Timer1->Enabled = false;
  if (LedRequest) LedRequest->StopPolling();
  StopAndFree(LedRequest);
  StopAndFree(PortRequest);
}

void TFrontPanelForm::FormClose(TObject*, TCloseAction& Action) {
  ReleaseRequests();
  Action = caFree;
}

void TFrontPanelForm::FormDestroy(TObject*) {
  ReleaseRequests();
  if (Timer1) Timer1->Enabled = false;
}
