// The SSL settings dialog: the SSL state, the session cache time-out and the four cipher
// suites, which the switch keeps as the bits of one octet and the dialog shows as one
// "enabled"/"disabled" choice each.
#pragma once

#include "ExtCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TSSLManagementForm : public TFeatureDialog {
 public:
  explicit TSSLManagementForm(TComponent* Owner);

  TPanel* gbSSLSettings;
  TComboBox* cbxSSLVersion;
  TEdit* edtCacheTimeOut;
  TPanel* gbCipherSuites;
  TComboBox* cbxciphersuites1;  // bit 0x80 of the octet
  TComboBox* cbxciphersuites2;  // 0x40
  TComboBox* cbxciphersuites3;  // 0x20
  TComboBox* cbxciphersuites4;  // 0x10
  TEdit* edtciphersuites;       // hidden: the octet as two hex digits
  TButton* btnGet;
  TButton* btnSet;
  TButton* btn1;  // "Close"

  void FormCreate(TObject* Sender);
  void btnGetClick(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btn1Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

  // The four choices as the first hex digit of the octet.
  std::string CipherCombosToHex() const;
  // The first digit of a two-digit value read into the four choices; any other value changes
  // nothing.
  void DecodeCipherSuites();
  void SetCipherCombos(char digit);
  void GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) override;

  NvSNMPRequest2Edits* Request = nullptr;

 private:
  TComboBox* CipherCombos[4];
};

// The dialog while its menu command shows it.
extern TSSLManagementForm* SSLManagementForm;
