#include "Sslmanagementtable.h"

#include <cctype>

#include "Dialogs.h"
#include "NvSNMPRequest2Edits.h"
#include "Oid_ssl.h"

TSSLManagementForm* SSLManagementForm = nullptr;

namespace {
const char* const kSuiteNames[4] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA",
                                    "DHE-DSS-with-3DES-EDE-CBC-SHA", "RSA-EXPORT-with-RC4-40-MD5"};
const char kHexDigits[] = "0123456789ABCDEF";
}  // namespace

TSSLManagementForm::TSSLManagementForm(TComponent* Owner)
    : TFeatureDialog(Owner, 452, 252, NvScale::ByDpi, NvPlacement{.ClientSize = true}) {
  Name = "SSLManagementForm";
  Caption = "SSL Management Table";

  gbSSLSettings = Put<TPanel>(this, "gbSSLSettings", 8, 8, 348, 80);
  gbSSLSettings->BevelOuter = bvLowered;
  Put<TLabel>(gbSSLSettings, "lblSSLSettings", 8, 4, 150, 13, "SSL Settings");
  Put<TLabel>(gbSSLSettings, "lblSSLStatus", 16, 29, 120, 13, "SSL Status");
  cbxSSLVersion = Put<TComboBox>(gbSSLSettings, "cbxSSLVersion", 228, 26, 108, 21);
  cbxSSLVersion->Style = csDropDownList;
  Put<TLabel>(gbSSLSettings, "lblCacheTimeout", 16, 55, 200, 13, "Cache Timeout");
  edtCacheTimeOut = Put<TEdit>(gbSSLSettings, "edtCacheTimeOut", 228, 52, 108, 21);

  gbCipherSuites = Put<TPanel>(this, "gbCipherSuites", 8, 96, 348, 128);
  gbCipherSuites->BevelOuter = bvLowered;
  Put<TLabel>(gbCipherSuites, "lblCipherSuites", 8, 4, 200, 13, "SSL Ciphersuite Settings");
  for (int i = 0; i < 4; ++i) {
    const std::string n = std::to_string(i + 1);
    Put<TLabel>(gbCipherSuites, ("lblciphersuites" + n).c_str(), 16, 29 + i * 24, 200, 13, kSuiteNames[i]);
    TComboBox* combo = Put<TComboBox>(gbCipherSuites, ("cbxciphersuites" + n).c_str(), 228, 26 + i * 24, 108, 21);
    combo->Style = csDropDownList;
    combo->Items->Add("disabled");
    combo->Items->Add("enabled");
    CipherCombos[i] = combo;
  }
  cbxciphersuites1 = CipherCombos[0];
  cbxciphersuites2 = CipherCombos[1];
  cbxciphersuites3 = CipherCombos[2];
  cbxciphersuites4 = CipherCombos[3];

  btnGet = PutButton(this, "btnGet", "Refresh", 368, 8, 75, 25, &TSSLManagementForm::btnGetClick);
  btnSet = PutButton(this, "btnSet", "Set", 368, 40, 75, 25, &TSSLManagementForm::btnSetClick);
  btn1 = PutButton(this, "btn1", "Close", 368, 72, 75, 25, &TSSLManagementForm::btn1Click);
  edtciphersuites = Put<TEdit>(this, "edtciphersuites", 368, 104, 40, 21);
  edtciphersuites->Visible = false;
  PutStatusBar();

  OnCreate = Handler(this, &TSSLManagementForm::FormCreate);
  OnClose = Handler(this, &TSSLManagementForm::FormClose);
  DoCreate();
}

void TSSLManagementForm::FormCreate(TObject*) {
  Guarded([&] {
    Request = AddRequest(SslManagementTable, SVT_SV, 0);
    Request->BindControl(0, cbxSSLVersion);
    Request->BindEdits(1, "%s{l2}", edtciphersuites);
    Request->BindEdits(2, "%i{n60x86400l5}", edtCacheTimeOut);
    TrackWalks(Request);
    StartWalk(Request);
  });
}

// A failed read is reported by the base and leaves the choices as they were.
void TSSLManagementForm::GetCompleted(NvSNMPRequest2Controls* Sender, NvSNMPError* Error) {
  TFeatureDialog::GetCompleted(Sender, Error);
  if (!Error || Error->Code == 0) DecodeCipherSuites();
}

void TSSLManagementForm::DecodeCipherSuites() {
  const std::string value = edtciphersuites->Text;
  if (value.size() == 2) SetCipherCombos(value[0]);
}

void TSSLManagementForm::SetCipherCombos(char digit) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
  int value;
  if (upper >= '0' && upper <= '9') value = upper - '0';
  else if (upper >= 'A' && upper <= 'F') value = upper - 'A' + 10;
  else return;
  for (int i = 0; i < 4; ++i) CipherCombos[i]->ItemIndex = (value & (8 >> i)) ? 1 : 0;
}

std::string TSSLManagementForm::CipherCombosToHex() const {
  int value = 0;
  for (int i = 0; i < 4; ++i)
    if (CipherCombos[i]->ItemIndex == 1) value |= 8 >> i;
  return std::string(1, kHexDigits[value]);
}

void TSSLManagementForm::btnGetClick(TObject*) {
  if (Request) StartWalk(Request);
}

void TSSLManagementForm::btnSetClick(TObject*) {
  // The late reply of a read under way would show, and a second Set write back, the old suites.
  if (!Request || !NoReadUnderWay(Request)) return;
  bool empty = cbxSSLVersion->Text().empty() || edtCacheTimeOut->Text().empty();
  for (TComboBox* combo : CipherCombos) empty = empty || combo->Text().empty();
  if (empty) {
    MessageDlg("Some items are empty.", mtWarning, mbOK, 0);
    Refocus(btnSet);
    return;
  }
  edtciphersuites->Text = CipherCombosToHex() + "0";
  Guarded(Request, [&] {
    Request->Request.Active = 1;
    Request->Set(true, true);
  });
}

void TSSLManagementForm::btn1Click(TObject*) { Close(); }

void TSSLManagementForm::FormClose(TObject*, TCloseAction&) { CloseRequests(); }
