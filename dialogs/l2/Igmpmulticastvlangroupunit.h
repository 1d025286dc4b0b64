// IGMP multicast VLAN groups: the address ranges given to each multicast VLAN. A range is added
// through the add pop-up and the chosen one deleted; nothing else of a row changes.
#pragma once

#include "ComCtrls.h"
#include "FeatureDialog.h"
#include "StdCtrls.h"

class TIGMPMulticastVLANGroupAddForm;

class TIGMPMulticastVlanForm : public TFeatureDialog {
 public:
  explicit TIGMPMulticastVlanForm(TComponent* Owner);

  TListView* ListView1;
  TButton* btnGet;
  TButton* btnAdd;
  TButton* btnDelete;
  TButton* btnClose;

  TIGMPMulticastVLANGroupAddForm* Popup = nullptr;

  void FormCreate(TObject* Sender);
  void btnGetClick(TObject* Sender);
  void btnAddClick(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// The dialog while its menu command shows it.
extern TIGMPMulticastVlanForm* IGMPMulticastVlanForm;
