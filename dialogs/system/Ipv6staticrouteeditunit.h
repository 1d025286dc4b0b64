// The add pop-up of the IPv6 static route dialog: a route (mode 1) or the default route (mode
// 2, destination and prefix fixed), written through the dialog's request.
#pragma once

#include <string>

#include "EntryPopup.h"
#include "StdCtrls.h"

class TIpv6StaticRouteEditForm : public TEntryPopup {
 public:
  TIpv6StaticRouteEditForm(TComponent* Owner, TFeatureDialog* parent);

  int RouteEditMode = 1;  // 1 Add, 2 Add Default

  TLabel* lblDst;
  TEdit* edtDst;
  TLabel* lblPrefix;
  TEdit* edtPrefix;
  TLabel* lblInterface;
  TEdit* edtInterface;
  TLabel* lblNextHop;
  TEdit* edtNextHop;
  TLabel* lblMetric;
  TEdit* edtMetric;
  TLabel* lblProtocol;
  TEdit* edtProtocol;  // hidden
  TLabel* lblWeight;
  TEdit* edtWeight;    // hidden, not bound
  TComboBox* cbxBackup;  // hidden, not bound
  TLabel* lblStatus;
  TComboBox* cbxStatus;
  TButton* btnSet;
  TButton* btnClose;

  void FormShow(TObject* Sender);
  void btnSetClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  bool CheckRouteInput();
  bool IsValidIPv6Hex(const std::string& text);
};

// The pop-up while its dialog is open.
extern TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm;
