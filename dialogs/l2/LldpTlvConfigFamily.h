// The LLDP port TLV configuration dialogs (the basic TLVs with admin state and notification,
// and the 802.3 TLVs): a list of every port, the chosen port's settings below it, and a TLV
// text of names that a small pop-up of check boxes fills. Edit writes the chosen port, waits
// for the answer and reads the list again. The members differ only in NvLldpTlvMember.
#pragma once

#include <string>
#include <vector>

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TLLDPTlvConfigDialog;
class TLLDPTlvPopup;

// One check box of the pop-up, in the bit order of the TLV octet.
struct NvLldpTlvBox {
  const char* Component;
  const char* Name;  // the TLV's name, also the box's caption
  bool Shown;
};

struct NvLldpTlvMember {
  const NvSNMPVar* Table;
  int Width, Height;
  bool Centred;        // on the main window; else at the designed place
  bool AdminControls;  // administration state and notification (variables 1 and 2)
  int TlvVar;
  const char* StopComponent;
  TLLDPTlvPopup* (*MakePopup)(TLLDPTlvConfigDialog* dialog);
};

struct NvLldpTlvPopupMember {
  const char* CaptionPrefix;  // followed by TitleSuffix
  int Width, Height;
  bool Centred;
  std::vector<NvLldpTlvBox> Boxes;
};

class TLLDPTlvConfigDialog : public TFeatureDialog {
 public:
  TLLDPTlvConfigDialog(TComponent* Owner, const NvLldpTlvMember& member);

  TListView* ListView1;
  TStaticText* StaticText1;
  TButton* GetButton;
  TButton* EditButton;
  TButton* StopButton;
  TButton* CloseButton;
  TLabel* PortEditLabel;
  TStaticText* PortText;
  TLabel* AdminStateLabel = nullptr;
  TComboBox* AdminStateComboBox = nullptr;
  TLabel* NotificationLabel = nullptr;
  TComboBox* NotificationComboBox = nullptr;
  TLabel* TLVsLabel;
  TEdit* TLVsEdit;
  TLLDPTlvPopup* Popup = nullptr;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void EditButtonClick(TObject* Sender);
  void StopButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void TLVsEditClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  void ClearDetailControls() override;

 private:
  const NvLldpTlvMember& member_;
};

// The pop-up that turns the dialog's TLV text into ticks and back. Nothing is sent from here:
// the user still presses Edit.
class TLLDPTlvPopup : public TFeatureDialog {
 public:
  TLLDPTlvPopup(TComponent* Owner, TEdit* tlvText, const NvLldpTlvPopupMember& member);

  std::vector<TCheckBox*> Boxes;  // bit order
  TButton* SetButton;
  TButton* CloseButton;

  // Each time it is shown: its caption, and a tick for each name the TLV text holds.
  void FormActivate(TObject* Sender);
  void SetButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);

  const std::vector<NvLldpTlvBox>& Tlvs() const { return member_.Boxes; }

 private:
  void UntickAll();

  TEdit* tlvText_;
  const NvLldpTlvPopupMember& member_;
};
