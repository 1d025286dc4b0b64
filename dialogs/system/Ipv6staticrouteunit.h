// The IPv6 static route dialog: the switch's IPv6 static routes; the default route is added
// (to an empty table) in its pop-up, routes are deleted here.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TIpv6StaticRouteEditForm;

class TIpv6StaticRouteForm : public TFeatureDialog {
 public:
  explicit TIpv6StaticRouteForm(TComponent* Owner);

  static constexpr int kVarMetric = 4;

  TListView* ListView1;
  TStaticText* StaticText1;  // the count
  TButton* btnGet;
  TButton* btnAdd;  // hidden
  TButton* btnAddDefault;
  TButton* btnDelete;
  TButton* btnClose;
  TIpv6StaticRouteEditForm* Popup = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnGetClick(TObject* Sender);
  void btnAddClick(TObject* Sender);
  void btnAddDefaultClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void ApplyEnablingRules() override;
  void ListView1DataStateChange(TObject* Sender);

 private:
  void OpenPopup(int mode, const std::string& caption);
};

// The dialog while it is shown.
extern TIpv6StaticRouteForm* Ipv6StaticRouteForm;
