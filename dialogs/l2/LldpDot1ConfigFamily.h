// The LLDP 802.1 TLV configuration dialogs: one per lldpXdot1Config table (protocol, protocol
// VLAN, VLAN name). Each lists its table, shows the chosen row's two index values and writes
// that row's TX column. The members differ only in what NvLldpDot1Member says.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

struct NvLldpDot1Member {
  const NvSNMPVar* Table;  // port, second index, TX
  const char* StoredCaption;
  int Width, Height;
  const char* IndexLabel;  // the second index
  const char* TxLabel;
};

class TLLDPDot1ConfigDialog : public TFeatureDialog {
 public:
  TLLDPDot1ConfigDialog(TComponent* Owner, const NvLldpDot1Member& member);

  TListView* ListView1;
  TStaticText* StaticText1;
  TButton* RefreshButton;
  TButton* SetButton;
  TButton* StopButton;
  TButton* CloseButton;
  TLabel* Label1;
  TStaticText* PortNumberText;
  TLabel* Label2;
  TStaticText* IndexText;
  TLabel* Label3;
  TComboBox* TXComboBox;

  void FormCreate(TObject* Sender);
  void RefreshButtonClick(TObject* Sender);
  void SetButtonClick(TObject* Sender);
  void StopButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void ApplyEnablingRules() override;
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void FormClose(TObject* Sender, TCloseAction& Action);

  void ClearDetailControls() override;

 private:
  const NvLldpDot1Member& member_;
};
