// The NLB forwarding-entry dialogs: static entries that send the frames of a load-balancing
// cluster's MAC address out of a chosen set of ports, multicast ones keyed by VLAN and MAC,
// unicast ones by MAC alone.
#pragma once

#include "MacEntryDialog.h"

class TNLBMulticastFDBForm : public TMacEntryDialog {
 public:
  explicit TNLBMulticastFDBForm(TComponent* Owner);
  TListView* LV_NLBMulticastFDBEntry;
  TEdit* ED_UnicastVID;
  TEdit* UnicastAddress;
  TComboBox* UStatus;
  TButton* SetBtn;
  TButton* AddBtn;
  TButton* DeleteBtn;
};

class TNLBUnicastFDBForm : public TMacEntryDialog {
 public:
  explicit TNLBUnicastFDBForm(TComponent* Owner);
  TListView* LV_dot1qStaticUnicastEntry;
  TEdit* UnicastAddress;
  TComboBox* UStatus;
  TButton* SetBtn;
  TButton* AddBtn;
  TButton* DeleteBtn;
};

// The dialogs while their menu commands show them.
extern TNLBMulticastFDBForm* NLBMulticastFDBForm;
extern TNLBUnicastFDBForm* NLBUnicastFDBForm;
