// What the switch advertises about itself over LLDP: chassis, name, description and its
// system capabilities as names. Nothing is written.
#pragma once

#include "FeatureDialog.h"
#include "StdCtrls.h"

class TLLDPLocSysDataForm : public TFeatureDialog {
 public:
  explicit TLLDPLocSysDataForm(TComponent* Owner);

  TLabel* SubtypeLabel;
  TStaticText* subtypeText;
  TLabel* IDLabel;
  TStaticText* IDText;
  TLabel* SysNameLabel;
  TStaticText* sysNameText;
  TLabel* SysDescLabel;
  TEdit* sysDescText;  // read-only: a description longer than the box scrolls
  TLabel* CapSupportLabel;
  TEdit* CapSupportEdit;
  TLabel* CapEnableLabel;
  TEdit* capEnableEdit;
  TStaticText* tempText1;  // hidden: the raw capability values
  TStaticText* tempText2;
  TButton* GetButton;
  TButton* CloseButton;
  NvSNMPRequest2Edits* SystemData = nullptr;

  void FormCreate(TObject* Sender);
  void GetButtonClick(TObject* Sender);
  void CloseButtonClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // The read has ended: the capabilities as names, the name's hint.
  void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) override;
  void ShowNameHint();

 private:
  void ShowCapabilities();
};

// The dialog while its menu command shows it.
extern TLLDPLocSysDataForm* LLDPLocSysDataForm;
