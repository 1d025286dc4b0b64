// The add pop-up of the IGMP multicast VLAN group dialog: a VLAN and the first and last address
// of a range, created with one createAndGo through the list window's request.
#pragma once

#include "EntryPopup.h"
#include "StdCtrls.h"

class TIGMPMulticastVLANGroupAddForm : public TEntryPopup {
 public:
  TIGMPMulticastVLANGroupAddForm(TComponent* Owner, TFeatureDialog* parent);

  enum : int { VarVlan = 0, VarFrom = 1, VarTo = 2, VarStatus = 3 };
  // Items of cbxState.
  static constexpr int kCreateAndGo = 3;
  static constexpr int kDestroy = 5;

  TEdit* edtVID;
  TEdit* edtFormIP;
  TEdit* edtToIP;
  TComboBox* cbxState;
  TButton* btnAdd;
  TButton* btnClose;

  // Empty, usable fields and the fixed "createAndGo", before each showing (not on each
  // activation, which would also empty what was typed when a refusal's message closes).
  void PrepareForAdd();
  void btnAddClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
};

// The pop-up while its list window is open.
extern TIGMPMulticastVLANGroupAddForm* IGMPMulticastVLANGroupAddForm;
