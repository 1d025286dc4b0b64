// The static filtering dialogs over the Q-BRIDGE static tables: multicast entries with their
// static egress ports, unicast entries with the ports they may go to. Each entry is keyed by
// VLAN, MAC address and receive port; entries are made permanent and deleted as invalid.
#pragma once

#include "MacEntryDialog.h"

class TMulticastFilterInformationForm : public TMacEntryDialog {
 public:
  explicit TMulticastFilterInformationForm(TComponent* Owner);
  TListView* LV_dot1qStaticMulticastEntry;
  TEdit* ED_MulticastVID;
  TEdit* ED_MACAddress;
  TComboBox* Status;
  TButton* SetBtn;
  TButton* AddBtn;
  TButton* btnDelete;
};

class TUnicastFilterInformationForm : public TMacEntryDialog {
 public:
  explicit TUnicastFilterInformationForm(TComponent* Owner);
  TListView* LV_dot1qStaticUnicastEntry;
  TEdit* ED_UnicastVID;
  TEdit* UnicastAddress;
  TComboBox* UStatus;
  TButton* ADDBtn;
  TButton* DeleteBtn;
};

// The dialogs while their menu commands show them.
extern TMulticastFilterInformationForm* MulticastFilterInformationForm;
extern TUnicastFilterInformationForm* UnicastFilterInformationForm;
