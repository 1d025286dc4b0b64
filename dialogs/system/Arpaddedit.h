// The entry pop-up of the ARP table dialog: adds a static entry or changes an entry's MAC
// address and type, through the list window's request.
#pragma once

#include "EntryPopup.h"
#include "StdCtrls.h"

class TARPAddEdit : public TEntryPopup {
 public:
  TARPAddEdit(TComponent* Owner, TFeatureDialog* parent);

  enum : int { VarIndex = 0, VarIpType = 1, VarIp = 2, VarMac = 3, VarType = 4, VarState = 5, VarRowStatus = 6 };
  // Items of RowStatus.
  static constexpr int kActive = 0;
  static constexpr int kCreateAndGo = 1;
  static constexpr int kDestroy = 2;

  bool IsAddMode = false;

  TLabel* lblIndex;
  TEdit* IndexEdit;
  TComboBox* IpTypeComb;  // hidden
  TLabel* lblIP;
  TEdit* IPEdit;
  TLabel* lblMAC;
  TEdit* MACEdit;
  TLabel* lblType;
  TComboBox* TypeComb;
  TComboBox* StateComb;  // hidden
  TComboBox* RowStatus;  // hidden
  TButton* AddBtn;       // "Add" or "Set"
  TButton* CloseBtn;

  void AddBtnClick(TObject* Sender);
  void CloseBtnClick(TObject* Sender);

 private:
  bool TypedEntryAccepted();
};

// The pop-up while its list window is open.
extern TARPAddEdit* ARPAddEdit;
